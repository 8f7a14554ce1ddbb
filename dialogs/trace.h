#pragma once

#include <QDebug>

// Diagnostic lines for developers. Debug builds print them; every other build defines
// QT_NO_DEBUG_OUTPUT, so the stream compiles to nothing there.
#define VARNEL_TRACE() qDebug().noquote().nospace()
