#include "music/keyname.h"

#include <QtTest>

#include <string_view>

class TestKeyName : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void acceptsLetterAndSuffix_data();
    void acceptsLetterAndSuffix();
    void refuses_data();
    void refuses();
};

namespace {

std::string_view View(const QByteArray& bytes) {
    return std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

} // namespace

void TestKeyName::acceptsLetterAndSuffix_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("accidental");

    QTest::newRow("A") << QByteArray("A") << 9 << 0;
    QTest::newRow("B") << QByteArray("B") << 11 << 0;
    QTest::newRow("C") << QByteArray("C") << 0 << 0;
    QTest::newRow("D") << QByteArray("D") << 2 << 0;
    QTest::newRow("E") << QByteArray("E") << 4 << 0;
    QTest::newRow("F") << QByteArray("F") << 5 << 0;
    QTest::newRow("G") << QByteArray("G") << 7 << 0;
    QTest::newRow("lower-case a") << QByteArray("a") << 9 << 0;
    QTest::newRow("lower-case g") << QByteArray("g") << 7 << 0;
    QTest::newRow("lower-case b is the letter B") << QByteArray("b") << 11 << 0;
    QTest::newRow("Eb") << QByteArray("Eb") << 4 << -1;
    QTest::newRow("bb") << QByteArray("bb") << 11 << -1;
    QTest::newRow("F#") << QByteArray("F#") << 5 << 1;
    QTest::newRow("c#") << QByteArray("c#") << 0 << 1;
    QTest::newRow("B flat sign") << QByteArray("B\xE2\x99\xAD") << 11 << -1;
    QTest::newRow("g sharp sign") << QByteArray("g\xE2\x99\xAF") << 7 << 1;
    // Parsing keeps what was written; turning Cb into B is the model's business.
    QTest::newRow("Cb kept") << QByteArray("Cb") << 0 << -1;
    QTest::newRow("B# kept") << QByteArray("B#") << 11 << 1;
}

void TestKeyName::acceptsLetterAndSuffix() {
    QFETCH(QByteArray, text);
    QFETCH(int, key);
    QFETCH(int, accidental);

    const auto choice = ParseKeyName(View(text));
    QVERIFY(choice.has_value());
    QCOMPARE(choice->key, key);
    QCOMPARE(choice->accidental, accidental);
}

void TestKeyName::refuses_data() {
    QTest::addColumn<QByteArray>("text");

    QTest::newRow("empty") << QByteArray();
    QTest::newRow("H") << QByteArray("H");
    QTest::newRow("h") << QByteArray("h");
    QTest::newRow("digit") << QByteArray("1");
    QTest::newRow("suffix alone") << QByteArray("#");
    QTest::newRow("flat sign alone") << QByteArray("\xE2\x99\xAD");
    QTest::newRow("double flat") << QByteArray("Cbb");
    QTest::newRow("double sharp") << QByteArray("C##");
    QTest::newRow("double flat signs") << QByteArray("C\xE2\x99\xAD\xE2\x99\xAD");
    QTest::newRow("flat then sharp") << QByteArray("C#b");
    QTest::newRow("capital B as suffix") << QByteArray("CB");
    QTest::newRow("leading blank") << QByteArray(" C");
    QTest::newRow("trailing blank") << QByteArray("C ");
    QTest::newRow("trailing blank after sign") << QByteArray("C\xE2\x99\xAF ");
    QTest::newRow("trailing junk") << QByteArray("c#x");
    QTest::newRow("word") << QByteArray("Cis");
    QTest::newRow("minus") << QByteArray("C-");
    QTest::newRow("cut-off sign") << QByteArray("C\xE2\x99");
    QTest::newRow("natural sign") << QByteArray("C\xE2\x99\xAE");
    QTest::newRow("embedded zero") << QByteArray("C\0", 2);
    QTest::newRow("accented letter") << QByteArray("\xC3\x89");
}

void TestKeyName::refuses() {
    QFETCH(QByteArray, text);

    QVERIFY(!ParseKeyName(View(text)).has_value());
}

QTEST_APPLESS_MAIN(TestKeyName)
#include "tst_keyname.moc"
