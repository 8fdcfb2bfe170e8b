// Painting a gradient: the lines and circles of each kind, the message for
// an unknown kind, targets without pixels, where the colours land on a
// Surface, and the Surface's direct painting against drawing one line or
// circle at a time.
#include "TestSupport.h"
#include "imaging/ColorGradient.h"
#include "imaging/ForwardingPaintTarget.h"
#include "platform/PaintTarget.h"
#include "platform/ScriptedPrompts.h"
#include "platform/Surface.h"

#include <QTest>

#include <climits>
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
    RecordingTarget(double w, double h, double tx = 15, double ty = 15) : m_w(w), m_h(h), m_tx(tx), m_ty(ty) {}

    struct Line {
        double x1, y1, x2, y2;
        OleColor color;
    };
    struct Circle {
        double cx, cy, r;
        OleColor color, fill;
        FillStyle style;
    };
    std::vector<Line> lines;
    std::vector<Circle> circles;
    QStringList events; // state changes and refreshes, in order

    double width() const override { return m_w; }
    double height() const override { return m_h; }
    double twipsPerPixelX() const override { return m_tx; }
    double twipsPerPixelY() const override { return m_ty; }
    void line(double x1, double y1, double x2, double y2, OleColor c) override { lines.push_back({x1, y1, x2, y2, c}); }
    void setFillStyle(FillStyle style) override
    {
        m_style = style;
        events << QStringLiteral("style %1").arg(int(style));
    }
    FillStyle fillStyle() const override { return m_style; }
    void setFillColor(OleColor c) override { m_fill = c; }
    OleColor fillColor() const override { return m_fill; }
    void circle(double cx, double cy, double r, OleColor c) override
    {
        circles.push_back({cx, cy, r, c, m_fill, m_style});
        events << QStringLiteral("circle");
    }
    void setRedraw(bool on) override { events << (on ? QStringLiteral("redraw on") : QStringLiteral("redraw off")); }
    void refresh() override { events << QStringLiteral("refresh"); }

    bool untouched() const { return lines.empty() && circles.empty() && events.isEmpty(); }

private:
    double m_w, m_h, m_tx, m_ty;
    FillStyle m_style = Transparent;
    OleColor m_fill = 0;
};

bool near(OleColor a, OleColor b, int tolerance)
{
    return std::abs(Colors::red(a) - Colors::red(b)) <= tolerance
        && std::abs(Colors::green(a) - Colors::green(b)) <= tolerance
        && std::abs(Colors::blue(a) - Colors::blue(b)) <= tolerance;
}

long long countDifferences(const QImage &a, const QImage &b)
{
    long long n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            n += pixel(a, x, y) != pixel(b, x, y);
    return n;
}

long long countColor(const QImage &image, OleColor color)
{
    long long n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += pixel(image, x, y) == color;
    return n;
}

// A surface cleared to magenta.
void clearTo(Surface &s, OleColor color = Magenta)
{
    s.setBackColor(color);
    s.cls();
}

// Paints stripes over part of the picture, as an effect would.
void scribble(Surface &s)
{
    QImage &image = s.image();
    for (int y = 0; y < image.height(); y += 3)
        for (int x = y % 7; x < image.width(); x += 5)
            image.setPixel(x, y, qRgb(1, 2, 3));
}

} // namespace

class TestGradientPaint : public QObject {
    Q_OBJECT
private slots:
    void linesOfEachKind_data();
    void linesOfEachKind();
    void sizesRoundToWholePixels();
    void unknownKindShowsNope();
    void targetsWithoutPixelsGetNothing();
    void circlesLargestFirstWithUpdatesSuspended();
    void colourPlacementOnSurface_data();
    void colourPlacementOnSurface();
    void surfaceBandsMatchLineByLine_data();
    void surfaceBandsMatchLineByLine();
    void surfaceRingsMatchCircleByCircle();
    void surfaceAnnouncesTheChange();
};

