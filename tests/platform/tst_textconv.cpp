#include "platform/TextConv.h"

#include "TestSupport.h"

#include <QtTest>

#include <limits>

class TestTextConv : public QObject {
    Q_OBJECT

private slots:
    void booleans_data();
    void booleans();
    void booleanWords();
    void numbers_data();
    void numbers();
    void singles_data();
    void singles();
    void singlesReadBack();
    void halfEven();
    void ranges();
    void formats_data();
    void formats();
    void formatsUseUserSeparator();
};

void TestTextConv::booleans_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected"); // -1: no value

    QTest::newRow("Vrai") << "Vrai" << 1;
    QTest::newRow("FAUX") << "FAUX" << 0;
    QTest::newRow("true blanks") << "  true " << 1;
    QTest::newRow("False") << "False" << 0;
    QTest::newRow("zero") << "0" << 0;
    QTest::newRow("minus one") << "-1" << 1;
    QTest::newRow("decimal") << "0,5" << 1;
    QTest::newRow("empty") << "" << -1;
    QTest::newRow("word") << "Oui" << -1;
    QTest::newRow("prefix") << "Vraiment" << -1;
}

void TestTextConv::booleans()
{
    QFETCH(QString, text);
    QFETCH(int, expected);
    const std::optional<bool> v = TextConv::toBool(text);
    if (expected < 0) {
        QVERIFY(!v.has_value());
    } else {
        QVERIFY(v.has_value());
        QCOMPARE(*v, expected == 1);
    }
}

void TestTextConv::booleanWords()
{
    QCOMPARE(TextConv::fromBool(true), QStringLiteral("Vrai"));
    QCOMPARE(TextConv::fromBool(false), QStringLiteral("Faux"));
    QCOMPARE(TextConv::toBool(TextConv::fromBool(true)), std::optional<bool>(true));
    QCOMPARE(TextConv::toBool(TextConv::fromBool(false)), std::optional<bool>(false));
}

void TestTextConv::numbers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<double>("expected");

    QTest::newRow("comma") << "4762,8" << true << 4762.8;
    QTest::newRow("point") << "4762.8" << true << 4762.8;
    QTest::newRow("blanks") << " 120 " << true << 120.0;
    QTest::newRow("negative") << "-15" << true << -15.0;
    QTest::newRow("leading sep") << ",5" << true << 0.5;
    QTest::newRow("exponent") << "1,5E+03" << true << 1500.0;
    QTest::newRow("empty") << "" << false << 0.0;
    QTest::newRow("letters") << "abc" << false << 0.0;
    QTest::newRow("two seps") << "1,2,3" << false << 0.0;
    QTest::newRow("trailing junk") << "12px" << false << 0.0;
    QTest::newRow("sign only") << "-" << false << 0.0;
    QTest::newRow("inf") << "inf" << false << 0.0;
    QTest::newRow("nan") << "nan" << false << 0.0;
    QTest::newRow("overflow") << "1e999" << false << 0.0;
}

void TestTextConv::numbers()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(double, expected);
    const std::optional<double> v = TextConv::toNumber(text);
    QCOMPARE(v.has_value(), valid);
    if (valid)
        QCOMPARE(*v, expected);
}

void TestTextConv::singles_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("expected");

    QTest::newRow("4762.8") << 4762.8f << "4762,8";
    QTest::newRow("8.25") << 8.25f << "8,25";
    QTest::newRow("120") << 120.f << "120";
    QTest::newRow("-15") << -15.f << "-15";
    QTest::newRow("zero") << 0.f << "0";
    QTest::newRow("negative zero") << -0.f << "0";
    QTest::newRow("0.1") << 0.1f << "0,1";
    QTest::newRow("third") << 1.f / 3.f << "0,3333333";
    QTest::newRow("small") << 0.00015f << "0,00015";
    QTest::newRow("million") << 1234567.f << "1234567";
    QTest::newRow("card width") << 4770.f << "4770";
    QTest::newRow("twips of 8.4 cm") << float(8.4 * 567) << "4762,8";
}

void TestTextConv::singles()
{
    QFETCH(float, value);
    QFETCH(QString, expected);
    QCOMPARE(TextConv::fromSingle(value), expected);
}

void TestTextConv::singlesReadBack()
{
    // Every value with at most 7 significant digits comes back as the same
    // single, and the text never holds an exponent for card-sized values.
    for (float v : {0.5f, 12.75f, 283.5f, 3061.35f, 13041.f, 0.015f, 99999.99f, 56.7f, 1.1f}) {
        const QString text = TextConv::fromSingle(v);
        QVERIFY2(!text.contains(u'E') && !text.contains(u'.'), qPrintable(text));
        const std::optional<double> back = TextConv::toNumber(text);
        QVERIFY(back.has_value());
        QCOMPARE(float(*back), v);
    }
    QCOMPARE(TextConv::fromSingle(std::numeric_limits<float>::quiet_NaN()), QStringLiteral("0"));
}

