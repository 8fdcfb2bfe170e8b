// The gradient painter's stop table: refilling, blending, colour at a
// percentage, index and negative-colour rules, the shared instance.
#include "imaging/ColorGradient.h"

#include <QTest>

#include <array>
#include <cmath>

namespace {

OleColor grey(int level)
{
    return Colors::rgb(level, level, level);
}

std::array<OleColor, ColorGradient::StopCount> stopsOf(const ColorGradient &g)
{
    std::array<OleColor, ColorGradient::StopCount> stops{};
    for (int i = 0; i < ColorGradient::StopCount; ++i)
        stops[size_t(i)] = g.GetColor(i);
    return stops;
}

} // namespace

class TestColorGradient : public QObject {
    Q_OBJECT
private slots:
    void freshPainterIsAnEvenGreyRamp();
    void settingStopFiveRefillsBothSides();
    void neighboursEightApartRoundHalfToEven();
    void unsetAndOutOfRangeRules();
    void setColorRGBPacksComponents();
    void blendClampsAndRoundsHalfToEven();
    void colorAtPercentage();
    void sharedInstanceIsOneAndKeepsItsStops();
};

void TestColorGradient::freshPainterIsAnEvenGreyRamp()
{
    const ColorGradient g;
    QCOMPARE(g.GetColor(0), Colors::Black);
    QCOMPARE(g.GetColor(10), Colors::White);
    // 25.5 x i rounded half to even: 25.5 -> 26, 76.5 -> 76, 127.5 -> 128...
    const int levels[] = {0, 26, 51, 76, 102, 128, 153, 178, 204, 230, 255};
    for (int i = 0; i <= 10; ++i)
        QCOMPARE(g.GetColor(i), grey(levels[i]));
    QVERIFY(g.IsSet(0));
    QVERIFY(g.IsSet(10));
    for (int i = 1; i <= 9; ++i)
        QVERIFY(!g.IsSet(i));
}

void TestColorGradient::settingStopFiveRefillsBothSides()
{
    ColorGradient g;
    const OleColor c = Colors::rgb(200, 100, 50);
    g.SetColor(5, c);
    QVERIFY(g.IsSet(5));
    QCOMPARE(g.GetColor(5), c);
    // 20 % of the way from black to c, and from c to white.
    QCOMPARE(g.GetColor(1), Colors::rgb(40, 20, 10));
    QCOMPARE(g.GetColor(4), Colors::rgb(160, 80, 40));
    QCOMPARE(g.GetColor(6), Colors::rgb(211, 131, 91));
    QCOMPARE(g.GetColor(9), Colors::rgb(244, 224, 214));
}

void TestColorGradient::neighboursEightApartRoundHalfToEven()
{
    ColorGradient g;
    // Stops 0 and 8 set, 1 to 7 between them: p = 12.5 -> 12, 25, 37.5 -> 38,
    // 50, 62.5 -> 62, 75, 87.5 -> 88; a grey of 100 shows p itself.
    g.SetColor(8, grey(100));
    const int expected[] = {12, 25, 38, 50, 62, 75, 88};
    for (int k = 1; k <= 7; ++k)
        QCOMPARE(g.GetColor(k), grey(expected[k - 1]));
    // Stop 9 lies between 8 and 10 (50 %).
    QCOMPARE(g.GetColor(9), grey(178)); // 100 + 0.5 x 155 = 177.5 -> 178

    // Every change refills: setting stop 4 splits the span in two.
    g.SetColor(4, grey(0));
    QCOMPARE(g.GetColor(2), grey(0));
    QCOMPARE(g.GetColor(6), grey(50));
}

void TestColorGradient::unsetAndOutOfRangeRules()
{
    ColorGradient g;
    const OleColor c = Colors::rgb(10, 200, 30);
    g.SetColor(5, c);
    g.SetColor(5, -1); // a negative colour unsets the stop
    QVERIFY(!g.IsSet(5));
    QCOMPARE(g.GetColor(5), grey(128));
    QCOMPARE(g.GetColor(1), grey(26));

    g.SetColor(3, c);
    g.UnSetColor(3);
    QVERIFY(!g.IsSet(3));
    QCOMPARE(g.GetColor(3), grey(76));

    const OleColor red = Colors::rgb(255, 0, 0);
    g.SetColor(0, red);
    g.SetColor(7, c);
    const auto before = stopsOf(g);
    g.UnSetColor(0);
    g.UnSetColor(10);
    g.UnSetColor(11);
    g.UnSetColor(-1);
    g.SetColor(0, -1); // ignored for the end stops
    g.SetColor(10, Colors::SystemFlag | 5);
    g.SetColor(11, c);
    g.SetColor(-1, c);
    g.SetColor(100000, c);
    QCOMPARE(stopsOf(g), before);
    QVERIFY(g.IsSet(0));
    QVERIFY(g.IsSet(10));
    QCOMPARE(g.GetColor(0), red);
    QCOMPARE(g.GetColor(11), 0);
    QCOMPARE(g.GetColor(-1), 0);
    QVERIFY(!g.IsSet(11));

    // A value above 16777215 is kept as given; the ramp uses its low 24 bits.
    g.SetColor(7, 0x01FF0000);
    QCOMPARE(g.GetColor(7), 0x01FF0000);
    QCOMPARE(g.GetColor(8), ColorGradient::blend(0xFF0000, Colors::White, 33));
}

