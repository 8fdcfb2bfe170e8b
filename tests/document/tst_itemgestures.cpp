// Mouse gestures on a card's items, driven by real mouse events on the card
// window: dragging with the selection frame, the lock option, context menus,
// double clicks and help balloons.
#include "FakeCardHost.h"
#include "ItemSelection.h"
#include "document/frmProjet.h"
#include "widgets/Balloon.h"

#include <QLabel>
#include <QMenu>
#include <QPaintEvent>
#include <QTimer>
#include <QtTest>

namespace {

// A frame that also notes which item was selected when a menu opened.
class MenuHost : public FakeCardHost {
public:
    QStringList tagsAtMenu;
    // The label menu is a real pop-up menu that takes the button's release,
    // as it does when the user lets go of the button over it.
    bool realMenu = false;
    void showLabelMenu(const QPoint &p) override
    {
        tagsAtMenu << textATagValue;
        FakeCardHost::showLabelMenu(p);
        if (!realMenu)
            return;
        QMenu menu;
        menu.addAction(QStringLiteral("Editer le contenu"));
        QTimer::singleShot(0, &menu, [&menu] {
            QTest::mouseRelease(menu.windowHandle(), Qt::RightButton, {}, QPoint(5, 5));
            menu.close();
        });
        menu.exec(p);
    }
    void showLogoMenu(const QPoint &p) override
    {
        tagsAtMenu << textATagValue;
        FakeCardHost::showLogoMenu(p);
    }
};

// Collects the areas a widget repaints.
class PaintSpy : public QObject {
public:
    QList<QRect> rects;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            rects << static_cast<QPaintEvent *>(event)->rect();
        return false;
    }
};

constexpr double CardW = 4762.8;
constexpr double CardH = 3061.8;

const QString HelpText = QStringLiteral("1. Clic gauche rapide sélectionne le contrôle\r"
                                        "2. Clic gauche prolongé déplace le contrôle\r"
                                        "3. Clic droit normal affiche un menu contextuel");

using ItemSelection::labelFrame;

} // namespace

class tst_ItemGestures : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void dragKeepsTheGrabbedPointAndTheFrame();
    void dragGoesPastTheCardAndRepaintsLittle();
    void dragALogo();
    void lockStopsDragsNotMenus();
    void contextMenus();
    void aMenuThatTookTheReleaseEndsTheGesture();
    void doubleClicks();
    void balloonOverItemsGoesOverTheCard();
    void noBalloonWhenDisabled();

private:
    QPoint onCard(QPoint viewPixel) const { return m_card->cardView()->mapTo(m_card.get(), viewPixel); }
    QWindow *window() const { return m_card->windowHandle(); }
    void move(QPoint viewPixel) { QTest::mouseMove(window(), onCard(viewPixel)); }
    void press(Qt::MouseButton b, QPoint viewPixel)
    {
        move(viewPixel);
        QTest::mousePress(window(), b, {}, onCard(viewPixel));
    }
    void release(Qt::MouseButton b, QPoint viewPixel) { QTest::mouseRelease(window(), b, {}, onCard(viewPixel)); }
    void click(Qt::MouseButton b, QPoint viewPixel)
    {
        press(b, viewPixel);
        release(b, viewPixel);
    }
    QPoint global(QPoint viewPixel) const { return m_card->cardView()->mapToGlobal(viewPixel); }

    std::unique_ptr<MenuHost> m_host;
    std::unique_ptr<frmProjet> m_card;
};

void tst_ItemGestures::init()
{
    m_host = std::make_unique<MenuHost>();
    m_card = std::make_unique<frmProjet>(m_host.get());
    m_card->setCardSize(CardW, CardH);
    m_card->resize(600, 400);
    m_card->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_card.get()));
    // The frame's list selects the item of the row chosen.
    ItemSelection::routeRows(*m_host, *m_card);
    // Label 1 at (20, 10) px, logo 1 at (100, 60) px.
    m_card->Label(1)->Left = 300;
    m_card->Label(1)->Top = 150;
    m_card->Logo(1)->Left = 1500;
    m_card->Logo(1)->Top = 900;
    m_card->Ajouter_UnLabel();
    m_card->Label(2)->Left = 3000;
    m_card->Label(2)->Top = 2250;
    m_card->updateCard();
    m_card->Mise_aJour();
    m_card->hideBord();
    m_host->textATagValue.clear();
    m_host->check1Values[0] = true; // balloons are tested on their own
}

void tst_ItemGestures::cleanup()
{
    m_card.reset();
    m_host.reset();
}

