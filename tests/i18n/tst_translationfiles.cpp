#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

struct Message {
    QString context;
    QString source;
    QString type;
    QStringList translations; // one, or one per plural form
};

QList<Message> ReadMessages(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    QList<Message> messages;
    QString context;
    bool numerus = false;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        const QStringView name = xml.name();
        if (name == u"name") {
            context = xml.readElementText();
        } else if (name == u"message") {
            numerus = xml.attributes().value(QLatin1String("numerus")) == u"yes";
            messages.append({context, {}, {}, {}});
        } else if (name == u"source") {
            messages.last().source = xml.readElementText();
        } else if (name == u"translation") {
            messages.last().type = xml.attributes().value(QLatin1String("type")).toString();
            if (!numerus) {
                messages.last().translations.append(xml.readElementText());
            }
        } else if (name == u"numerusform") {
            messages.last().translations.append(xml.readElementText());
        }
    }
    return messages;
}

QStringList Placeholders(const QString& text) {
    static const QRegularExpression placeholder(QStringLiteral("%(?:L?\\d+|n)"));
    QStringList found;
    for (const QRegularExpressionMatch& match : placeholder.globalMatch(text)) {
        found << match.captured();
    }
    found.sort();
    found.removeDuplicates();
    return found;
}

// A single '&' marks a menu accelerator; "&&" is a literal ampersand.
int Accelerators(QString text) {
    return static_cast<int>(text.remove(QStringLiteral("&&")).count(QLatin1Char('&')));
}

QString Problem(const Message& message) {
    if (!message.type.isEmpty()) {
        return message.type;
    }
    if (message.translations.isEmpty()) {
        return QStringLiteral("empty");
    }
    for (const QString& translation : message.translations) {
        if (translation.isEmpty()) {
            return QStringLiteral("empty");
        }
        if (Placeholders(translation) != Placeholders(message.source)) {
            return QStringLiteral("placeholders %1").arg(Placeholders(translation).join(u' '));
        }
        if (Accelerators(translation) != Accelerators(message.source)) {
            return QStringLiteral("accelerators");
        }
    }
    return {};
}

} // namespace

class TestTranslationFiles : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyMessageIsTranslated_data();
    void everyMessageIsTranslated();
};

void TestTranslationFiles::everyMessageIsTranslated_data() {
    QTest::addColumn<QString>("path");
    const QDir folder(QStringLiteral(VARNEL_TS_FOLDER));
    for (const QString& name : folder.entryList({QStringLiteral("*.ts")}, QDir::Files)) {
        QTest::newRow(qPrintable(name)) << folder.filePath(name);
    }
}

// lupdate over the program's sources marks new messages unfinished and gone ones vanished, so
// a file it leaves without either is complete.
void TestTranslationFiles::everyMessageIsTranslated() {
    QFETCH(QString, path);
    QTemporaryDir dir;
    const QString copy = dir.filePath(QFileInfo(path).fileName());
    QVERIFY(QFile::copy(path, copy));
    QProcess lupdate;
    const QStringList options =
        QStringLiteral(VARNEL_LUPDATE_OPTIONS).split(u' ', Qt::SkipEmptyParts);
    lupdate.start(QStringLiteral(VARNEL_LUPDATE),
                  options + QStringList{QStringLiteral("@" VARNEL_LUPDATE_LIST),
                                        QStringLiteral("-ts"), copy});
    QVERIFY(lupdate.waitForFinished(60000));
    QVERIFY2(lupdate.exitCode() == 0, lupdate.readAllStandardError().constData());

    const QList<Message> messages = ReadMessages(copy);
    QVERIFY(!messages.isEmpty());
    QStringList problems;
    for (const Message& message : messages) {
        if (const QString problem = Problem(message); !problem.isEmpty()) {
            problems << QStringLiteral("%1 in %2: \"%3\"")
                            .arg(problem, message.context, message.source.left(60));
        }
    }
    QVERIFY2(problems.isEmpty(),
             qPrintable(QStringLiteral("%1 messages need work, first:\n").arg(problems.size()) +
                        problems.mid(0, 5).join(u'\n')));
}

QTEST_GUILESS_MAIN(TestTranslationFiles)
#include "tst_translationfiles.moc"