void TestColorGradient::setColorRGBPacksComponents()
{
    ColorGradient g;
    g.SetColorRGB(2, 10, 20, 30);
    QCOMPARE(g.GetColor(2), 10 + 256 * 20 + 65536 * 30);
    QVERIFY(g.IsSet(2));
    g.SetColorRGB(2, -1, 0, 0); // negative sum: unsets
    QVERIFY(!g.IsSet(2));
    QCOMPARE(g.GetColor(2), grey(51));
    const auto before = stopsOf(g);
    g.SetColorRGB(4, 32767, 32767, 32767); // does not fit a colour value
    g.SetColorRGB(12, 1, 2, 3);
    QCOMPARE(stopsOf(g), before);
}

void TestColorGradient::blendClampsAndRoundsHalfToEven()
{
    const OleColor a = Colors::rgb(10, 20, 30);
    const OleColor b = Colors::rgb(110, 0, 230);
    QCOMPARE(ColorGradient::blend(a, b, 0), a);
    QCOMPARE(ColorGradient::blend(a, b, 100), b);
    QCOMPARE(ColorGradient::blend(a, b, 150), b);
    QCOMPARE(ColorGradient::blend(a, b, -10), a);
    QCOMPARE(ColorGradient::blend(a, b, 25), Colors::rgb(35, 15, 80));
    // Halves go to the even neighbour, upwards and downwards.
    QCOMPARE(ColorGradient::blend(0, Colors::rgb(1, 3, 5), 50), Colors::rgb(0, 2, 2));
    QCOMPARE(ColorGradient::blend(Colors::rgb(5, 3, 1), 0, 50), Colors::rgb(2, 2, 0));
    QCOMPARE(ColorGradient::blend(a, b, std::nan("")), a);
}

void TestColorGradient::colorAtPercentage()
{
    ColorGradient g;
    const OleColor s9 = Colors::rgb(0, 100, 201);
    const OleColor s10 = Colors::rgb(100, 0, 0);
    g.SetColor(9, s9);
    g.SetColor(10, s10);
    g.SetColor(0, Colors::rgb(7, 8, 9));
    QCOMPARE(g.colorAt(0.0f), Colors::rgb(7, 8, 9));
    QCOMPARE(g.colorAt(-20.0f), Colors::rgb(7, 8, 9));
    QCOMPARE(g.colorAt(100.0f), s10);
    QCOMPARE(g.colorAt(250.0f), s10);
    QCOMPARE(g.colorAt(90.0f), s9);
    // q = 95 blends stops 9 and 10 at 50 % (100.5 -> 100).
    QCOMPARE(g.colorAt(95.0f), Colors::rgb(50, 50, 100));
    // A band starts exactly on its lower stop.
    QCOMPARE(g.colorAt(10.0f), g.GetColor(1));
    QCOMPARE(g.colorAt(50.0f), g.GetColor(5));
    // Inside a band: local percentage (q - 10 lo) x 10, rounded half to even.
    QCOMPARE(g.colorAt(12.5f), ColorGradient::blend(g.GetColor(1), g.GetColor(2), 25));
    // In single precision 33.35 is 33.3499985: t = 33.49998 -> 33.
    QCOMPARE(g.colorAt(33.35f), ColorGradient::blend(g.GetColor(3), g.GetColor(4), 33));
    QCOMPARE(g.colorAt(99.99f), ColorGradient::blend(s9, s10, 100));
}

void TestColorGradient::sharedInstanceIsOneAndKeepsItsStops()
{
    ColorGradient &a = ColorGradient::shared();
    ColorGradient &b = ColorGradient::shared();
    QCOMPARE(&a, &b);
    const auto saved = stopsOf(a);
    a.SetColor(5, Colors::rgb(1, 2, 3));
    QCOMPARE(b.GetColor(5), Colors::rgb(1, 2, 3));
    a.SetColor(5, -1);
    QCOMPARE(b.GetColor(5), saved[5]);
}

QTEST_MAIN(TestColorGradient)
#include "tst_colorgradient.moc"
