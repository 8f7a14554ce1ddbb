#include "app/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

CTranslations::CTranslations(const QLocale& locale) {
    for (const QString& name : locale.uiLanguages()) {
        const QLocale language(name);
        // The texts are written in English: a user who ranks it above another language keeps it.
        if (language.language() == QLocale::English) {
            return;
        }
        if (m_program.load(language, QStringLiteral("varnel"), QStringLiteral("_"),
                           QStringLiteral(":/i18n"))) {
            // Qt's dialogs and messages in the same language; without them (the package that
            // brings them is only recommended) they stay in English.
            (void)m_qt.load(language, QStringLiteral("qtbase"), QStringLiteral("_"),
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath));
            return;
        }
    }
}

void CTranslations::Install() {
    if (QCoreApplication::instance() == nullptr) {
        return;
    }
    for (QTranslator* translator : {&m_program, &m_qt}) {
        if (!translator->isEmpty()) {
            QCoreApplication::installTranslator(translator);
        }
    }
}
