// The balloon tooltip: its properties and what a tip shows, when it shows
// and goes as the pointer moves over its tool, where it is placed, and the
// card window's balloon built on it.
#include "widgets/Balloon.h"
#include "widgets/CTooltip.h"
#include "widgets/TipLook.h"
#include "widgets/TipTracker.h"

#include <QApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QtTest>

namespace {

const QString HelpText = QStringLiteral("1. Clic gauche rapide sélectionne le contrôle\r"
                                        "2. Clic gauche prolongé déplace le contrôle\r"
                                        "3. Clic droit normal affiche un menu contextuel");

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

class TestCTooltip : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void propertiesAndCreate();
    void liveChanges();
    void placement();
    void goesWhenThePointerLeaves();
    void timings();
    void cardBalloon();

private:
    QWidget *m_tool = nullptr;
    CTooltip *m_tip = nullptr;
};

void TestCTooltip::init()
{
    m_tool = new QWidget;
    m_tool->setGeometry(100, 100, 300, 200);
    m_tool->setMouseTracking(true);
    m_tool->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_tool));
    m_tip = new CTooltip;
}

void TestCTooltip::cleanup()
{
    delete m_tip;
    delete m_tool;
}

void TestCTooltip::propertiesAndCreate()
{
    CTooltip fresh;
    QCOMPARE(QList<int>({fresh.VisibleTime(), fresh.DelayTime(), fresh.Style(), fresh.Icon()}),
             QList<int>({5000, 500, 0, 0}));
    QVERIFY(fresh.Title().isEmpty() && fresh.TipText().isEmpty());
    fresh.Destroy(); // never created: nothing happens
    QVERIFY(!fresh.window());

    // A balloon with the information icon, a title and three lines.
    m_tip->setStyle(1);
    m_tip->setIcon(1);
    m_tip->setTitle(QStringLiteral("Infos du label"));
    m_tip->setTipText(HelpText);
    QCOMPARE(m_tip->Title(), QStringLiteral("Infos du label"));
    QCOMPARE(m_tip->TipText(), HelpText);
    m_tip->setDelayTime(0);
    m_tip->Create(m_tool, QRect(20, 30, 60, 20));
    QVERIFY(m_tip->isShowing());
    const TipContent &c = m_tip->content();
    QVERIFY(c.balloon);
    QCOMPARE(c.icon, 1);
    QCOMPARE(c.title, QStringLiteral("Infos du label"));
    QCOMPARE(c.lines, HelpText.split(u'\r'));
    QVERIFY(!c.text && !c.back); // 0: the system's colours
    // Its window never takes the mouse or the focus.
    QWidget *w = m_tip->window();
    QVERIFY(w->windowFlags().testFlag(Qt::WindowTransparentForInput));
    QVERIFY(w->testAttribute(Qt::WA_TransparentForMouseEvents));
    QVERIFY(w->testAttribute(Qt::WA_ShowWithoutActivating));
    QVERIFY(!w->mask().isEmpty()); // the balloon's outline
    // Three text lines, the title line above them.
    const TipLook::Geometry g = TipLook::measure(c, w->font(), true, 20);
    QCOMPARE(g.text.height(), 3 * g.lineHeight);
    QVERIFY(g.title.bottom() < g.text.top() && !g.icon.isEmpty());
    QCOMPARE(w->size(), g.size);

    // Create twice: still one window; Destroy removes it.
    m_tip->Create(m_tool, QRect(20, 30, 60, 20));
    QCOMPARE(tipWindows(), 1);
    m_tip->Destroy();
    QCOMPARE(tipWindows(), 0);
    QVERIFY(!m_tip->window());

    // A plain box with no title: no stem, no title line.
    m_tip->setStyle(0);
    m_tip->setIcon(0);
    m_tip->setTitle(QString());
    m_tip->setTipText(QStringLiteral("a\r\nb\nc"));
    m_tip->Create(m_tool);
    QVERIFY(!m_tip->content().balloon);
    QCOMPARE(m_tip->content().lines, QStringList({"a", "b", "c"}));
    QVERIFY(m_tip->content().title.isEmpty());
}

