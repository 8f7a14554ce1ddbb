#pragma once

#include <QLocale>
#include <QTranslator>

// The program's texts and Qt's own in the first of the user's languages that the program has a
// translation for. Loaded once; Qt keeps translators per application object, so each one the
// program makes in turn (the one that reads the command line, then the window's or a front's)
// needs Install() once.
class CTranslations final {
public:
    explicit CTranslations(const QLocale& locale);
    Q_DISABLE_COPY_MOVE(CTranslations)

    // Into the application object that exists now; without one there is nothing to do.
    void Install();

private:
    QTranslator m_program;
    QTranslator m_qt;
};
