// Conversions between values and stored texts, encodings and colours.
#include "platform/Colors.h"
#include "platform/Encoding.h"
#include "platform/TextConv.h"

#include "TestSupport.h"

#include <QGuiApplication>
#include <QtTest>

#include <limits>

using namespace Qt::StringLiterals;

class TestTextConv : public QObject {
    Q_OBJECT

private slots:
    void booleansAndNumbers();
    void singles_data();
    void singles();
    void roundingAndRanges();
    void formats();
    void encodings_data();
    void encodings();
    void colours();
};

void TestTextConv::booleansAndNumbers()
{
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
    for (const QString &t : {QString(), u"1,2,3"_s, u"12px"_s, u"-"_s, u"inf"_s, u"1e999"_s, u"1e"_s})
        QVERIFY2(!TextConv::toNumber(t), qPrintable(t));
}

void TestTextConv::singles_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("card width") << float(8.4 * 567) << u"4762,8"_s;
    QTest::newRow("minus zero") << -0.f << u"0"_s;
    QTest::newRow("seven digits at most") << 1.f / 3.f << u"0,3333333"_s;
    QTest::newRow("small") << 0.00015f << u"0,00015"_s;
    QTest::newRow("smallest fixed") << 0.00001f << u"0,00001"_s;
    QTest::newRow("below fixed") << 0.000001f << u"1E-06"_s;
    QTest::newRow("largest fixed") << 1234567.f << u"1234567"_s;
    QTest::newRow("above fixed") << 12345670.f << u"1,234567E+07"_s;
    QTest::newRow("negative") << -3061.35f << u"-3061,35"_s;
    QTest::newRow("not a number") << std::numeric_limits<float>::quiet_NaN() << u"0"_s;
}

void TestTextConv::singles()
{
    QFETCH(float, value);
    QFETCH(QString, text);
    QCOMPARE(TextConv::fromSingle(value), text);
    // What is written reads back as the same single.
    if (!std::isnan(value))
        QCOMPARE(float(TextConv::toNumber(text).value_or(-1)), value == 0 ? 0.f : value);
}

void TestTextConv::roundingAndRanges()
{
    const double halves[][2] = {{0.5, 0}, {1.5, 2}, {2.5, 2}, {-2.5, -2}, {-3.5, -4}, {2.5000001, 3}, {2.4999999, 2}};
    for (const auto &h : halves)
        QCOMPARE(TextConv::roundHalfEven(h[0]), h[1]);

    // Rounding happens before the range check.
    using Int16 = std::optional<std::int16_t>;
    const std::pair<double, Int16> numbers[] = {{32767.4, 32767}, {32767.5, {}}, {-32768.5, -32768},
                                                 {std::numeric_limits<double>::quiet_NaN(), {}}};
    for (const auto &[value, result] : numbers)
        QCOMPARE(TextConv::toInt16(value), result);
    const std::pair<QString, Int16> texts[] = {
        {u" 32767 "_s, 32767}, {u"32768"_s, {}}, {u"-32769"_s, {}}, {u"2,5"_s, 2}, {u"3.5"_s, 4}, {u"x"_s, {}}};
    for (const auto &[text, result] : texts)
        QCOMPARE(TextConv::toInt16(text), result);
    // Colours are stored as 32-bit numbers.
    QCOMPARE(TextConv::toInt32(u"-2147483640"_s), std::optional<std::int32_t>(-2147483640));
    QCOMPARE(TextConv::toInt32(u"2147483648"_s), std::optional<std::int32_t>());
}

void TestTextConv::formats()
{
    // Halves away from zero, of the decimal number written (8.405).
    const std::tuple<double, QString, QString> rows[] = {
        {4770.0 / 567, u"0.00"_s, u"8,41"_s}, {123.456, u"00.00"_s, u"123,46"_s}, {0.125, u"0.00"_s, u"0,13"_s},
        {8.405, u"0.00"_s, u"8,41"_s},        {-1.25, u"00.00"_s, u"-01,25"_s},  {-0.001, u"0.00"_s, u"0,00"_s},
        {7.5, u"0"_s, u"8"_s},                {9.999, u"0.00"_s, u"10,00"_s},
    };
    for (const auto &[value, pattern, text] : rows)
        QCOMPARE(TextConv::format(value, pattern, u','), text);
    // The user's decimal separator.
    {
        TestSupport::FrenchLocale french;
        QCOMPARE(TextConv::format(4762.8 / 567, u"0.00"_s), u"8,40"_s);
    }
    QLocale::setDefault(QLocale::c());
    QCOMPARE(TextConv::format(4762.8 / 567, u"0.00"_s), u"8.40"_s);
}

void TestTextConv::encodings_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("Windows-1252") << u"Café € Œ — ’"_s << QByteArray("Caf\xE9 \x80 \x8C \x97 \x92");
    QTest::newRow("outside Windows-1252") << u"Café Ω"_s << QByteArray("Caf\xC3\xA9 \xCE\xA9");
    // A control character that Windows-1252 replaced by a special has no byte.
    QTest::newRow("replaced control") << u"\u0080"_s << QByteArray("\xC2\x80");
    // Its Windows-1252 bytes C3 A9 would read back as UTF-8 "é".
    QTest::newRow("Windows-1252 that is valid UTF-8") << u"Ã©"_s << QByteArray("\xC3\x83\xC2\xA9");
    // The reader drops one leading mark: a text that starts with one keeps it.
    QTest::newRow("leading byte-order mark") << u"\uFEFFx"_s << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBFx");
    // Bytes that are not UTF-8 (cut at the end too) are Windows-1252, its
    // undefined bytes control characters.
    QTest::newRow("not UTF-8") << u"Ã la \u0081\u009DŸ ab\u00E2\u201A"_s << QByteArray("\xC3 la \x81\x9D\x9F ab\xE2\x82");
}

void TestTextConv::encodings()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(Encoding::encode(text), bytes);
    QCOMPARE(Encoding::decode(bytes), text);
}

void TestTextConv::colours()
{
    const OleColor c = Colors::rgb(0x12, 0x34, 0x56);
    QCOMPARE(c, 0x563412);
    QCOMPARE(QColor(Colors::red(c), Colors::green(c), Colors::blue(c)), QColor(0x12, 0x34, 0x56));
    QCOMPARE(Colors::fromQColor(QColor(0x12, 0x34, 0x56, 0x80)), c); // alpha dropped
    // A label never recoloured keeps the window-text colour: -2147483640.
    QCOMPARE(Colors::system(Colors::WindowText), -2147483640);
    // System colours follow the palette given, or the application's; an
    // index beyond the table still gives a colour.
    QPalette palette;
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(7, 8, 9));
    palette.setColor(QPalette::Button, QColor(1, 2, 3));
    QCOMPARE(Colors::toQColor(Colors::system(Colors::GrayText), palette), QColor(7, 8, 9));
    QGuiApplication::setPalette(palette);
    QCOMPARE(Colors::resolve(Colors::system(Colors::ButtonFace)), Colors::rgb(1, 2, 3));
    QVERIFY(Colors::toQColor(Colors::system(200)).isValid());
}

QTEST_MAIN(TestTextConv)
#include "tst_textconv.moc"
