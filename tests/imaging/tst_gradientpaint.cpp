// Painting a gradient: the lines and circles of each kind, what draws
// nothing, and the Surface's direct painting against drawing one line or
// circle at a time.
#include "TestSupport.h"
#include "imaging/ColorGradient.h"
#include "imaging/ForwardingPaintTarget.h"
#include "platform/PaintTarget.h"
#include "platform/ScriptedPrompts.h"
#include "platform/Surface.h"

#include <QTest>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

using TestSupport::pixel;

namespace {

const OleColor Red = Colors::rgb(255, 0, 0);
const OleColor Green = Colors::rgb(0, 255, 0);
const OleColor Blue = Colors::rgb(0, 0, 255);
const OleColor Magenta = Colors::rgb(255, 0, 255); // never in the ramp below

ColorGradient redGreenBlue()
{
    ColorGradient g;
    g.SetColor(0, Red);
    g.SetColor(5, Green);
    g.SetColor(10, Blue);
    return g;
}

// Records every drawing call.
class RecordingTarget : public PaintTarget {
public:
    RecordingTarget(double w, double h, double tpp = 15) : m_w(w), m_h(h), m_tpp(tpp) {}
    struct Line { double x1, y1, x2, y2; OleColor color; };
    struct Circle { double cx, cy, r; OleColor color, fill; };
    std::vector<Line> lines;
    std::vector<Circle> circles;
    QStringList events; // fill style, redraw and refresh calls, in order

    double width() const override { return m_w; }
    double height() const override { return m_h; }
    double twipsPerPixelX() const override { return m_tpp; }
    double twipsPerPixelY() const override { return m_tpp; }
    void line(double x1, double y1, double x2, double y2, OleColor c) override { lines.push_back({x1, y1, x2, y2, c}); }
    void setFillStyle(FillStyle style) override
    {
        m_style = style;
        events << QStringLiteral("style %1").arg(int(style));
    }
    FillStyle fillStyle() const override { return m_style; }
    void setFillColor(OleColor c) override { m_fill = c; }
    OleColor fillColor() const override { return m_fill; }
    void circle(double cx, double cy, double r, OleColor c) override { circles.push_back({cx, cy, r, c, m_fill}); }
    void setRedraw(bool on) override { events << (on ? QStringLiteral("redraw on") : QStringLiteral("redraw off")); }
    void refresh() override { events << QStringLiteral("refresh"); }
    bool untouched() const { return lines.empty() && circles.empty() && events.isEmpty(); }

private:
    double m_w, m_h, m_tpp;
    FillStyle m_style = Transparent;
    OleColor m_fill = 0;
};

// Clears two surfaces to magenta and paints one directly, the other through
// its drawing calls one line or circle at a time. Returns how often the
// direct painting announced a change of the picture.
int paintBothWays(const ColorGradient &g, Surface &direct, Surface &oneByOne, int kind)
{
    for (Surface *s : {&direct, &oneByOne}) {
        s->setBackColor(Magenta);
        s->cls();
    }
    ColorGradient painter = g;
    int changes = 0;
    direct.onChanged = [&changes] { ++changes; };
    painter.PaintObject(direct, kind);
    direct.onChanged = nullptr;
    ForwardingPaintTarget forward(oneByOne);
    painter.PaintObject(forward, kind);
    return changes;
}

bool hasColor(const QImage &image, OleColor color)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (pixel(image, x, y) == color)
                return true;
    return false;
}

} // namespace

class TestGradientPaint : public QObject {
    Q_OBJECT
private slots:
    void linesOfEachKind_data();
    void linesOfEachKind();
    void sizesRoundToWholePixels();
    void nothingIsDrawnForUnknownKindsOrWithoutPixels();
    void circlesLargestFirstWithUpdatesSuspended();
    void surfaceBandsMatchLineByLine();
    void surfaceRingsDifferOnlyOnCircleEdges();
};

void TestGradientPaint::linesOfEachKind_data()
{
    // A target of 200 x 100 pixels: W 3000, H 1500 twips, half 50.
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("count");
    QTest::addColumn<QList<double>>("first"); // x1, y1, x2, y2
    QTest::addColumn<QList<double>>("last");
    using L = QList<double>;
    QTest::newRow("0 rising") << 0 << 301 << L{0, 0, -1500, 1500} << L{4500, 0, 3000, 1500};
    QTest::newRow("1 horizontal") << 1 << 101 << L{0, 0, 3000, 0} << L{0, 1500, 3000, 1500};
    QTest::newRow("2 falling, descending") << 2 << 301 << L{3000, 0, 4500, 1500} << L{-1500, 0, 0, 1500};
    QTest::newRow("3 vertical, descending") << 3 << 201 << L{3000, 0, 3000, 1500} << L{0, 0, 0, 1500};
    QTest::newRow("4 rising, descending") << 4 << 301 << L{4500, 0, 3000, 1500} << L{0, 0, -1500, 1500};
    QTest::newRow("5 horizontal, upwards") << 5 << 101 << L{0, 1500, 3000, 1500} << L{0, 0, 3000, 0};
    QTest::newRow("6 falling") << 6 << 301 << L{-1500, 0, 0, 1500} << L{3000, 0, 4500, 1500};
    QTest::newRow("7 vertical") << 7 << 201 << L{0, 0, 0, 1500} << L{3000, 0, 3000, 1500};
}

