// The gradient: stop table, colour at a percentage, lines and circles of
// each kind, and the Surface's direct painting against one line at a time.
#include "TestSupport.h"
#include "imaging/ColorGradient.h"
#include "imaging/ForwardingPaintTarget.h"
#include "platform/PaintTarget.h"
#include "platform/ScriptedPrompts.h"
#include "platform/Surface.h"

#include <QTest>

#include <cmath>
#include <limits>
#include <vector>

using TestSupport::pixel;

namespace {

const OleColor Red = Colors::rgb(255, 0, 0);
const OleColor Green = Colors::rgb(0, 255, 0);
const OleColor Blue = Colors::rgb(0, 0, 255);
const OleColor Magenta = Colors::rgb(255, 0, 255); // never in the ramp below

OleColor grey(int level) { return Colors::rgb(level, level, level); }

ColorGradient redGreenBlue()
{
    ColorGradient g;
    g.SetColor(0, Red);
    g.SetColor(5, Green);
    g.SetColor(10, Blue);
    return g;
}

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
    void setFillStyle(FillStyle style) override { events << QStringLiteral("style %1").arg(int(m_style = style)); }
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

// Paints two magenta surfaces, directly and one call at a time; returns the
// direct painting's announced changes.
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

int count(const QImage &image, OleColor color)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += pixel(image, x, y) == color;
    return n;
}

} // namespace

class TestColorGradient : public QObject {
    Q_OBJECT

private slots:
    void stopTable();
    void colorAtRoundsHalfToEven();
    void linesOfEachKind_data();
    void linesOfEachKind();
    void nothingIsDrawnForUnknownKindsOrWithoutPixels();
    void circlesLargestFirstWithUpdatesSuspended();
    void surfacePaintingMatchesLineByLine();
};

void TestColorGradient::stopTable()
{
    ColorGradient g;
    const int levels[] = {0, 26, 51, 76, 102, 128, 153, 178, 204, 230, 255};
    for (int i = 0; i <= 10; ++i)
        QVERIFY(g.GetColor(i) == grey(levels[i]) && g.IsSet(i) == (i == 0 || i == 10));
    g.SetColor(8, grey(100));
    const int between[] = {12, 25, 38, 50, 62, 75, 88, 100, 178};
    for (int k = 1; k <= 9; ++k)
        QCOMPARE(g.GetColor(k), grey(between[k - 1]));
    g.SetColor(4, Colors::rgb(200, 100, 50));
    QVERIFY(g.GetColor(2) == Colors::rgb(100, 50, 25) && g.GetColor(6) == Colors::rgb(150, 100, 75));

    g = ColorGradient();
    g.SetColor(5, Red);
    g.SetColor(5, -1);
    g.UnSetColor(0);
    g.SetColor(11, Red);
    g.SetColorRGB(4, 32767, 32767, 32767);
    QVERIFY(!g.IsSet(5) && g.GetColor(5) == grey(128) && g.IsSet(0) && g.GetColor(4) == grey(102) && !g.GetColor(11));
    g.SetColor(7, 0x01FF0000);
    QVERIFY(g.GetColor(7) == 0x01FF0000 && g.GetColor(8) == Colors::rgb(84, 84, 255));
}

void TestColorGradient::colorAtRoundsHalfToEven()
{
    ColorGradient g;
    const OleColor a = Colors::rgb(10, 20, 30), b = Colors::rgb(110, 0, 230);
    g.SetColor(0, a);
    g.SetColor(1, b);
    QCOMPARE(g.colorAt(2.5f), Colors::rgb(35, 15, 80));
    QVERIFY(g.colorAt(-20.0f) == a && g.colorAt(std::nanf("")) == a);
    g.SetColor(0, 0);
    g.SetColor(1, Colors::rgb(1, 3, 5));
    QCOMPARE(g.colorAt(5.0f), Colors::rgb(0, 2, 2));
    g.SetColor(9, Colors::rgb(0, 100, 201));
    g.SetColor(10, Colors::rgb(100, 0, 0));
    QVERIFY(g.colorAt(250.0f) == Colors::rgb(100, 0, 0) && g.colorAt(90.0f) == Colors::rgb(0, 100, 201));
    QCOMPARE(g.colorAt(95.0f), Colors::rgb(50, 50, 100));
    g.SetColor(3, Colors::rgb(0, 0, 0));
    g.SetColor(4, Colors::rgb(200, 200, 200));
    QCOMPARE(g.colorAt(33.35f), grey(66));
}