void TestCTooltip::liveChanges()
{
    m_tip->setDelayTime(0);
    m_tip->setTipText(QStringLiteral("avant"));
    m_tip->setForeColor(0);
    m_tip->setTitle(QStringLiteral("Titre"));
    m_tip->Create(m_tool);
    QCOMPARE(m_tip->content().lines, QStringList{QStringLiteral("avant")});
    QCOMPARE(m_tip->content().title, QStringLiteral("Titre"));
    QVERIFY(!m_tip->content().text);
    const QSize before = m_tip->window()->size();
    m_tip->setTipText(QStringLiteral("un texte bien plus long\rsur deux lignes"));
    QCOMPARE(m_tip->content().lines.size(), 2);
    QVERIFY(m_tip->window()->width() > before.width() && m_tip->window()->height() > before.height());
    // On a live tip a title waits for an icon, and removing the icon waits
    // for the next Create.
    m_tip->setTitle(QStringLiteral("Autre"));
    QCOMPARE(m_tip->content().title, QStringLiteral("Titre"));
    m_tip->setIcon(2);
    QCOMPARE(m_tip->content().title, QStringLiteral("Autre"));
    QCOMPARE(m_tip->content().icon, 2);
    m_tip->setIcon(0);
    QCOMPARE(m_tip->content().icon, 2);
    // Colours: 0 on a live tip is black; a colour is red + 256 green + ...
    m_tip->setForeColor(0);
    QCOMPARE(m_tip->content().text, std::optional<QColor>(QColor(0, 0, 0)));
    m_tip->setBackColor(0x3020F0);
    QCOMPARE(m_tip->content().back, std::optional<QColor>(QColor(0xF0, 0x20, 0x30)));
    m_tip->Create(m_tool);
    QCOMPARE(m_tip->content().icon, 0);
    QVERIFY(!m_tip->content().text);
    QCOMPARE(m_tip->content().back, std::optional<QColor>(QColor(0xF0, 0x20, 0x30)));
}

void TestCTooltip::placement()
{
    const QRect screen(0, 0, 1000, 800);
    const QSize size(200, 80);
    const QRect item(300, 200, 100, 40);
    // Below the area, the stem near its left or at the pointer.
    TipLook::Placement at = TipLook::place(size, item, std::nullopt, screen, false, true);
    QVERIFY(at.below);
    QCOMPARE(at.topLeft, QPoint(300, 240));
    QCOMPARE(at.stemX, TipLook::StemOffset);
    at = TipLook::place(size, item, 350, screen, false, true);
    QCOMPARE(at.topLeft, QPoint(330, 240));
    at = TipLook::place(size, item, 900, screen, false, true); // pointer off the item
    QCOMPARE(at.topLeft.x(), 300);
    // Centred under it (its centre pixel is 349).
    at = TipLook::place(size, item, 310, screen, true, true);
    QCOMPARE(at.topLeft, QPoint(249, 240));
    QCOMPARE(at.stemX, 100);
    // No room below: above; at the right edge: kept on the screen, the stem
    // still over the item.
    at = TipLook::place(size, QRect(950, 740, 40, 30), std::nullopt, screen, false, true);
    QVERIFY(!at.below);
    QCOMPARE(at.topLeft, QPoint(800, 660));
    QCOMPARE(at.stemX, 970 - 800);
    // A plain box starts at the pointer.
    QCOMPARE(TipLook::place(size, item, 350, screen, false, false).topLeft, QPoint(350, 240));

    // The window of a live tip: just below the area, stem towards it.
    m_tip->setStyle(1);
    m_tip->setDelayTime(0);
    m_tip->setTipText(QStringLiteral("texte"));
    const QRect area(20, 30, 60, 20);
    m_tip->Create(m_tool, area);
    QWidget *w = m_tip->window();
    const QRect room = m_tool->screen()->availableGeometry();
    const QPoint under = m_tool->mapToGlobal(area.bottomLeft());
    if (under.y() + w->height() < room.bottom())
        QCOMPARE(w->y(), under.y() + 1);
    QVERIFY(w->geometry().intersects(QRect(m_tool->mapToGlobal(area.topLeft()), area.size()).adjusted(-1, -1, 1, 1)));
}