void TestGradientPaint::linesOfEachKind()
{
    QFETCH(int, kind);
    QFETCH(int, count);
    QFETCH(QList<double>, first);
    QFETCH(QList<double>, last);
    ColorGradient g = redGreenBlue();
    RecordingTarget t(3000, 1500);
    g.PaintObject(t, kind);
    QCOMPARE(int(t.lines.size()), count);
    QVERIFY(t.circles.empty());
    const auto ends = [](const RecordingTarget::Line &l) { return QList<double>{l.x1, l.y1, l.x2, l.y2}; };
    QCOMPARE(ends(t.lines.front()), first);
    QCOMPARE(ends(t.lines.back()), last);
    // Stop 0 first, stop 10 last (lines beyond the surface are clamped to
    // the end stops), stop 5 in the middle.
    QCOMPARE(t.lines.front().color, Red);
    QCOMPARE(t.lines.back().color, Blue);
    QCOMPARE(t.lines[size_t(count / 2)].color, Green);
}

void TestGradientPaint::sizesRoundToWholePixels()
{
    ColorGradient g;
    // 1515.4 x 1004.6 twips: W 1515, H 1005, PW 101, PH 67, half 33.5 -> 34.
    RecordingTarget t(1515.4, 1004.6);
    g.PaintObject(t, 0);
    QCOMPARE(int(t.lines.size()), 101 + 2 * 34 + 1);
    QCOMPARE(t.lines.front().x2, -68.0 * 15);
    QCOMPARE(t.lines.front().y2, 1005.0);
    // PH 69: half 34.5 -> 34, the even neighbour.
    RecordingTarget odd(300, 1035);
    g.PaintObject(odd, 6);
    QCOMPARE(int(odd.lines.size()), 20 + 2 * 34 + 1);
}

void TestGradientPaint::nothingIsDrawnForUnknownKindsOrWithoutPixels()
{
    ColorGradient g;
    ScriptedPrompts prompts;
    g.setPrompts(&prompts);
    for (int kind : {9, -1}) {
        RecordingTarget t(3000, 1500);
        g.PaintObject(t, kind);
        QVERIFY(t.untouched());
    }
    QCOMPARE(int(prompts.messages.size()), 2);
    QCOMPARE(prompts.messages.back().text, QStringLiteral("Nope"));
    QCOMPARE(prompts.messages.back().style, int(Msg::OkOnly));
    QCOMPARE(prompts.messages.back().title, QStringLiteral("Brivadune"));

    // Width, height, twips per pixel of targets without a pixel to paint.
    const double nan = std::nan(""), inf = std::numeric_limits<double>::infinity();
    const QList<QList<double>> targets = {{0, 1500, 15}, {3000, 0, 15}, {7, 7, 15}, {-3000, 1500, 15},
                                          {nan, 1500, 15}, {3000, inf, 15}, {3000, 1500, 0}, {1e30, 1500, 15}};
    for (const auto &d : targets) {
        for (int kind = 0; kind <= 8; ++kind) {
            RecordingTarget t(d[0], d[1], d[2]);
            g.PaintObject(t, kind);
            QVERIFY2(t.untouched(), qPrintable(QStringLiteral("%1 x %2 at %3, kind %4").arg(d[0]).arg(d[1]).arg(d[2]).arg(kind)));
        }
    }
    // Pixels, but a half-diagonal that rounds to 0: bands, no circles.
    RecordingTarget tiny(1, 1, 0.25);
    g.PaintObject(tiny, 8);
    QVERIFY(tiny.untouched());
    g.PaintObject(tiny, 1);
    QCOMPARE(int(tiny.lines.size()), 5);
    Surface empty(4, 4); // no picture
    g.PaintObject(empty, 0);
    g.PaintObject(empty, 8);
    QVERIFY(empty.image().isNull());
}