void TestGradientPaint::linesOfEachKind_data()
{
    // A target of 200 x 100 pixels: W 3000, H 1500 twips, half 50.
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("count");
    QTest::addColumn<QList<double>>("first"); // x1, y1, x2, y2
    QTest::addColumn<QList<double>>("last");
    QTest::addColumn<int>("middle"); // index in drawing order of i = PW / 2 (or PH / 2)
    QTest::newRow("0 rising, ascending") << 0 << 301 << QList<double>{0, 0, -1500, 1500}
                                         << QList<double>{4500, 0, 3000, 1500} << 150;
    QTest::newRow("1 horizontal") << 1 << 101 << QList<double>{0, 0, 3000, 0} << QList<double>{0, 1500, 3000, 1500} << 50;
    QTest::newRow("2 falling, descending") << 2 << 301 << QList<double>{3000, 0, 4500, 1500}
                                           << QList<double>{-1500, 0, 0, 1500} << 150;
    QTest::newRow("3 vertical, descending") << 3 << 201 << QList<double>{3000, 0, 3000, 1500}
                                            << QList<double>{0, 0, 0, 1500} << 100;
    QTest::newRow("4 rising, descending") << 4 << 301 << QList<double>{4500, 0, 3000, 1500}
                                          << QList<double>{0, 0, -1500, 1500} << 150;
    QTest::newRow("5 horizontal, ascending up") << 5 << 101 << QList<double>{0, 1500, 3000, 1500}
                                                << QList<double>{0, 0, 3000, 0} << 50;
    QTest::newRow("6 falling, ascending") << 6 << 301 << QList<double>{-1500, 0, 0, 1500}
                                          << QList<double>{3000, 0, 4500, 1500} << 150;
    QTest::newRow("7 vertical") << 7 << 201 << QList<double>{0, 0, 0, 1500} << QList<double>{3000, 0, 3000, 1500} << 100;
}

void TestGradientPaint::linesOfEachKind()
{
    QFETCH(int, kind);
    QFETCH(int, count);
    QFETCH(QList<double>, first);
    QFETCH(QList<double>, last);
    QFETCH(int, middle);
    ColorGradient g = redGreenBlue();
    RecordingTarget t(3000, 1500);
    g.PaintObject(t, kind);
    QCOMPARE(int(t.lines.size()), count);
    QVERIFY(t.circles.empty());
    const auto ends = [](const RecordingTarget::Line &l) { return QList<double>{l.x1, l.y1, l.x2, l.y2}; };
    QCOMPARE(ends(t.lines.front()), first);
    QCOMPARE(ends(t.lines.back()), last);
    // Every kind starts from stop 0 and ends on stop 10 (lines beyond the
    // surface are clamped to the end stops); the middle line is stop 5.
    QCOMPARE(t.lines.front().color, Red);
    QCOMPARE(t.lines.back().color, Blue);
    QCOMPARE(t.lines[size_t(middle)].color, Green);
    // Neighbouring lines are one pixel apart and parallel.
    const double stepX = (last[0] - first[0]) / (count - 1);
    const double stepY = (last[1] - first[1]) / (count - 1);
    QVERIFY(std::abs(stepX) == 15 || std::abs(stepY) == 15);
    for (size_t n = 1; n < t.lines.size(); ++n) {
        const auto &a = t.lines[n - 1];
        const auto &b = t.lines[n];
        QCOMPARE(b.x1 - a.x1, stepX);
        QCOMPARE(b.y1 - a.y1, stepY);
        QCOMPARE(b.x2 - b.x1, first[2] - first[0]);
        QCOMPARE(b.y2 - b.y1, first[3] - first[1]);
    }
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
    RecordingTarget h(1515.4, 1004.6);
    g.PaintObject(h, 1);
    QCOMPARE(int(h.lines.size()), 68);
    QCOMPARE(h.lines.back().x2, 1515.0);
    QCOMPARE(h.lines.back().y1, 67.0 * 15);

    // PH 69: half 34.5 -> 34, the even neighbour.
    RecordingTarget odd(300, 1035);
    g.PaintObject(odd, 6);
    QCOMPARE(int(odd.lines.size()), 20 + 2 * 34 + 1);
    QCOMPARE(odd.lines.front().x1, -68.0 * 15);

    // A printer's resolution: one line per pixel of the surface.
    RecordingTarget fine(4762.8, 3061.8, 2.4, 2.4);
    g.PaintObject(fine, 1);
    QCOMPARE(int(fine.lines.size()), 1276 + 1); // 1275.75 pixels high
    QCOMPARE(fine.lines[1].y1, 2.4);
}