void TestCTooltip::goesWhenThePointerLeaves()
{
    m_tip->setDelayTime(0);
    m_tip->setTipText(QStringLiteral("texte"));
    const QRect area(20, 30, 60, 20);
    m_tip->Create(m_tool, area);
    QWidget *w = m_tip->window();
    QVERIFY(w->isVisible());
    moveOver(m_tool, QPoint(30, 35)); // within the area: stays
    QVERIFY(w->isVisible());
    moveOver(m_tool, QPoint(150, 35)); // out of the area: goes
    QVERIFY(!w->isVisible());
    QCOMPARE(m_tip->window(), w);
    moveOver(m_tool, QPoint(30, 35)); // back: comes again
    QVERIFY(w->isVisible());
    // The pointer leaves the tool.
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(m_tool, &leave);
    QVERIFY(!w->isVisible());
    moveOver(m_tool, QPoint(30, 35));
    QVERIFY(w->isVisible());
    // The owner says the pointer left.
    m_tip->pointerLeft();
    QVERIFY(!w->isVisible());
    moveOver(m_tool, QPoint(31, 35));
    QVERIFY(w->isVisible());
    // A press takes it down until the pointer has left the area.
    QTest::mousePress(m_tool, Qt::LeftButton, {}, QPoint(31, 35));
    QVERIFY(!w->isVisible());
    moveOver(m_tool, QPoint(32, 36));
    QVERIFY(!w->isVisible());
    moveOver(m_tool, QPoint(200, 100));
    moveOver(m_tool, QPoint(32, 36));
    QVERIFY(w->isVisible());
    // The tool goes: so does the tip.
    delete m_tool;
    m_tool = nullptr;
    QVERIFY(!m_tip->window());
    QCOMPARE(tipWindows(), 0);
}

void TestCTooltip::timings()
{
    // The tracker: a delay of rest, then visible until its time is up;
    // after that only leaving and coming back shows it again.
    TipTracker t;
    QVERIFY(t.create());
    QCOMPARE(t.state(), TipTracker::Waiting);
    QVERIFY(!t.pointerInside()); // moving over the tool does not restart the delay
    QVERIFY(t.timerElapsed());
    QVERIFY(t.visible());
    QVERIFY(t.pointerInside()); // a move keeps it up longer
    QVERIFY(!t.timerElapsed());
    QCOMPARE(t.state(), TipTracker::Spent);
    QVERIFY(!t.pointerInside());
    t.pointerOutside();
    QVERIFY(t.pointerInside());
    QCOMPARE(t.state(), TipTracker::Waiting);
    t.destroy();
    t.pointerOutside();
    QCOMPARE(t.state(), TipTracker::Off);

    // The default delay: created but not yet shown.
    m_tip->setTipText(QStringLiteral("texte"));
    m_tip->Create(m_tool);
    QVERIFY(m_tip->window() && !m_tip->isShowing());
    QCOMPARE(m_tip->trackerState(), TipTracker::Waiting);
    // Style, delays and centring written now wait for the next Create.
    m_tip->setDelayTime(0);
    QVERIFY(!m_tip->isShowing());
    m_tip->Create(m_tool);
    QVERIFY(m_tip->isShowing());
    // An empty tip never shows.
    m_tip->setTipText(QString());
    m_tip->Create(m_tool);
    QVERIFY(!m_tip->isShowing());
}

void TestCTooltip::cardBalloon()
{
    // The card window's balloon hands its fields to the tooltip at Create.
    Balloon balloon;
    balloon.Style = 1;
    balloon.Icon = 1;
    balloon.DelayTime = 0;
    balloon.setTitle(QStringLiteral("Infos du logo"));
    balloon.setTipText(HelpText);
    QCOMPARE(Balloon::displayText(HelpText), QString(HelpText).replace(u'\r', u'\n'));
    balloon.Create(m_tool, QRect(5, 5, 40, 40));
    QCOMPARE(balloon.tool(), m_tool);
    QVERIFY(balloon.window() && balloon.window()->isVisible());
    QVERIFY(balloon.tooltip().content().balloon);
    QCOMPARE(balloon.tooltip().content().icon, 1);
    QCOMPARE(balloon.tooltip().content().title, QStringLiteral("Infos du logo"));
    moveOver(m_tool, QPoint(100, 100));
    QVERIFY(!balloon.window()->isVisible());
    balloon.Destroy();
    QVERIFY(!balloon.window());
}

QTEST_MAIN(TestCTooltip)
#include "tst_ctooltip.moc"
