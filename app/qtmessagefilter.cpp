#include "app/qtmessagefilter.h"

#include "app/terminaltext.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>

namespace {

class QtMessages {
    Q_DECLARE_TR_FUNCTIONS(QtMessages)
};

QtMessageHandler g_previousHandler = nullptr;
QString g_failure;
// Worded when the filter is made: a display that cannot be opened fails the application object
// while it is being made, before any translation has been installed into it.
QString g_noDisplay;

void FilterMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (qEnvironmentVariableIsSet("QT_LOGGING_RULES")) {
        if (g_previousHandler != nullptr) {
            g_previousHandler(type, context, message);
        } else {
            std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
        }
        return;
    }
    if (type != QtFatalMsg) {
        return;
    }
    const QString reason = message.contains(QLatin1String("platform plugin"))
                               ? g_noDisplay
                               : message.section(QLatin1Char('\n'), 0, 0);
    ReportError(QStringLiteral("%1: %2").arg(g_failure, reason));
    std::_Exit(1);
}

} // namespace

CQtMessageFilter::CQtMessageFilter(QString failure) {
    g_failure = std::move(failure);
    g_noDisplay = QtMessages::tr("no display could be opened (is DISPLAY or WAYLAND_DISPLAY set?)");
    g_previousHandler = qInstallMessageHandler(FilterMessage);
}

CQtMessageFilter::~CQtMessageFilter() {
    qInstallMessageHandler(g_previousHandler);
}
