#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>

// The application icon in 32 and 16 pixels.
QIcon ApplicationIcon();
// Button image `index` (0 to 8: A to G, Preferences, Print) of the 16-by-15 toolbar strip.
QPixmap ToolbarImage(int index);
// The hand shown over links, hot spot at its top-left corner.
QCursor LinkHandCursor();
