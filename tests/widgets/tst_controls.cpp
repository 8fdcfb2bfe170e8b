// Small controls: the ruler (scale arithmetic, ticks and the inverted
// marker from its pixels, the unit menu, drags), the tooltip (layout,
// placement, when it shows and goes, live changes) and the dialog foot.
#include "TestSupport.h"
#include "widgets/CTooltip.h"
#include "widgets/DialogFoot.h"
#include "widgets/Line3D.h"
#include "widgets/Ruler.h"
#include "widgets/RulerScale.h"
#include "widgets/TipLook.h"
#include "widgets/TipTracker.h"

#include <QApplication>
#include <QDialog>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QVBoxLayout>
#include <QtTest>

using namespace Qt::StringLiterals;
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

int tipWindows()
{
    int n = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        n += w->windowType() == Qt::ToolTip;
    return n;
}

void moveOver(QWidget *tool, QPoint p)
{
    QMouseEvent move(QEvent::MouseMove, p, tool->mapToGlobal(p), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(tool, &move);
}

} // namespace

class TestControls : public QObject {
    Q_OBJECT

private slots:
    void scaleArithmetic();
    void drawnScale();
    void markerInvertsAndRestores();
    void menuAndDrags();
    void layoutAndPlacement();
    void trackerRules();
    void showsAndGoes();
    void liveChanges();
    void buttonsKeysAndLine();
};

void TestControls::scaleArithmetic()
{
    // 2 850 twips in centimetres (570 twips): five whole groups (the fifth
    // starts at 2 337), a tick every 57 twips, numbers 1 to 5 on the tenths.
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
    QVERIFY(inch.size() == 20 && inch[19].position == 2880.0 && inch[19].number == 2);
    QCOMPARE(RulerScale::unitTwips(RulerScale::Pixel100) + RulerScale::unitTwips(RulerScale::Twip1000), 2500.0);
    QCOMPARE(RulerScale::unitTwips(4), 0.0);
    QCOMPARE(RulerScale::label(3, true) + RulerScale::label(3, false), QStringLiteral(" 33"));
    QVERIFY(RulerScale::ticks(0, 3000, 300).isEmpty() && RulerScale::ticks(570, qInf(), 300).isEmpty());
}

void TestControls::drawnScale()
{
    const OleColor back = Colors::resolve(Colors::system(Colors::InfoBackground));
    const OleColor fore = Colors::resolve(Colors::system(Colors::ButtonText));
    Ruler ruler;
    ruler.resize(190, 20); // 2850 x 300 twips
    QImage img = shot(ruler);
    // 57 twips: a short tick, rows 15 to 19; 285: a half one from row 10;
    // 570: a unit tick across, its number just after.
    QVERIFY(pixel(img, 3, 14) == back && pixel(img, 3, 15) == fore);
    QVERIFY(pixel(img, 19, 9) == back && pixel(img, 19, 10) == fore);
    QVERIFY(pixel(img, 38, 0) == fore && pixel(img, 1, 5) == back);
    QSignalSpy modeSpy(&ruler, &Ruler::rulerModeChanged);
    ruler.setRulerMode(RulerScale::Twip1000);
    ruler.setRulerMode(7); // not a unit: ignored
    QVERIFY(ruler.RulerMode() == 3 && modeSpy.size() == 1);
    ruler.setForeColor(Colors::rgb(255, 0, 0));
    QCOMPARE(pixel(shot(ruler), 6, 19), Colors::rgb(255, 0, 0)); // every 100 twips
}

void TestControls::markerInvertsAndRestores()
{
    for (bool horizontal : {true, false}) {
        Ruler ruler;
        ruler.setOrientation(horizontal ? 0 : 1);
        ruler.resize(horizontal ? QSize(190, 20) : QSize(20, 190));
        const QImage clean = shot(ruler);
        auto marked = [&] { return changedLines(clean, shot(ruler), horizontal); };
        ruler.Marquer_Position(600); // pixel 40, inverted
        const QPoint p = horizontal ? QPoint(40, 7) : QPoint(7, 40);
        QCOMPARE((shot(ruler).pixel(p) ^ clean.pixel(p)) & 0xFFFFFFu, 0xFFFFFFu);
        // Moving it inverts the old line a second time: clean there again;
        // the same place keeps it.
        ruler.Marquer_Position(900);
        ruler.Marquer_Position(900);
        QCOMPARE(marked(), QList<int>({60}));
        // 0 takes it away and leaves nothing; so do the end and NaN.
        for (double at : {0.0, 0.0, 99999.0, qQNaN()})
            ruler.Marquer_Position(at);
        QCOMPARE(shot(ruler), clean);
        // Resizing redraws and forgets it: the next one erases nothing.
        ruler.Marquer_Position(600);
        ruler.resize(ruler.size() + (horizontal ? QSize(60, 0) : QSize(0, 60)));
        ruler.resize(ruler.size() - (horizontal ? QSize(60, 0) : QSize(0, 60)));
        ruler.Marquer_Position(10);
        QCOMPARE(marked(), QList<int>({0}));
    }
}