void TestColorGradient::linesOfEachKind_data()
{
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

void TestColorGradient::linesOfEachKind()
{
    QFETCH(int, kind);
    QFETCH(int, count);
    QFETCH(QList<double>, first);
    QFETCH(QList<double>, last);
    ColorGradient g = redGreenBlue();
    RecordingTarget t(3000, 1500);
    g.PaintObject(t, kind);
    QVERIFY(int(t.lines.size()) == count && t.circles.empty());
    const auto ends = [](const RecordingTarget::Line &l) { return QList<double>{l.x1, l.y1, l.x2, l.y2}; };
    QCOMPARE(ends(t.lines.front()), first);
    QCOMPARE(ends(t.lines.back()), last);
    QVERIFY(t.lines.front().color == Red && t.lines.back().color == Blue && t.lines[size_t(count / 2)].color == Green);

    RecordingTarget odd(1515.4, kind == 2 || kind == 6 ? 1035 : 1004.6);
    g.PaintObject(odd, kind);
    const int counts[] = {101 + 2 * 34 + 1, 68, 101 + 2 * 34 + 1, 102};
    QCOMPARE(int(odd.lines.size()), counts[kind % 4]);
}

void TestColorGradient::nothingIsDrawnForUnknownKindsOrWithoutPixels()
{
    ColorGradient g;
    ScriptedPrompts prompts;
    g.setPrompts(&prompts);
    for (int kind : {9, -1}) {
        RecordingTarget t(3000, 1500);
        g.PaintObject(t, kind);
        QVERIFY(t.untouched());
    }
    QVERIFY(prompts.messages.size() == 2 && prompts.messages.back().text == QStringLiteral("Nope"));
    RecordingTarget flat(3000, 0), nan(std::nan(""), 1500), huge(1e30, 1500);
    for (RecordingTarget *target : {&flat, &nan, &huge}) {
        g.PaintObject(*target, 1);
        g.PaintObject(*target, 8);
        QVERIFY(target->untouched());
    }
}

void TestColorGradient::circlesLargestFirstWithUpdatesSuspended()
{
    ColorGradient g = redGreenBlue();
    RecordingTarget t(3000, 1500);
    g.PaintObject(t, 8);
    const auto &c = t.circles;
    QVERIFY2(t.lines.empty() && c.size() >= 200 && c.size() <= 202, qPrintable(QString::number(c.size())));
    QCOMPARE(c.front().r, 1677.0);
    QVERIFY(c.back().r >= 0 && c.back().r < 1677.0 / 200);
    for (size_t n = 0; n < c.size(); ++n) // centred, the outline in the fill colour
        QVERIFY(c[n].cx == 1500 && c[n].cy == 750 && c[n].color == c[n].fill && (n == 0 || c[n].r < c[n - 1].r));
    QVERIFY(c.front().color == Blue && c[100].color == Green); // corners: stop 10; half way: stop 5
    QCOMPARE(t.events.mid(0, 2), (QStringList{QStringLiteral("style 0"), QStringLiteral("redraw off")}));
    QCOMPARE(t.events.mid(t.events.size() - 2), (QStringList{QStringLiteral("redraw on"), QStringLiteral("refresh")}));
}

void TestColorGradient::surfacePaintingMatchesLineByLine()
{
    const ColorGradient g = redGreenBlue();
    for (const QList<double> &size : QList<QList<double>>{{4762.8, 3061.8, 2.4}, {1515, 1000, 15}, {300, 15, 15}}) {
        for (int kind = 0; kind <= 8; ++kind) {
            Surface direct(size[0], size[1], size[2]), oneByOne(size[0], size[1], size[2]);
            const int changes = paintBothWays(g, direct, oneByOne, kind);
            const QString what = QStringLiteral("%1 x %2, kind %3").arg(size[0]).arg(size[1]).arg(kind);
            QVERIFY2(count(direct.image(), Magenta) == 0 && changes >= 1, qPrintable(what));
            if (kind < 8) {
                QVERIFY2(direct.image() == oneByOne.image(), qPrintable(what));
                continue;
            }
            int differing = 0;
            for (int y = 0; y < direct.pixelHeight(); ++y)
                for (int x = 0; x < direct.pixelWidth(); ++x)
                    differing += pixel(direct.image(), x, y) != pixel(oneByOne.image(), x, y);
            if (size[2] < 3)
                QVERIFY2(differing * 20 < direct.pixelWidth() * direct.pixelHeight(), qPrintable(what));
        }
    }
}

QTEST_MAIN(TestColorGradient)
#include "tst_colorgradient.moc"