void TestGradientPaint::unknownKindShowsNope()
{
    ColorGradient g;
    ScriptedPrompts prompts;
    g.setPrompts(&prompts);
    for (int kind : {9, -1, INT_MAX, INT_MIN}) {
        RecordingTarget t(3000, 1500);
        g.PaintObject(t, kind);
        QVERIFY(t.untouched());
    }
    QCOMPARE(int(prompts.messages.size()), 4);
    for (const auto &m : prompts.messages) {
        QCOMPARE(m.text, QStringLiteral("Nope"));
        QCOMPARE(m.style, int(Msg::OkOnly));
        QCOMPARE(m.title, QStringLiteral("Brivadune"));
    }
    // Without prompts: no message, still nothing drawn.
    g.setPrompts(nullptr);
    RecordingTarget t(3000, 1500);
    g.PaintObject(t, 9);
    QVERIFY(t.untouched());
    QCOMPARE(int(prompts.messages.size()), 4);
}

void TestGradientPaint::targetsWithoutPixelsGetNothing()
{
    ColorGradient g;
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::nan("");
    const QList<QList<double>> targets = {
        {0, 1500, 15}, {3000, 0, 15}, {0, 0, 15}, {7, 7, 15}, {-3000, 1500, 15}, {nan, 1500, 15},
        {3000, inf, 15}, {3000, 1500, 0}, {3000, 1500, -15}, {3000, 1500, nan}, {1e30, 1500, 15},
    };
    for (const auto &d : targets) {
        for (int kind = 0; kind <= 8; ++kind) {
            RecordingTarget t(d[0], d[1], d[2], d[2]);
            g.PaintObject(t, kind);
            QVERIFY2(t.untouched(), qPrintable(QStringLiteral("%1 x %2 at %3, kind %4").arg(d[0]).arg(d[1]).arg(d[2]).arg(kind)));
        }
    }
    // Pixels but a half-diagonal that rounds to 0 (1 x 1 twips, 4 x 4
    // pixels): the bands are drawn, the circular kind draws nothing and ends.
    RecordingTarget tiny(1, 1, 0.25, 0.25);
    g.PaintObject(tiny, 8);
    QVERIFY(tiny.untouched());
    g.PaintObject(tiny, 1);
    QCOMPARE(int(tiny.lines.size()), 5);

    // Surfaces without a picture.
    for (int kind = 0; kind <= 8; ++kind) {
        Surface s(4, 4);
        g.PaintObject(s, kind);
        QVERIFY(s.image().isNull());
    }
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
        QCOMPARE(c[n].cx, 1500.0);
        QCOMPARE(c[n].cy, 750.0);
        QCOMPARE(c[n].color, c[n].fill); // outline in the fill colour
        QCOMPARE(c[n].style, PaintTarget::Solid);
        if (n > 0)
            QVERIFY(c[n].r < c[n - 1].r);
    }
    QCOMPARE(c.front().color, Blue);     // the corners: stop 10
    QCOMPARE(c[100].color, Green);       // half way: stop 5
    QVERIFY(near(c.back().color, Red, 4)); // the centre: stop 0, or within a step of it
    // Screen updates held for the whole loop, resumed once at the end.
    QCOMPARE(t.events.mid(0, 3), (QStringList{QStringLiteral("style 0"), QStringLiteral("redraw off"), QStringLiteral("circle")}));
    QCOMPARE(t.events.mid(t.events.size() - 3),
             (QStringList{QStringLiteral("refresh"), QStringLiteral("redraw on"), QStringLiteral("refresh")}));
    QCOMPARE(t.events.count(QStringLiteral("redraw off")), 1);
    QCOMPARE(t.events.count(QStringLiteral("refresh")), int(c.size()) + 1);
    // The fill style stays solid and the fill colour is the last one.
    QCOMPARE(t.fillStyle(), PaintTarget::Solid);
    QCOMPARE(t.fillColor(), c.back().color);
}

