#include "settings/decimaltext.h"

#include <QtTest>

#include <climits>
#include <string>

class TestDecimalText : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void parse_data();
    void parse();
    void parseStopsAtTheEndOfTheView();
    void format_data();
    void format();
};

void TestDecimalText::parse_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("parsed");
    QTest::addColumn<int>("value");

    QTest::newRow("digits") << QByteArray("30") << true << 30;
    QTest::newRow("every C blank first") << QByteArray(" \t\n\v\f\r42") << true << 42;
    QTest::newRow("trailing text") << QByteArray("25abc") << true << 25;
    QTest::newRow("minus") << QByteArray("-7") << true << -7;
    QTest::newRow("plus") << QByteArray("+7") << true << 7;
    QTest::newRow("minus zero") << QByteArray("-0") << true << 0;
    QTest::newRow("zero before the rest") << QByteArray("5\0"
                                                        "6",
                                                        3)
                                          << true << 5;
    QTest::newRow("many leading zeros") << QByteArray("0000000000000000000012") << true << 12;
    QTest::newRow("largest int") << QByteArray("2147483647") << true << INT_MAX;
    QTest::newRow("smallest int") << QByteArray("-2147483648") << true << INT_MIN;
    QTest::newRow("empty") << QByteArray() << false << 0;
    QTest::newRow("blanks only") << QByteArray("   ") << false << 0;
    QTest::newRow("letters first") << QByteArray("x1") << false << 0;
    QTest::newRow("sign alone") << QByteArray("-") << false << 0;
    QTest::newRow("two signs") << QByteArray("+-1") << false << 0;
    QTest::newRow("sign then blank") << QByteArray("- 1") << false << 0;
    QTest::newRow("zero byte first") << QByteArray("\0"
                                                   "5",
                                                   2)
                                     << false << 0;
    QTest::newRow("one past the largest") << QByteArray("2147483648") << false << 0;
    QTest::newRow("one below the smallest") << QByteArray("-2147483649") << false << 0;
    QTest::newRow("beyond 64 bits") << QByteArray("123456789012345678901234567890") << false << 0;
}

void TestDecimalText::parse() {
    QFETCH(QByteArray, text);
    QFETCH(bool, parsed);
    QFETCH(int, value);

    const auto result =
        ParseDecimalInt(std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
    QCOMPARE(result.has_value(), parsed);
    if (parsed) {
        QCOMPARE(*result, value);
    }
}

void TestDecimalText::parseStopsAtTheEndOfTheView() {
    const std::string text = "12345";
    QCOMPARE(ParseDecimalInt(std::string_view(text).substr(0, 2)), std::optional<int>(12));
    QVERIFY(!ParseDecimalInt(std::string_view(text).substr(0, 0)).has_value());
}

void TestDecimalText::format_data() {
    QTest::addColumn<int>("value");
    QTest::addColumn<QByteArray>("text");

    QTest::newRow("minus five") << -5 << QByteArray("-5");
    QTest::newRow("zero") << 0 << QByteArray("0");
    QTest::newRow("largest int") << INT_MAX << QByteArray("2147483647");
    QTest::newRow("smallest int") << INT_MIN << QByteArray("-2147483648");
}

void TestDecimalText::format() {
    QFETCH(int, value);
    QFETCH(QByteArray, text);

    QCOMPARE(QByteArray::fromStdString(FormatDecimalInt(value)), text);
}

QTEST_APPLESS_MAIN(TestDecimalText)
#include "tst_decimaltext.moc"