void TestGradientPaint::circlesLargestFirstWithUpdatesSuspended()
{
    ColorGradient g = redGreenBlue();
    RecordingTarget t(3000, 1500);
    g.PaintObject(t, 8);
    QVERIFY(t.lines.empty());
    const auto &c = t.circles;
    QVERIFY2(c.size() >= 200 && c.size() <= 202, qPrintable(QString::number(c.size())));
    // Half-diagonal: sqrt(1500^2 + 750^2) = 1677.05 -> 1677.
    QCOMPARE(c.front().r, 1677.0);
    QVERIFY(c.back().r >= 0 && c.back().r < 1677.0 / 200);
    for (size_t n = 0; n < c.size(); ++n) {
        QCOMPARE(QPointF(c[n].cx, c[n].cy), QPointF(1500, 750));
        QCOMPARE(c[n].color, c[n].fill); // outline in the fill colour
        QVERIFY(n == 0 || c[n].r < c[n - 1].r);
    }
    QCOMPARE(c.front().color, Blue); // the corners: stop 10
    QCOMPARE(c[100].color, Green);   // half way: stop 5
    // Solid fill, screen updates held for the whole loop and resumed at the end.
    QCOMPARE(t.events.mid(0, 2), (QStringList{QStringLiteral("style 0"), QStringLiteral("redraw off")}));
    QCOMPARE(t.events.mid(t.events.size() - 2), (QStringList{QStringLiteral("redraw on"), QStringLiteral("refresh")}));
}

void TestGradientPaint::surfaceBandsMatchLineByLine()
{
    const ColorGradient g = redGreenBlue();
    // Twips wide, high and per pixel: 600 dpi, an odd height, a single row.
    for (const QList<double> &size : QList<QList<double>>{{4762.8, 3061.8, 2.4}, {1515, 1000, 15}, {300, 15, 15}}) {
        for (int kind = 0; kind <= 7; ++kind) {
            Surface direct(size[0], size[1], size[2]), oneByOne(size[0], size[1], size[2]);
            const int changes = paintBothWays(g, direct, oneByOne, kind);
            const QString what = QStringLiteral("%1 x %2, kind %3").arg(size[0]).arg(size[1]).arg(kind);
            QVERIFY2(direct.image() == oneByOne.image(), qPrintable(what));
            QVERIFY2(changes >= 1, qPrintable(what)); // the screen hears of it
            // Neighbouring lines leave no gap, even where the picture cuts them.
            QVERIFY2(!hasColor(direct.image(), Magenta), qPrintable(what));
        }
    }
}

void TestGradientPaint::surfaceRingsDifferOnlyOnCircleEdges()
{
    const ColorGradient g = redGreenBlue();
    for (double tpp : {2.4, 15.0}) {
        Surface direct(4762.8, 3061.8, tpp), oneByOne(4762.8, 3061.8, tpp);
        QCOMPARE(paintBothWays(g, direct, oneByOne, 8), 2); // updates resumed, one refresh
        QCOMPARE(direct.fillColor(), oneByOne.fillColor());
        ColorGradient::Geometry geo;
        QVERIFY(ColorGradient::geometryOf(direct, geo));
        ColorGradient::Circles circles;
        g.circlesOf(geo, circles);
        const double cx = direct.toPixelX(circles.cx), cy = direct.toPixelY(circles.cy);
        // The smallest circle covering a distance (pixels) from the centre; -1: none.
        const auto coverOf = [&](double d) {
            int k = -1;
            for (size_t n = 0; n < circles.list.size(); ++n)
                k = circles.list[n].radius / tpp >= d ? int(n) : k;
            return k;
        };
        long long differing = 0;
        for (int y = 0; y < direct.pixelHeight(); ++y) {
            for (int x = 0; x < direct.pixelWidth(); ++x) {
                const OleColor fast = pixel(direct.image(), x, y), slow = pixel(oneByOne.image(), x, y);
                QVERIFY(fast != Magenta);
                if (fast == slow)
                    continue;
                ++differing;
                // Each may take the colour of any circle whose edge passes
                // within 1.5 pixels.
                const double d = std::hypot(x + 0.5 - cx, y + 0.5 - cy);
                const int outer = coverOf(d + 1.5), inner = coverOf(std::max(0.0, d - 1.5));
                const auto allowed = [&](OleColor c) {
                    bool ok = outer < 0 && c == Magenta;
                    for (int k = std::max(outer, 0); k <= inner; ++k)
                        ok = ok || circles.list[size_t(k)].color == c;
                    return ok;
                };
                QVERIFY2(allowed(fast) && allowed(slow), qPrintable(QStringLiteral("(%1, %2) at %3").arg(x).arg(y).arg(tpp)));
            }
        }
        if (tpp < 3) // at 600 dpi a ring's edges are a small part of its width
            QVERIFY2(differing * 20 < qint64(direct.pixelWidth()) * direct.pixelHeight(), qPrintable(QString::number(differing)));
    }
}

QTEST_MAIN(TestGradientPaint)
#include "tst_gradientpaint.moc"