void TestGradientPaint::colourPlacementOnSurface_data()
{
    // 200 x 100 pixels; where stop 0 (red) and stop 10 (blue) land.
    QTest::addColumn<int>("kind");
    QTest::addColumn<QPoint>("stop0");
    QTest::addColumn<QPoint>("stop10");
    const QPoint left(0, 50), right(199, 50), top(100, 0), bottom(100, 99);
    QTest::newRow("0 left") << 0 << left << right;
    QTest::newRow("1 top") << 1 << top << bottom;
    QTest::newRow("2 right") << 2 << right << left;
    QTest::newRow("3 right") << 3 << right << left;
    QTest::newRow("4 right") << 4 << right << left;
    QTest::newRow("5 bottom") << 5 << bottom << top;
    QTest::newRow("6 left") << 6 << left << right;
    QTest::newRow("7 left") << 7 << left << right;
    QTest::newRow("8 centre") << 8 << QPoint(100, 50) << QPoint(0, 0);
}

void TestGradientPaint::colourPlacementOnSurface()
{
    QFETCH(int, kind);
    QFETCH(QPoint, stop0);
    QFETCH(QPoint, stop10);
    ColorGradient g = redGreenBlue();
    Surface s(3000, 1500);
    clearTo(s);
    g.PaintObject(s, kind);
    const QImage &img = s.image();
    const OleColor at0 = pixel(img, stop0.x(), stop0.y());
    const OleColor at10 = pixel(img, stop10.x(), stop10.y());
    QVERIFY2(near(at0, Red, 16), qPrintable(QString::number(at0, 16)));
    QVERIFY2(near(at10, Blue, 16), qPrintable(QString::number(at10, 16)));
    if (kind != 8)
        QVERIFY(near(pixel(img, 100, 50), Green, 16)); // the middle: stop 5
    QCOMPARE(countColor(img, Magenta), 0LL);           // every pixel painted
    // The straight kinds put exactly stop 0 on their first row or column.
    if (kind == 7 || kind == 1) {
        for (int k = 0; k < (kind == 7 ? 100 : 200); ++k)
            QCOMPARE(pixel(img, kind == 7 ? 0 : k, kind == 7 ? k : 0), Red);
    }
}

void TestGradientPaint::surfaceBandsMatchLineByLine_data()
{
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("height");
    QTest::addColumn<double>("tpp");
    QTest::newRow("grand format, screen") << 4762.8 << 3061.8 << 15.0;
    QTest::newRow("grand format, 600 dpi") << 4762.8 << 3061.8 << 2.4;
    QTest::newRow("odd height, screen") << 1515.0 << 1000.0 << 15.0;
    QTest::newRow("portrait, 7 twips") << 999.0 << 1777.0 << 7.0;
    QTest::newRow("square, 300 dpi") << 1500.0 << 1500.0 << 4.8;
    QTest::newRow("one row") << 300.0 << 15.0 << 15.0;
    QTest::newRow("one column") << 15.0 << 300.0 << 15.0;
}

void TestGradientPaint::surfaceBandsMatchLineByLine()
{
    QFETCH(double, width);
    QFETCH(double, height);
    QFETCH(double, tpp);
    ColorGradient g = redGreenBlue();
    for (int kind = 0; kind <= 7; ++kind) {
        Surface direct(width, height, tpp), oneByOne(width, height, tpp);
        clearTo(direct);
        clearTo(oneByOne);
        g.PaintObject(direct, kind);
        ForwardingPaintTarget forward(oneByOne);
        g.PaintObject(forward, kind);
        const QString what = QStringLiteral("kind %1").arg(kind);
        QVERIFY2(countDifferences(direct.image(), oneByOne.image()) == 0, qPrintable(what));
        // Neighbouring lines leave no gap, even where the picture cuts them.
        QVERIFY2(countColor(direct.image(), Magenta) == 0, qPrintable(what));
        // Painting again over a changed picture gives it back exactly.
        const QImage painted = direct.image().copy();
        scribble(direct);
        g.PaintObject(direct, kind);
        QVERIFY2(direct.image() == painted, qPrintable(what));
    }
}