void TestControls::menuAndDrags()
{
    QWidget host;
    auto *ruler = new Ruler(&host);
    ruler->setGeometry(20, 30, 190, 20);
    host.show();
    // The right button pops up the unit menu with the current mode checked.
    auto *menu = ruler->findChild<QMenu *>();
    ruler->setRulerMode(RulerScale::Pixel100);
    menu->actions()[3]->setChecked(true); // a stale mark
    QTest::mouseClick(ruler, Qt::RightButton, {}, QPoint(50, 10));
    QTRY_VERIFY(menu->isVisible());
    QStringList state;
    for (QAction *a : menu->actions())
        state << (a->isChecked() ? "[x] " : "[ ] ") + a->text();
    QCOMPARE(state, QStringList({"[ ] Centimeter", "[ ] Inch", "[x] Pixel * 100", "[ ] Twip * 1000"}));
    menu->actions()[1]->trigger();
    menu->close();
    QCOMPARE(ruler->RulerMode(), 1);

    // Movable, a drag keeps the point first pressed under the pointer;
    // positions are reported in twips.
    QSignalSpy moved(ruler, &Ruler::MouseMoved);
    for (bool movable : {false, true}) {
        ruler->setMovable(movable);
        QTest::mousePress(ruler, Qt::LeftButton, {}, QPoint(50, 10));
        QTest::mouseMove(ruler, QPoint(80, 15));
        QTest::mouseRelease(ruler, Qt::LeftButton, {}, QPoint(80, 15));
        QCOMPARE(ruler->pos(), movable ? QPoint(50, 35) : QPoint(20, 30));
    }
    QCOMPARE(moved.last().value(1).toPointF(), QPointF(1200, 225));
    QTest::mouseMove(ruler, QPoint(40, 0)); // released: it stays
    QCOMPARE(ruler->pos(), QPoint(50, 35));
}

void TestControls::layoutAndPlacement()
{
    QCOMPARE(TipLook::lines(u"a\r\nb\nc\rd"_s), QStringList({"a", "b", "c", "d"}));
    // Below the area, the stem near its left or at the pointer over it;
    // centred under it (centre pixel 349); above it without room below, on
    // the screen with the stem over the area; a plain box at the pointer.
    const QRect screen(0, 0, 1000, 800), item(300, 200, 100, 40);
    const std::tuple<QRect, std::optional<int>, bool, bool, QPoint, bool, int> rows[] = {
        {item, std::nullopt, false, true, QPoint(300, 240), true, 20},
        {item, 350, false, true, QPoint(330, 240), true, -1},
        {item, 900, false, true, QPoint(300, 240), true, -1},
        {item, 310, true, true, QPoint(249, 240), true, 100},
        {QRect(950, 740, 40, 30), std::nullopt, false, true, QPoint(800, 660), false, 170},
        {item, 350, false, false, QPoint(350, 240), true, -1},
    };
    for (const auto &[anchor, pointer, centered, balloon, topLeft, below, stemX] : rows) {
        const TipLook::Placement at = TipLook::place(QSize(200, 80), anchor, pointer, screen, centered, balloon);
        QCOMPARE(at.topLeft, topLeft);
        QCOMPARE(at.below, below);
        if (stemX >= 0)
            QCOMPARE(at.stemX, stemX);
    }
}

void TestControls::trackerRules()
{
    // Once spent, only leaving and coming back shows it again; a move does
    // not restart the delay but keeps a shown tip up. True asks for the timer.
    TipTracker t;
    QVERIFY(t.create() && !t.pointerInside() && t.timerElapsed() && t.state() == TipTracker::Showing);
    QVERIFY(t.pointerInside() && !t.timerElapsed() && t.state() == TipTracker::Spent);
    QVERIFY(!t.pointerInside());
    t.pointerOutside();
    QVERIFY(t.state() == TipTracker::Away && t.pointerInside() && t.state() == TipTracker::Waiting);
    QVERIFY(t.timerElapsed());
    t.pressed();
    QCOMPARE(t.state(), TipTracker::Spent);
    t.destroy();
    t.pointerOutside();
    QCOMPARE(t.state(), TipTracker::Off);
}

