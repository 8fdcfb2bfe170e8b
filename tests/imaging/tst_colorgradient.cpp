// The gradient painter's stop table: the fresh ramp, refilling between set
// stops, the unset and index rules, blending and the colour at a percentage.
#include "imaging/ColorGradient.h"

#include <QTest>

#include <cmath>

namespace {

OleColor grey(int level)
{
    return Colors::rgb(level, level, level);
}

QList<OleColor> stopsOf(const ColorGradient &g)
{
    QList<OleColor> stops;
    for (int i = 0; i < ColorGradient::StopCount; ++i)
        stops << g.GetColor(i);
    return stops;
}

} // namespace

class TestColorGradient : public QObject {
    Q_OBJECT
private slots:
    void freshPainterIsAnEvenGreyRamp();
    void setStopsRefillTheirNeighbours();
    void unsetAndOutOfRangeRules();
    void blendAndColorAtRoundHalfToEven();
};

void TestColorGradient::freshPainterIsAnEvenGreyRamp()
{
    const ColorGradient g;
    // 25.5 x i rounded half to even: 25.5 -> 26, 76.5 -> 76, 127.5 -> 128...
    const int levels[] = {0, 26, 51, 76, 102, 128, 153, 178, 204, 230, 255};
    for (int i = 0; i <= 10; ++i) {
        QCOMPARE(g.GetColor(i), grey(levels[i]));
        QCOMPARE(g.IsSet(i), i == 0 || i == 10);
    }
}

void TestColorGradient::setStopsRefillTheirNeighbours()
{
    ColorGradient g;
    // Stops 0 and 8 set, 1 to 7 between them: p = 12.5 -> 12, 25, 37.5 -> 38,
    // 50, 62.5 -> 62, 75, 87.5 -> 88; a grey of 100 shows p itself.
    g.SetColor(8, grey(100));
    const int expected[] = {12, 25, 38, 50, 62, 75, 88};
    for (int k = 1; k <= 7; ++k)
        QCOMPARE(g.GetColor(k), grey(expected[k - 1]));
    QCOMPARE(g.GetColor(9), grey(178)); // 100 + 0.5 x 155 = 177.5 -> 178

    // Every change refills, component by component: stop 4 splits the span.
    g.SetColor(4, Colors::rgb(200, 100, 50));
    QCOMPARE(g.GetColor(2), Colors::rgb(100, 50, 25));
    QCOMPARE(g.GetColor(6), Colors::rgb(150, 100, 75));
}

void TestColorGradient::unsetAndOutOfRangeRules()
{
    ColorGradient g;
    const OleColor c = Colors::rgb(10, 200, 30);
    g.SetColor(5, c);
    g.SetColor(5, -1); // a negative colour unsets the stop
    QVERIFY(!g.IsSet(5));
    QCOMPARE(g.GetColor(5), grey(128));
    g.SetColorRGB(3, 10, 20, 30);
    QCOMPARE(g.GetColor(3), 10 + 256 * 20 + 65536 * 30);
    g.UnSetColor(3);
    QCOMPARE(g.GetColor(3), grey(76));

    const OleColor red = Colors::rgb(255, 0, 0);
    g.SetColor(0, red);
    g.SetColor(7, c);
    const auto before = stopsOf(g);
    g.UnSetColor(0); // ignored for the end stops
    g.SetColor(10, -1);
    g.UnSetColor(11);
    g.SetColor(11, c);
    g.SetColor(-1, c);
    g.SetColorRGB(4, 32767, 32767, 32767); // does not fit a colour value
    QCOMPARE(stopsOf(g), before);
    QVERIFY(g.IsSet(0) && g.IsSet(10) && !g.IsSet(11));
    QCOMPARE(g.GetColor(11) | g.GetColor(-1), 0);

    // A value above 16777215 is kept as given; the ramp uses its low 24 bits.
    g.SetColor(7, 0x01FF0000);
    QCOMPARE(g.GetColor(7), 0x01FF0000);
    QCOMPARE(g.GetColor(8), ColorGradient::blend(0xFF0000, Colors::White, 33));
}

void TestColorGradient::blendAndColorAtRoundHalfToEven()
{
    const OleColor a = Colors::rgb(10, 20, 30);
    const OleColor b = Colors::rgb(110, 0, 230);
    QCOMPARE(ColorGradient::blend(a, b, 25), Colors::rgb(35, 15, 80));
    QCOMPARE(ColorGradient::blend(a, b, 150), b);
    QCOMPARE(ColorGradient::blend(a, b, -10), a);
    QCOMPARE(ColorGradient::blend(a, b, std::nan("")), a);
    // 0.5 -> 0, 1.5 -> 2, 2.5 -> 2.
    QCOMPARE(ColorGradient::blend(0, Colors::rgb(1, 3, 5), 50), Colors::rgb(0, 2, 2));

    ColorGradient g;
    const OleColor s0 = Colors::rgb(7, 8, 9);
    const OleColor s9 = Colors::rgb(0, 100, 201);
    const OleColor s10 = Colors::rgb(100, 0, 0);
    g.SetColor(0, s0);
    g.SetColor(9, s9);
    g.SetColor(10, s10);
    QCOMPARE(g.colorAt(-20.0f), s0);
    QCOMPARE(g.colorAt(250.0f), s10);
    QCOMPARE(g.colorAt(90.0f), s9);
    // q = 95 blends stops 9 and 10 at 50 % (100.5 -> 100).
    QCOMPARE(g.colorAt(95.0f), Colors::rgb(50, 50, 100));
    // In single precision 33.35 is 33.3499985: t = 33.49998 -> 33.
    QCOMPARE(g.colorAt(33.35f), ColorGradient::blend(g.GetColor(3), g.GetColor(4), 33));
}

QTEST_MAIN(TestColorGradient)
#include "tst_colorgradient.moc"
