#include "platform/TextConv.h"

#include "TestSupport.h"

#include <QtTest>

#include <limits>

using namespace Qt::StringLiterals;

class TestTextConv : public QObject {
    Q_OBJECT

private slots:
    void booleansAndNumbers();
    void singles();
    void roundingAndRanges();
    void formats();
};

void TestTextConv::booleansAndNumbers()
{
    QCOMPARE(TextConv::fromBool(true), u"Vrai"_s);
    QCOMPARE(TextConv::fromBool(false), u"Faux"_s);
    for (const QString &t : {u"VRAI"_s, u"  true "_s, u"-1"_s, u"0,5"_s})
        QVERIFY2(TextConv::toBool(t) == std::optional<bool>(true), qPrintable(t));
    for (const QString &t : {u"faux"_s, u"False"_s, u"0"_s})
        QVERIFY2(TextConv::toBool(t) == std::optional<bool>(false), qPrintable(t));
    for (const QString &t : {QString(), u"Vraiment"_s})
        QVERIFY2(!TextConv::toBool(t), qPrintable(t));

    // A comma or a point; blanks around allowed; anything else is no number.
    const std::pair<QString, double> valid[] = {
        {u"4762,8"_s, 4762.8}, {u" -4762.8 "_s, -4762.8}, {u",5"_s, 0.5}, {u"1,5E+03"_s, 1500}};
    for (const auto &[text, value] : valid)
        QVERIFY2(TextConv::toNumber(text) == std::optional<double>(value), qPrintable(text));
    for (const QString &t : {QString(), u"1,2,3"_s, u"12px"_s, u"-"_s, u"inf"_s, u"1e999"_s})
        QVERIFY2(!TextConv::toNumber(t), qPrintable(t));
}

void TestTextConv::singles()
{
    QCOMPARE(TextConv::fromSingle(float(8.4 * 567)), u"4762,8"_s);
    QCOMPARE(TextConv::fromSingle(-0.f), u"0"_s);
    QCOMPARE(TextConv::fromSingle(1.f / 3.f), u"0,3333333"_s); // seven digits at most
    QCOMPARE(TextConv::fromSingle(0.00015f), u"0,00015"_s);
    QCOMPARE(TextConv::fromSingle(1234567.f), u"1234567"_s);
    QCOMPARE(TextConv::fromSingle(std::numeric_limits<float>::quiet_NaN()), u"0"_s);
    // What is written reads back as the same single.
    for (float v : {4762.8f, 99999.99f, 3061.35f, 0.015f, 1.1f})
        QCOMPARE(float(TextConv::toNumber(TextConv::fromSingle(v)).value_or(-1)), v);
}

void TestTextConv::roundingAndRanges()
{
    const double halves[][2] = {{0.5, 0}, {1.5, 2}, {2.5, 2}, {-2.5, -2}, {-3.5, -4}, {2.5000001, 3}};
    for (const auto &h : halves)
        QCOMPARE(TextConv::roundHalfEven(h[0]), h[1]);

    // Rounding happens before the range check.
    using Byte = std::optional<std::uint8_t>;
    QCOMPARE(TextConv::toByte(255.0), Byte(255));
    QCOMPARE(TextConv::toByte(255.5), Byte());
    QCOMPARE(TextConv::toByte(-0.5), Byte(0));
    QCOMPARE(TextConv::toByte(std::numeric_limits<double>::quiet_NaN()), Byte());
    QCOMPARE(TextConv::toByte(u" 12 "_s), Byte(12));

    using Int16 = std::optional<std::int16_t>;
    QCOMPARE(TextConv::toInt16(u"32767"_s), Int16(32767));
    QCOMPARE(TextConv::toInt16(u"32768"_s), Int16());
    QCOMPARE(TextConv::toInt16(u"-32769"_s), Int16());
    QCOMPARE(TextConv::toInt16(u"2,5"_s), Int16(2));
    QCOMPARE(TextConv::toInt16(u"3.5"_s), Int16(4));

    // Colours are stored as 32-bit numbers.
    QCOMPARE(TextConv::toInt32(u"-2147483640"_s), std::optional<std::int32_t>(-2147483640));
    QCOMPARE(TextConv::toInt32(u"2147483648"_s), std::optional<std::int32_t>());
}

void TestTextConv::formats()
{
    QCOMPARE(TextConv::format(4770.0 / 567, u"0.00"_s, u','), u"8,41"_s);
    QCOMPARE(TextConv::format(123.456, u"00.00"_s, u','), u"123,46"_s);
    QCOMPARE(TextConv::format(0.125, u"0.00"_s, u','), u"0,13"_s); // halves away from zero
    QCOMPARE(TextConv::format(8.405, u"0.00"_s, u','), u"8,41"_s); // the decimal number written
    QCOMPARE(TextConv::format(-1.25, u"00.00"_s, u','), u"-01,25"_s);
    QCOMPARE(TextConv::format(-0.001, u"0.00"_s, u','), u"0,00"_s);
    QCOMPARE(TextConv::format(7.5, u"0"_s, u','), u"8"_s);
    QCOMPARE(TextConv::format(9.999, u"0.00"_s, u','), u"10,00"_s);
    // The user's decimal separator.
    {
        TestSupport::FrenchLocale french;
        QCOMPARE(TextConv::format(4762.8 / 567, u"0.00"_s), u"8,40"_s);
    }
    QLocale::setDefault(QLocale::c());
    QCOMPARE(TextConv::format(4762.8 / 567, u"0.00"_s), u"8.40"_s);
}

QTEST_MAIN(TestTextConv)
#include "tst_textconv.moc"