void TestControls::showsAndGoes()
{
    QWidget tool;
    tool.setGeometry(100, 100, 300, 200);
    tool.setMouseTracking(true);
    tool.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tool));
    CTooltip tip;
    tip.setTipText(u"texte"_s);
    // The default delay: created but not shown; delays written now wait
    // for the next Create; Create twice still makes one window.
    tip.Create(&tool);
    QVERIFY(tip.window() && !tip.window()->isVisible());
    tip.setDelayTime(0);
    QVERIFY(!tip.window()->isVisible());
    tip.Create(&tool, QRect(20, 30, 60, 20));
    tip.Create(&tool, QRect(20, 30, 60, 20));
    QWidget *w = tip.window();
    QVERIFY(tipWindows() == 1 && w->isVisible() && w->windowFlags().testFlag(Qt::WindowTransparentForInput));

    moveOver(&tool, QPoint(150, 35)); // out of the area: goes, comes back
    QVERIFY(!w->isVisible());
    moveOver(&tool, QPoint(30, 35));
    QVERIFY(w->isVisible());
    QEvent leave(QEvent::Leave); // the pointer leaves the tool
    QApplication::sendEvent(&tool, &leave);
    QVERIFY(!w->isVisible());
    moveOver(&tool, QPoint(31, 35));
    QVERIFY(w->isVisible());
    // A press takes it down until the pointer has left the area.
    QTest::mousePress(&tool, Qt::LeftButton, {}, QPoint(31, 35));
    moveOver(&tool, QPoint(32, 36));
    QVERIFY(!w->isVisible());
    moveOver(&tool, QPoint(200, 100));
    moveOver(&tool, QPoint(32, 36));
    QVERIFY(w->isVisible());
    // An empty tip never shows; Destroy removes the window.
    tip.setTipText(QString());
    tip.Create(&tool);
    QVERIFY(!tip.window()->isVisible());
    tip.Destroy();
    QVERIFY(!tip.window() && tipWindows() == 0);
}

void TestControls::liveChanges()
{
    QWidget tool;
    tool.resize(300, 200);
    tool.show();
    CTooltip tip;
    tip.setDelayTime(0);
    tip.setTipText(u"avant"_s);
    tip.setTitle(u"Titre"_s);
    tip.Create(&tool);
    QWidget *w = tip.window();
    const QSize before = w->size();
    tip.setTipText(u"un texte bien plus long\rsur deux lignes"_s);
    QVERIFY(w->width() > before.width() && w->height() > before.height());
    // On a live tip a title waits for an icon.
    const QSize untitled = w->size();
    tip.setTitle(u"Un titre bien plus long que le texte lui-même"_s);
    QCOMPARE(w->size(), untitled);
    tip.setIcon(2);
    QVERIFY(w->height() > untitled.height() && w->width() > untitled.width());

}

void TestControls::buttonsKeysAndLine()
{
    QDialog dialog;
    auto *foot = new DialogFoot;
    (new QVBoxLayout(&dialog))->addWidget(foot);
    QSignalSpy clicks(foot, &DialogFoot::clicked);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    foot->button(2)->click();
    foot->button(1)->setFocus();
    QTest::keyClick(foot->button(1), Qt::Key_Return);
    QCOMPARE(clicks.size(), 2);
    QCOMPARE(clicks.at(0).at(0).toInt() * 10 + clicks.at(1).at(0).toInt(), 20);

    // Two pixels high whatever a layout or a caller asks.
    Line3D *line = foot->line();
    line->setGeometry(0, 0, 120, 50);
    QCOMPARE(line->height(), 2);
    const OleColor shadow = Colors::resolve(Colors::system(Colors::ButtonShadow));
    for (int width : {100, 340}) {
        line->resize(width, 0);
        const QImage img = line->grab().toImage();
        QCOMPARE(img.size(), QSize(width, 2));
        for (int x = 0; x < width; ++x)
            QVERIFY(pixel(img, x, 0) == shadow && pixel(img, x, 1) == Colors::White);
    }
}

QTEST_MAIN(TestControls)
#include "tst_controls.moc"