void tst_ItemGestures::dragKeepsTheGrabbedPointAndTheFrame()
{
    const CardLabel *label = m_card->Label(1);
    // Grabbed 5 px right and 4 px down of the label's corner: (75, 60) twips.
    press(Qt::LeftButton, QPoint(25, 14));
    QCOMPARE(m_card->ClicX, 75.0);
    QCOMPARE(m_card->ClicY, 60.0);

    move(QPoint(125, 64));
    QCOMPARE(label->Left, 1800.0f);
    QCOMPARE(label->Top, 900.0f);
    QVERIFY(m_card->bord().visible);
    QCOMPARE(m_card->bord().rect, labelFrame(*label));
    QCOMPARE(m_card->bord().rect.topLeft(), QPointF(1760, 890));

    // The grabbed point stays under the pointer step after step.
    move(QPoint(131, 61));
    QCOMPARE(label->Left, 1890.0f);
    QCOMPARE(label->Top, 855.0f);
    QVERIFY(m_card->itemAt(QPointF(131 * 15, 61 * 15)) == (CardItemRef{CardItemRef::LabelItem, 1}));
    QCOMPARE(m_card->bord().rect, QRectF(1850, 845, label->Width() + 70, label->Height() + 30));
    // Nothing is selected while dragging.
    QVERIFY(m_host->textATagValue.isEmpty());

    // The release over the moved label is a click: it selects it.
    release(Qt::LeftButton, QPoint(131, 61));
    QCOMPARE(m_host->textATagValue, QStringLiteral("1"));
    QCOMPARE(m_host->selectedRow, 0);
    QCOMPARE(m_card->bord().rect, labelFrame(*label));
    QCOMPARE(label->Left, 1890.0f);

    // Moving without a button moves nothing, nor with the right button.
    move(QPoint(140, 70));
    QCOMPARE(label->Left, 1890.0f);
    press(Qt::RightButton, QPoint(130, 62));
    move(QPoint(160, 80));
    release(Qt::RightButton, QPoint(160, 80));
    QCOMPARE(label->Left, 1890.0f);
    QCOMPARE(label->Top, 855.0f);
}

void tst_ItemGestures::dragGoesPastTheCardAndRepaintsLittle()
{
    const CardLabel *label = m_card->Label(2);
    int surfaceChanges = 0;
    m_card->Picture1().onChanged = [&surfaceChanges] { ++surfaceChanges; };
    PaintSpy spy;
    m_card->cardView()->installEventFilter(&spy);

    press(Qt::LeftButton, QPoint(202, 152)); // (30, 30) twips into label 2
    QCoreApplication::processEvents();
    spy.rects.clear();
    const QRect whole = m_card->cardView()->rect();
    for (int step = 1; step <= 10; ++step) {
        move(QPoint(202 - 30 * step, 152 - 20 * step));
        QCoreApplication::processEvents();
    }
    // Out past the top-left corner of the card: nothing holds it back.
    QCOMPARE(label->Left, float(3000 - 4500));
    QCOMPARE(label->Top, float(2250 - 3000));
    QCOMPARE(m_card->bord().rect, labelFrame(*label));
    release(Qt::LeftButton, QPoint(-98, -48));
    QCOMPARE(label->Left, -1500.0f);

    // Each step repainted the label's and the frame's old and new places,
    // never the whole card, and the card's picture was never redrawn.
    QVERIFY(!spy.rects.isEmpty());
    for (const QRect &r : spy.rects)
        QVERIFY2(r.width() * r.height() < whole.width() * whole.height() / 4,
                 qPrintable(QStringLiteral("%1x%2").arg(r.width()).arg(r.height())));
    QCOMPARE(surfaceChanges, 0);
    m_card->cardView()->removeEventFilter(&spy);
    m_card->Picture1().onChanged = nullptr;
}

void tst_ItemGestures::dragALogo()
{
    const CardLogo *logo = m_card->Logo(1);
    m_host->textATextValue = QStringLiteral("Atelier");
    press(Qt::LeftButton, QPoint(110, 70)); // (150, 150) twips into it
    QCOMPARE(m_card->ClicX, 150.0);
    move(QPoint(60, 30));
    QCOMPARE(logo->Left, 750.0f);
    QCOMPARE(logo->Top, 300.0f);
    QCOMPARE(m_card->bord().rect, QRectF(750, 300, logo->Width(), logo->Height()));
    release(Qt::LeftButton, QPoint(60, 30));
    QCOMPARE(m_host->textATagValue, QStringLiteral("1"));
    QCOMPARE(m_host->objects.value(m_host->selectedRow), QStringLiteral("Lg1 | Logo image n°1"));
    // Selecting the logo leaves the text box's text alone.
    QCOMPARE(m_host->textATextValue, QStringLiteral("Atelier"));
}