void TestTextConv::halfEven()
{
    QCOMPARE(TextConv::roundHalfEven(0.5), 0.0);
    QCOMPARE(TextConv::roundHalfEven(1.5), 2.0);
    QCOMPARE(TextConv::roundHalfEven(2.5), 2.0);
    QCOMPARE(TextConv::roundHalfEven(-2.5), -2.0);
    QCOMPARE(TextConv::roundHalfEven(-3.5), -4.0);
    QCOMPARE(TextConv::roundHalfEven(2.5000001), 3.0);
    QCOMPARE(TextConv::roundHalfEven(-0.4), 0.0);
}

void TestTextConv::ranges()
{
    // 8-bit: rounding happens before the range check.
    QCOMPARE(TextConv::toByte(255.0), std::optional<std::uint8_t>(255));
    QCOMPARE(TextConv::toByte(255.5), std::optional<std::uint8_t>());
    QCOMPARE(TextConv::toByte(254.5), std::optional<std::uint8_t>(254));
    QCOMPARE(TextConv::toByte(-0.5), std::optional<std::uint8_t>(0));
    QCOMPARE(TextConv::toByte(-1.0), std::optional<std::uint8_t>());
    QCOMPARE(TextConv::toByte(QStringLiteral("256")), std::optional<std::uint8_t>());
    QCOMPARE(TextConv::toByte(QStringLiteral(" 12 ")), std::optional<std::uint8_t>(12));
    QCOMPARE(TextConv::toByte(QStringLiteral("")), std::optional<std::uint8_t>());
    QCOMPARE(TextConv::toByte(std::numeric_limits<double>::quiet_NaN()), std::optional<std::uint8_t>());

    // 16-bit.
    QCOMPARE(TextConv::toInt16(QStringLiteral("32767")), std::optional<std::int16_t>(32767));
    QCOMPARE(TextConv::toInt16(QStringLiteral("32768")), std::optional<std::int16_t>());
    QCOMPARE(TextConv::toInt16(QStringLiteral("-32768")), std::optional<std::int16_t>(-32768));
    QCOMPARE(TextConv::toInt16(QStringLiteral("-32769")), std::optional<std::int16_t>());
    QCOMPARE(TextConv::toInt16(QStringLiteral("2,5")), std::optional<std::int16_t>(2));
    QCOMPARE(TextConv::toInt16(QStringLiteral("3.5")), std::optional<std::int16_t>(4));
    QCOMPARE(TextConv::toInt16(QStringLiteral("Vrai")), std::optional<std::int16_t>());

    // 32-bit, as colours are stored.
    QCOMPARE(TextConv::toInt32(QStringLiteral("-2147483640")), std::optional<std::int32_t>(-2147483640));
    QCOMPARE(TextConv::toInt32(QStringLiteral("2147483648")), std::optional<std::int32_t>());
    QCOMPARE(TextConv::toInt32(1e300), std::optional<std::int32_t>());
}

void TestTextConv::formats_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("expected");

    QTest::newRow("card width") << 4770.0 / 567 << "0.00" << "8,41";
    QTest::newRow("8,40") << 4762.8 / 567 << "0.00" << "8,40";
    QTest::newRow("two int digits") << 2.5 << "00.00" << "02,50";
    QTest::newRow("big") << 123.456 << "00.00" << "123,46";
    QTest::newRow("zero") << 0.0 << "00.00" << "00,00";
    QTest::newRow("half away") << 0.125 << "0.00" << "0,13";
    QTest::newRow("decimal half") << 8.405 << "0.00" << "8,41";
    QTest::newRow("negative") << -1.25 << "00.00" << "-01,25";
    QTest::newRow("negative rounds to zero") << -0.001 << "0.00" << "0,00";
    QTest::newRow("no decimals") << 7.5 << "0" << "8";
    QTest::newRow("carry") << 9.999 << "0.00" << "10,00";
}

void TestTextConv::formats()
{
    QFETCH(double, value);
    QFETCH(QString, pattern);
    QFETCH(QString, expected);
    QCOMPARE(TextConv::format(value, pattern, u','), expected);
    QString withPoint = expected;
    withPoint.replace(u',', u'.');
    QCOMPARE(TextConv::format(value, pattern, u'.'), withPoint);
}

void TestTextConv::formatsUseUserSeparator()
{
    {
        TestSupport::FrenchLocale french;
        QCOMPARE(TextConv::userDecimalSeparator(), QChar(u','));
        QCOMPARE(TextConv::format(4762.8 / 567, QStringLiteral("0.00")), QStringLiteral("8,40"));
    }
    QLocale::setDefault(QLocale::c());
    QCOMPARE(TextConv::format(4762.8 / 567, QStringLiteral("0.00")), QStringLiteral("8.40"));
}

QTEST_MAIN(TestTextConv)
#include "tst_textconv.moc"
