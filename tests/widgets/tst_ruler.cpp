// The ruler: its scale arithmetic, then the widget checked from its pixels
// (ticks, numbers, the inverted marker, resizing), its unit menu and drags.
#include "TestSupport.h"
#include "widgets/Ruler.h"
#include "widgets/RulerScale.h"

#include <QFontMetricsF>
#include <QMenu>
#include <QSignalSpy>
#include <QtTest>

using TestSupport::pixel;

namespace {

QImage shot(Ruler &ruler)
{
    return ruler.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Columns (rows for a vertical ruler) where two shots differ.
QList<int> changedLines(const QImage &a, const QImage &b, bool horizontal)
{
    QList<int> lines;
    for (int i = 0; i < (horizontal ? a.width() : a.height()); ++i) {
        const QImage line = horizontal ? a.copy(i, 0, 1, a.height()) : a.copy(0, i, a.width(), 1);
        if (line != (horizontal ? b.copy(i, 0, 1, b.height()) : b.copy(0, i, b.width(), 1)))
            lines << i;
    }
    return lines;
}

// First column of `box` holding a pixel other than `back`; -1 if none.
int firstInk(const QImage &img, const QRect &box, OleColor back)
{
    for (int x = box.left(); x <= box.right(); ++x) {
        for (int y = box.top(); y <= box.bottom(); ++y) {
            if (pixel(img, x, y) != back)
                return x;
        }
    }
    return -1;
}

// The default colours once the application's palette exists.
OleColor back() { return Colors::resolve(Ruler::DefaultBackColor); }
OleColor fore() { return Colors::resolve(Ruler::DefaultForeColor); }

} // namespace

class tst_Ruler : public QObject {
    Q_OBJECT

private slots:
    void scaleArithmetic();
    void drawnScale();
    void verticalNumbersHaveNoLeadingBlank();
    void markerInvertsAndRestores();
    void redrawingForgetsTheMarker();
    void menuChecksTheCurrentMode();
    void movableRulerKeepsTheGrabPoint();
};

void tst_Ruler::scaleArithmetic()
{
    // 2 850 twips in centimetres: five whole groups (the fifth starts at
    // 2 337), a tick every 57 twips, numbers 1 to 5 on the tenths, no 0.
    const QList<RulerScale::Tick> cm = RulerScale::ticks(RulerScale::unitTwips(RulerScale::Centimeter), 2850, 300);
    QCOMPARE(cm.size(), 50);
    for (int i = 0; i < cm.size(); ++i) {
        const int n = i % 10 + 1;
        QCOMPARE(cm[i].position, 57.0 * (i + 1));
        QCOMPARE(cm[i].from, n == 10 ? 0.0 : n == 5 ? 150.0 : 237.0);
        QCOMPARE(cm[i].number, n == 10 ? i / 10 + 1 : 0);
    }
    QCOMPARE(RulerScale::ticks(570, 2337, 300).size(), 40); // a group starting at the end is left out

    const QList<RulerScale::Tick> inch = RulerScale::ticks(RulerScale::unitTwips(RulerScale::Inch), 3000, 300);
    QCOMPARE(inch.size(), 20);
    QCOMPARE(inch[19].position, 2880.0);
    QCOMPARE(inch[19].number, 2);
    QCOMPARE(RulerScale::unitTwips(RulerScale::Pixel100), 1500.0);
    QCOMPARE(RulerScale::unitTwips(RulerScale::Twip1000), 1000.0);
    QCOMPARE(RulerScale::unitTwips(4), 0.0);
    QCOMPARE(RulerScale::label(3, true), QStringLiteral(" 3"));
    QCOMPARE(RulerScale::label(3, false), QStringLiteral("3"));

    QVERIFY(RulerScale::ticks(0, 3000, 300).isEmpty());
    QVERIFY(RulerScale::ticks(570, qInf(), 300).isEmpty());
}

void tst_Ruler::drawnScale()
{
    Ruler ruler;
    QCOMPARE(ruler.RulerMode(), 0);
    QCOMPARE(ruler.unitLength(), 570.0);
    QCOMPARE(ruler.BackColor(), OleColor(0x80000018));
    QCOMPARE(ruler.ForeColor(), OleColor(0x80000012));
    ruler.resize(190, 20); // 2850 x 300 twips
    const QImage img = shot(ruler);
    QCOMPARE(firstInk(img, QRect(0, 0, 3, 20), back()), -1); // no tick and no "0" at 0
    QCOMPARE(pixel(img, 3, 14), back()); // 57 twips: short tick, rows 15 to 19
    QCOMPARE(pixel(img, 3, 15), fore());
    QCOMPARE(pixel(img, 19, 9), back()); // 285 twips: half tick, rows 10 to 19
    QCOMPARE(pixel(img, 19, 10), fore());
    for (int x : {38, 76, 114, 152}) { // unit ticks, numbered just after
        QCOMPARE(firstInk(img, QRect(x, 0, 1, 20), fore()), -1);
        QVERIFY(firstInk(img, QRect(x + 1, 0, 10, 12), back()) > x);
    }

    QSignalSpy modeSpy(&ruler, &Ruler::rulerModeChanged);
    ruler.setRulerMode(RulerScale::Twip1000);
    ruler.setRulerMode(7); // not a unit: ignored
    QCOMPARE(ruler.RulerMode(), 3);
    QCOMPARE(modeSpy.size(), 1);
    QCOMPARE(pixel(shot(ruler), 6, 19), fore()); // a tick every 100 twips

    ruler.setForeColor(Colors::rgb(255, 0, 0));
    ruler.setBackColor(Colors::White);
    QCOMPARE(pixel(shot(ruler), 6, 19), Colors::rgb(255, 0, 0));
    QCOMPARE(pixel(shot(ruler), 6, 0), Colors::White);
}

void tst_Ruler::verticalNumbersHaveNoLeadingBlank()
{
    Ruler across;
    across.resize(190, 20);
    Ruler down;
    down.setOrientation(1);
    down.resize(20, 190);
    const QImage a = shot(across);
    const QImage d = shot(down);
    QCOMPARE(pixel(d, 14, 3), back()); // ticks stand on the right edge
    QCOMPARE(pixel(d, 15, 3), fore());

    // "1" after the tick at pixel 38: " 1" from x = 38 across, "1" from
    // x = 0 below it down. The same digit, offset by one blank.
    const int acrossOffset = firstInk(a, QRect(39, 0, 12, 12), back()) - 38;
    const int downOffset = firstInk(d.copy(0, 39, 14, 12), QRect(0, 0, 14, 12), back());
    QVERIFY(downOffset >= 0);
    QImage screen(1, 1, QImage::Format_RGB32);
    screen.setDotsPerMeterX(3780); // 96 dpi: 15 twips per pixel
    screen.setDotsPerMeterY(3780);
    const double blank = QFontMetricsF(across.font(), &screen).horizontalAdvance(u' ');
    QVERIFY(blank >= 1.5);
    QVERIFY(std::abs(acrossOffset - downOffset - blank) <= 1.0);
}

void tst_Ruler::markerInvertsAndRestores()
{
    for (bool horizontal : {true, false}) {
        Ruler ruler;
        ruler.setOrientation(horizontal ? 0 : 1);
        ruler.resize(horizontal ? QSize(190, 20) : QSize(20, 190));
        const QImage clean = shot(ruler);
        auto marked = [&] { return changedLines(clean, shot(ruler), horizontal); };

        ruler.Marquer_Position(600); // pixel 40
        const QImage once = shot(ruler);
        QCOMPARE(marked(), QList<int>({40}));
        const QPoint p = horizontal ? QPoint(40, 7) : QPoint(7, 40);
        QCOMPARE(once.pixel(p) & 0xFFFFFFu, ~clean.pixel(p) & 0xFFFFFFu);
        // Moving it inverts the old line a second time: clean there again.
        ruler.Marquer_Position(900);
        QCOMPARE(marked(), QList<int>({60}));
        ruler.Marquer_Position(900); // the same place keeps it
        QCOMPARE(marked(), QList<int>({60}));
        ruler.Marquer_Position(570); // over a unit tick
        QCOMPARE(marked(), QList<int>({38}));

        // 0 takes it away and leaves nothing; so do the end and NaN.
        ruler.Marquer_Position(0);
        ruler.Marquer_Position(0);
        QCOMPARE(shot(ruler), clean);
        QCOMPARE(ruler.markerPosition(), 0.0);
        ruler.Marquer_Position(10);
        QCOMPARE(marked(), QList<int>({0}));
        ruler.Marquer_Position(99999);
        ruler.Marquer_Position(qQNaN());
        QCOMPARE(shot(ruler), clean);
    }
}

void tst_Ruler::redrawingForgetsTheMarker()
{
    Ruler ruler;
    ruler.resize(190, 20);
    ruler.Marquer_Position(600);
    ruler.resize(250, 20);
    QCOMPARE(ruler.markerPosition(), 0.0);
    Ruler fresh;
    fresh.resize(250, 20);
    const QImage clean = shot(fresh);
    QCOMPARE(shot(ruler), clean);
    ruler.Marquer_Position(900); // erases nothing at the old place
    QCOMPARE(changedLines(clean, shot(ruler), true), QList<int>({60}));
    ruler.setRulerMode(RulerScale::Inch);
    QCOMPARE(ruler.markerPosition(), 0.0);
}

void tst_Ruler::menuChecksTheCurrentMode()
{
    Ruler ruler;
    ruler.resize(190, 20);
    ruler.show();
    QMenu *menu = ruler.modeMenu();
    QCOMPARE(menu->title(), QStringLiteral("Kontext"));
    const QList<QAction *> entries = menu->actions();
    auto state = [&] {
        QStringList s;
        for (QAction *a : entries)
            s << (a->isChecked() ? "[x] " : "[ ] ") + a->text();
        return s;
    };

    QTest::mouseClick(&ruler, Qt::LeftButton, {}, QPoint(50, 10));
    QVERIFY(!menu->isVisible());
    ruler.setRulerMode(RulerScale::Pixel100);
    entries[3]->setChecked(true); // a stale mark
    QTest::mouseClick(&ruler, Qt::RightButton, {}, QPoint(50, 10));
    QTRY_VERIFY(menu->isVisible());
    QCOMPARE(state(), QStringList({"[ ] Centimeter", "[ ] Inch", "[x] Pixel * 100", "[ ] Twip * 1000"}));
    entries[1]->trigger();
    menu->close();
    QCOMPARE(ruler.RulerMode(), 1);
    QCOMPARE(ruler.unitLength(), 1440.0);
}

void tst_Ruler::movableRulerKeepsTheGrabPoint()
{
    QWidget host;
    auto *ruler = new Ruler(&host);
    ruler->setGeometry(20, 30, 190, 20);
    QSignalSpy pressed(ruler, &Ruler::mousePressed);
    QSignalSpy moved(ruler, &Ruler::MouseMoved);

    QTest::mousePress(ruler, Qt::LeftButton, {}, QPoint(50, 10));
    QTest::mouseMove(ruler, QPoint(80, 15));
    QCOMPARE(ruler->pos(), QPoint(20, 30)); // not movable
    QTest::mouseRelease(ruler, Qt::LeftButton, {}, QPoint(80, 15));

    ruler->setMovable(true);
    ruler->Marquer_Position(600);
    QTest::mousePress(ruler, Qt::LeftButton, {}, QPoint(50, 10));
    QCOMPARE(pressed.value(1).value(1).toPointF(), QPointF(750, 150)); // twips
    QTest::mouseMove(ruler, QPoint(80, 15));
    QCOMPARE(moved.value(1).value(1).toPointF(), QPointF(1200, 225));
    QCOMPARE(ruler->pos(), QPoint(50, 35));
    QTest::mouseMove(ruler, QPoint(50, 10)); // grab point under the pointer
    QCOMPARE(ruler->pos(), QPoint(50, 35));
    QTest::mouseRelease(ruler, Qt::LeftButton, {}, QPoint(50, 10));
    QTest::mouseMove(ruler, QPoint(40, 0));
    QCOMPARE(ruler->pos(), QPoint(50, 35));
    QCOMPARE(ruler->markerPosition(), 600.0); // moved, not resized
}

QTEST_MAIN(tst_Ruler)
#include "tst_ruler.moc"