void tst_ItemGestures::lockStopsDragsNotMenus()
{
    m_host->check1Values[2] = true;
    const CardLabel *label = m_card->Label(1);
    press(Qt::LeftButton, QPoint(25, 14));
    move(QPoint(125, 64));
    QCOMPARE(label->Left, 300.0f);
    QCOMPARE(label->Top, 150.0f);
    QVERIFY(!m_card->bord().visible);
    release(Qt::LeftButton, QPoint(125, 64));
    // Released away from the label: no click either.
    QVERIFY(m_host->textATagValue.isEmpty());

    // A quick click still selects, and the right button still shows the menu.
    click(Qt::LeftButton, QPoint(25, 14));
    QCOMPARE(m_host->textATagValue, QStringLiteral("1"));
    m_host->textATagValue.clear();
    click(Qt::RightButton, QPoint(25, 14));
    QCOMPARE(m_host->menusShown.size(), size_t(1));
    QCOMPARE(m_host->menusShown.back().first, QStringLiteral("label"));
    QCOMPARE(m_host->tagsAtMenu, QStringList{QStringLiteral("1")});
    QCOMPARE(label->Left, 300.0f);
}

void tst_ItemGestures::contextMenus()
{
    // On a label: selected first, then its menu at the pointer.
    click(Qt::RightButton, QPoint(25, 14));
    QCOMPARE(m_host->menusShown.size(), size_t(1));
    QCOMPARE(m_host->menusShown.back(), std::make_pair(QStringLiteral("label"), global(QPoint(25, 14))));
    QCOMPARE(m_host->tagsAtMenu, QStringList{QStringLiteral("1")});
    QCOMPARE(m_card->bord().rect, labelFrame(*m_card->Label(1)));

    // On a logo.
    click(Qt::RightButton, QPoint(110, 70));
    QCOMPARE(m_host->menusShown.back(), std::make_pair(QStringLiteral("logo"), global(QPoint(110, 70))));
    QCOMPARE(m_host->tagsAtMenu.back(), QStringLiteral("1"));
    QCOMPARE(m_card->bord().rect, QRectF(1500, 900, m_card->Logo(1)->Width(), m_card->Logo(1)->Height()));
    QCOMPARE(m_host->objects.value(m_host->selectedRow), QStringLiteral("Lg1 | Logo image n°1"));

    // On label 2, the label's own selection.
    click(Qt::RightButton, QPoint(203, 153));
    QCOMPARE(m_host->menusShown.back().first, QStringLiteral("label"));
    QCOMPARE(m_host->tagsAtMenu.back(), QStringLiteral("2"));

    // On the empty card: the Tools menu, nothing selected.
    m_host->textATagValue.clear();
    click(Qt::RightButton, QPoint(300, 30));
    QCOMPARE(m_host->menusShown.size(), size_t(4));
    QCOMPARE(m_host->menusShown.back(), std::make_pair(QStringLiteral("tools"), global(QPoint(300, 30))));
    QVERIFY(m_host->textATagValue.isEmpty());

    // The left button opens no menu.
    click(Qt::LeftButton, QPoint(300, 30));
    click(Qt::LeftButton, QPoint(25, 14));
    QCOMPARE(m_host->menusShown.size(), size_t(4));

    // Handlers called for items that are gone do nothing.
    m_card->Label(2)->Visible = false;
    m_host->textATagValue.clear();
    m_card->Label_MouseDown(2, Qt::RightButton, 10, 10);
    m_card->Logo_MouseDown(7, Qt::RightButton, 10, 10);
    m_card->Label_DblClick(2);
    m_card->Logo_DblClick(0);
    m_card->Label_MouseMove(2, Qt::LeftButton, 100, 100);
    QCOMPARE(m_host->menusShown.size(), size_t(4));
    QVERIFY(m_host->outLabelClicks.empty());
    QVERIFY(m_host->outLogoClicks.empty());
    QVERIFY(m_host->textATagValue.isEmpty());
    QCOMPARE(m_card->Label(2)->Left, 3000.0f);
}

void tst_ItemGestures::aMenuThatTookTheReleaseEndsTheGesture()
{
    m_host->realMenu = true;
    move(QPoint(25, 14));
    QTest::mousePress(window(), Qt::RightButton, {}, onCard(QPoint(25, 14)));
    QCOMPARE(m_host->menusShown.size(), size_t(1));

    // The card never saw the release; the next press on the empty card is
    // the card's, and a left drag there moves no label.
    m_host->realMenu = false;
    click(Qt::RightButton, QPoint(300, 30));
    QCOMPARE(m_host->menusShown.back().first, QStringLiteral("tools"));
    press(Qt::LeftButton, QPoint(250, 150));
    move(QPoint(260, 160));
    release(Qt::LeftButton, QPoint(260, 160));
    QCOMPARE(m_card->Label(1)->Left, 300.0f);

    // Same with a plain move after the menu: the pointer is over the card.
    m_host->realMenu = true;
    move(QPoint(25, 14));
    QTest::mousePress(window(), Qt::RightButton, {}, onCard(QPoint(25, 14)));
    m_host->panels.remove(3);
    move(QPoint(300, 30));
    QVERIFY(m_host->panels.contains(3));
}