void TestGradientPaint::surfaceRingsMatchCircleByCircle()
{
    // At 600 dpi the rings are about 6 pixels wide: the direct painting may
    // differ from the drawn circles only on ring edges.
    ColorGradient g = redGreenBlue();
    for (double tpp : {2.4, 15.0}) {
        Surface direct(4762.8, 3061.8, tpp), oneByOne(4762.8, 3061.8, tpp);
        clearTo(direct);
        clearTo(oneByOne);
        g.PaintObject(direct, 8);
        ForwardingPaintTarget forward(oneByOne);
        g.PaintObject(forward, 8);
        QCOMPARE(direct.fillStyle(), oneByOne.fillStyle());
        QCOMPARE(direct.fillColor(), oneByOne.fillColor());

        ColorGradient::Geometry geo;
        QVERIFY(ColorGradient::geometryOf(direct, geo));
        ColorGradient::Circles circles;
        g.circlesOf(geo, circles);
        const double cx = direct.toPixelX(circles.cx), cy = direct.toPixelY(circles.cy);
        // The colours a pixel may take when an edge passes within 1.5 pixels
        // of it: those of the smallest circles covering the points 1.5
        // pixels nearer and farther.
        const auto coverOf = [&](double d) {
            int k = -1;
            for (size_t n = 0; n < circles.list.size(); ++n)
                if (circles.list[n].radius / tpp >= d)
                    k = int(n);
            return k; // -1: outside every circle
        };
        const QImage &a = direct.image();
        const QImage &b = oneByOne.image();
        long long differing = 0;
        for (int y = 0; y < a.height(); ++y) {
            for (int x = 0; x < a.width(); ++x) {
                const OleColor fast = pixel(a, x, y), slow = pixel(b, x, y);
                QVERIFY(fast != Magenta);
                if (fast == slow)
                    continue;
                ++differing;
                const double d = std::hypot(x + 0.5 - cx, y + 0.5 - cy);
                const int outer = coverOf(d + 1.5), inner = coverOf(std::max(0.0, d - 1.5));
                QVERIFY(inner >= 0);
                const auto allowed = [&](OleColor c) {
                    if (outer < 0 && c == Magenta)
                        return true;
                    for (int k = std::max(outer, 0); k <= inner; ++k)
                        if (circles.list[size_t(k)].color == c)
                            return true;
                    return false;
                };
                QVERIFY2(allowed(fast) && allowed(slow),
                         qPrintable(QStringLiteral("(%1, %2) at %3 twips/pixel").arg(x).arg(y).arg(tpp)));
            }
        }
        if (tpp < 3) // a ring's edges are a small part of its width
            QVERIFY2(differing * 20 < qint64(a.width()) * a.height(), qPrintable(QString::number(differing)));

        const QImage painted = a.copy();
        scribble(direct);
        g.PaintObject(direct, 8);
        QVERIFY(direct.image() == painted);
    }
}

void TestGradientPaint::surfaceAnnouncesTheChange()
{
    ColorGradient g;
    for (int kind = 0; kind <= 8; ++kind) {
        Surface s(3000, 1500);
        int changes = 0;
        s.onChanged = [&changes] { ++changes; };
        g.PaintObject(s, kind);
        QVERIFY(changes >= 1);
        if (kind == 8)
            QCOMPARE(changes, 2); // updates resumed, then one refresh
    }
}

QTEST_MAIN(TestGradientPaint)
#include "tst_gradientpaint.moc"
