#include "settings/inifile.h"

#include <QtTest>

// Edits keep every byte they were not asked to change; escaped text reads back as written.
class TestIniFile : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void setTextChangesOnlyItsValue_data();
    void setTextChangesOnlyItsValue();
    void textReadsBackAsWritten_data();
    void textReadsBackAsWritten();
    void removeDropsEveryDefinition();
};

void TestIniFile::setTextChangesOnlyItsValue_data() {
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("group");
    QTest::addColumn<QByteArray>("after");

    QTest::newRow("empty file") << QByteArray() << "Prefs" << QByteArray("[Prefs]\nFret=31\n");
    QTest::newRow("replaces, keeps the blanks around '='")
        << QByteArray("; mine\n[Prefs]\nFret = 25 \nNeck=1\n") << "Prefs"
        << QByteArray("; mine\n[Prefs]\nFret = 31\nNeck=1\n");
    QTest::newRow("replaces the last of two")
        << QByteArray("[Prefs]\nFret=1\n[Prefs]\nFret=2\n") << "Prefs"
        << QByteArray("[Prefs]\nFret=1\n[Prefs]\nFret=31\n");
    QTest::newRow("quoted value spanning lines")
        << QByteArray("[Prefs]\nFret=\"2\n5\"\nx=1\n") << "Prefs"
        << QByteArray("[Prefs]\nFret=31\nx=1\n");
    QTest::newRow("adds to its section, before the next")
        << QByteArray("[Prefs]\nNeck=1\n\n[Screen]\nx=0\n") << "Prefs"
        << QByteArray("[Prefs]\nNeck=1\nFret=31\n\n[Screen]\nx=0\n");
    QTest::newRow("adds a section after a last line without break")
        << QByteArray("[Screen]\nx=0") << "Prefs"
        << QByteArray("[Screen]\nx=0\n\n[Prefs]\nFret=31\n");
    QTest::newRow("keeps CR LF") << QByteArray("[Prefs]\r\nNeck=1\r\n") << "Prefs"
                                 << QByteArray("[Prefs]\r\nNeck=1\r\nFret=31\r\n");
    QTest::newRow("escaped section name")
        << QByteArray("[Recent%20File%20List]\nFret=1\n") << "Recent File List"
        << QByteArray("[Recent%20File%20List]\nFret=31\n");
    QTest::newRow("new escaped section")
        << QByteArray() << "Recent File List" << QByteArray("[Recent%20File%20List]\nFret=31\n");
    QTest::newRow("comment after the value stays")
        << QByteArray("[Prefs]\nFret=25;old\n") << "Prefs" << QByteArray("[Prefs]\nFret=31;old\n");
    QTest::newRow("other case is another group")
        << QByteArray("[prefs]\nFret=1\n") << "Prefs"
        << QByteArray("[prefs]\nFret=1\n\n[Prefs]\nFret=31\n");
}

void TestIniFile::setTextChangesOnlyItsValue() {
    QFETCH(QByteArray, before);
    QFETCH(QString, group);
    QFETCH(QByteArray, after);

    CIniFile ini(before);
    ini.SetText(group, QStringLiteral("Fret"), QStringLiteral("31"));
    QCOMPARE(ini.Data(), after);
    const std::optional<CIniValue> value = ini.Value(group, QStringLiteral("Fret"));
    QVERIFY(value);
    QCOMPARE(value->text, QStringLiteral("31"));
}

void TestIniFile::textReadsBackAsWritten_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("stored");

    QTest::newRow("path") << "/home/me/song.vnl" << QByteArray("/home/me/song.vnl");
    QTest::newRow("separators need quotes") << "a;b,c=d" << QByteArray("\"a;b,c=d\"");
    QTest::newRow("outer blanks need quotes") << " a " << QByteArray("\" a \"");
    QTest::newRow("quote and backslash") << "a\"b\\c" << QByteArray("a\\\"b\\\\c");
    QTest::newRow("line break and tab") << "a\nb\tc" << QByteArray("a\\nb\\tc");
    QTest::newRow("control then hex digit") << QStringLiteral("\x01"
                                                              "a1")
                                            << QByteArray("\\x01\\x61\\x31");
    QTest::newRow("escape character") << "\x1b[31m" << QByteArray("\\x1b[31m");
    QTest::newRow("leading at sign") << "@Variant(x)" << QByteArray("@@Variant(x)");
    QTest::newRow("UTF-8") << QStringLiteral("B\u266D \U0001D11E")
                           << QByteArray("B\xE2\x99\xAD \xF0\x9D\x84\x9E");
    QTest::newRow("empty") << "" << QByteArray();
}

void TestIniFile::textReadsBackAsWritten() {
    QFETCH(QString, text);
    QFETCH(QByteArray, stored);

    QCOMPARE(CIniFile::EscapedText(text), stored);
    CIniFile ini;
    ini.SetText(QStringLiteral("G"), QStringLiteral("k"), text);
    const std::optional<CIniValue> value = ini.Value(QStringLiteral("G"), QStringLiteral("k"));
    QVERIFY(value);
    QCOMPARE(value->kind, CIniValue::Kind::Text);
    QCOMPARE(value->text, text);
}

void TestIniFile::removeDropsEveryDefinition() {
    CIniFile ini(QByteArray("[L]\nFile1=a\nFile2=b\r\n[M]\nFile2=c\n[L]\nFile2=d"));
    ini.Remove(QStringLiteral("L"), QStringLiteral("File2"));
    QCOMPARE(ini.Data(), QByteArray("[L]\nFile1=a\n[M]\nFile2=c\n[L]\n"));
    QVERIFY(!ini.Value(QStringLiteral("L"), QStringLiteral("File2")));
    QCOMPARE(ini.Value(QStringLiteral("M"), QStringLiteral("File2"))->text, QStringLiteral("c"));
}

QTEST_GUILESS_MAIN(TestIniFile)
#include "tst_inifile.moc"