void tst_ItemGestures::doubleClicks()
{
    move(QPoint(25, 14));
    QTest::mouseDClick(window(), Qt::LeftButton, {}, onCard(QPoint(25, 14)));
    QCOMPARE(m_host->outLabelClicks, std::vector<int>{0});
    QVERIFY(m_host->outLogoClicks.empty());
    QCOMPARE(m_host->textATagValue, QStringLiteral("1"));

    move(QPoint(110, 70));
    QTest::mouseDClick(window(), Qt::LeftButton, {}, onCard(QPoint(110, 70)));
    QCOMPARE(m_host->outLogoClicks, std::vector<int>{0});
    QCOMPARE(m_host->outLabelClicks, std::vector<int>{0});

    // On the empty card a double click runs nothing.
    move(QPoint(300, 30));
    QTest::mouseDClick(window(), Qt::LeftButton, {}, onCard(QPoint(300, 30)));
    QCOMPARE(m_host->outLabelClicks.size() + m_host->outLogoClicks.size(), size_t(2));
}

void tst_ItemGestures::balloonOverItemsGoesOverTheCard()
{
    m_host->check1Values[0] = false;
    Balloon &balloon = m_card->Bulle();
    QCOMPARE(balloon.Style, 1);
    QCOMPARE(balloon.Icon, 1);
    QVERIFY(!balloon.window());

    move(QPoint(25, 14));
    QVERIFY(m_card->BulleVisible);
    QCOMPARE(balloon.Title(), QStringLiteral("Infos du label"));
    QCOMPARE(balloon.TipText(), HelpText);
    QWidget *popup = balloon.window();
    QVERIFY(popup);
    QVERIFY(popup->isVisible());
    QCOMPARE(balloon.tool(), m_card->cardView());
    QStringList shown;
    for (const QLabel *l : popup->findChildren<QLabel *>())
        shown << l->text();
    QVERIFY(shown.contains(QStringLiteral("Infos du label")));
    QVERIFY(shown.contains(QStringLiteral("1. Clic gauche rapide sélectionne le contrôle\n"
                                          "2. Clic gauche prolongé déplace le contrôle\n"
                                          "3. Clic droit normal affiche un menu contextuel")));
    // Near the label: just below it.
    const CardLabel *label = m_card->Label(1);
    const QPoint below = global(QPoint(int(label->Left / 15), int((label->Top + label->Height()) / 15)));
    QVERIFY(popup->geometry().top() >= below.y());
    QVERIFY(popup->geometry().top() <= below.y() + 20);

    // Moving over the items keeps the same balloon, even over the logo.
    move(QPoint(30, 15));
    move(QPoint(110, 70));
    QCOMPARE(balloon.window(), popup);
    QCOMPARE(balloon.Title(), QStringLiteral("Infos du label"));

    // A move over the empty card takes it down; the logo then has its own.
    move(QPoint(300, 30));
    QVERIFY(!m_card->BulleVisible);
    QVERIFY(!balloon.window());
    move(QPoint(110, 70));
    QVERIFY(m_card->BulleVisible);
    QCOMPARE(balloon.Title(), QStringLiteral("Infos du logo"));
    QCOMPARE(balloon.TipText(), HelpText);
    QVERIFY(balloon.window());

    // A move over the window's workspace takes it down too.
    QTest::mouseMove(window(), QPoint(30, 30));
    QVERIFY(!m_card->BulleVisible);
    QVERIFY(!balloon.window());

    // A drag shows it once and keeps it.
    press(Qt::LeftButton, QPoint(25, 14));
    popup = balloon.window();
    QVERIFY(popup);
    move(QPoint(60, 40));
    QCOMPARE(balloon.window(), popup);
    release(Qt::LeftButton, QPoint(60, 40));

    // Closing the window takes it down.
    m_card->hideBalloon();
    QVERIFY(!balloon.window());
}

void tst_ItemGestures::noBalloonWhenDisabled()
{
    m_host->check1Values[0] = true;
    move(QPoint(25, 14));
    move(QPoint(110, 70));
    QVERIFY(!m_card->BulleVisible);
    QVERIFY(!m_card->Bulle().window());
    press(Qt::LeftButton, QPoint(25, 14));
    move(QPoint(35, 14));
    release(Qt::LeftButton, QPoint(35, 14));
    QVERIFY(!m_card->Bulle().window());
}

QTEST_MAIN(tst_ItemGestures)
#include "tst_itemgestures.moc"
