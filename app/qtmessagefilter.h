#pragma once

#include <QString>

// While one of the program's own fronts runs, Qt's diagnostics ("QPainter::begin: ...", image
// plug-in errors, runtime-folder warnings) would appear around the program's single line of
// output. This filter drops them unless the user asks for them with QT_LOGGING_RULES, and turns
// a fatal start-up error (no display to open) into one line and exit status 1.
class CQtMessageFilter final {
public:
    // `failure` says what could not be done, as in "cannot print".
    explicit CQtMessageFilter(QString failure);
    ~CQtMessageFilter();
    CQtMessageFilter(const CQtMessageFilter&) = delete;
    CQtMessageFilter& operator=(const CQtMessageFilter&) = delete;
};
