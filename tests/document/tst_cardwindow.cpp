// The card window driven as the user does: its layout and scroll rules, the
// read-outs, the object list, activation and the closing question, and the
// mouse gestures on its items (dragging, the lock, context menus, double
// clicks, help balloons).
#include "FakeCardHost.h"
#include "ItemSelection.h"
#include "TestSupport.h"
#include "document/frmProjet.h"
#include "imaging/ColorGradient.h"
#include "widgets/Balloon.h"

#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QtTest>

namespace {

constexpr double CardW = 4762.8;
constexpr double CardH = 3061.8;
const QRect CentredView(141, 98, 318, 204);
const QMap<int, OleColor> WhiteSwatches = {{0, Colors::White}, {5, Colors::White}, {10, Colors::White}};

// A frame that notes which item was selected when a menu opened. Its label
// menu can be a real pop-up menu that takes the button's release, as it does
// when the user lets go of the button over it.
class MenuHost : public FakeCardHost {
public:
    std::vector<std::optional<CardItemRef>> selectedAtMenu;
    bool realMenu = false;
    void showLabelMenu(const QPoint &p) override
    {
        selectedAtMenu.push_back(selected);
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
        selectedAtMenu.push_back(selected);
        FakeCardHost::showLogoMenu(p);
    }
};

// Card pixels once placeItems() ran: label 1 at (20, 10), logo 1 at
// (100, 60), label 2 at (200, 150).
const QPoint OnLabel(25, 14); // (75, 60) twips into label 1
const QPoint OnLogo(110, 70);
const QPoint OnCard(300, 30);

} // namespace

class tst_CardWindow : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void newWindowIsCentredWithThumbsInTheMiddle();
    void scrollRulesAndTheCentringButton();
    void resizingTinyAndHugeWindows();
    void readOutsUseTheDecimalComma();
    void objectListAndInitialPlacement();
    void activationHandsTheGradientToTheFrame();
    void closingQuestionAnswers_data();
    void closingQuestionAnswers();
    void aSaveThatWroteNothingKeepsTheWindow();
    void dragKeepsTheGrabbedPointAndTheFrame();
    void lockStopsDragsNotMenus();
    void contextMenusAndDoubleClicks();
    void aMenuThatTookTheReleaseEndsTheGesture();
    void helpBalloonOverItems();

private:
    // Places the items for the gesture tests; the object list selects the
    // item of the row chosen, balloons are off.
    void placeItems();
    QPoint onCard(QPoint viewPixel) const { return m_card->cardView()->mapTo(m_card.get(), viewPixel); }
    QPoint global(QPoint viewPixel) const { return m_card->cardView()->mapToGlobal(viewPixel); }
    void move(QPoint p) { QTest::mouseMove(m_card->windowHandle(), onCard(p)); }
    void press(Qt::MouseButton b, QPoint p)
    {
        move(p);
        QTest::mousePress(m_card->windowHandle(), b, {}, onCard(p));
    }
    void release(Qt::MouseButton b, QPoint p) { QTest::mouseRelease(m_card->windowHandle(), b, {}, onCard(p)); }
    void click(Qt::MouseButton b, QPoint p)
    {
        press(b, p);
        release(b, p);
    }
    void doubleClick(QPoint p)
    {
        move(p);
        QTest::mouseDClick(m_card->windowHandle(), Qt::LeftButton, {}, onCard(p));
    }

    std::unique_ptr<MenuHost> m_host;
    std::unique_ptr<frmProjet> m_card;
};

void tst_CardWindow::init()
{
    m_host = std::make_unique<MenuHost>();
    m_card = std::make_unique<frmProjet>(m_host.get());
    m_card->resize(600, 400); // 9000 x 6000 twips
    m_card->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_card.get()));
}

void tst_CardWindow::cleanup()
{
    m_card.reset();
    m_host.reset();
}

void tst_CardWindow::placeItems()
{
    ItemSelection::routeRows(*m_host, *m_card);
    m_card->Label(1)->Left = 300;
    m_card->Label(1)->Top = 150;
    m_card->Logo(1)->Left = 1500;
    m_card->Logo(1)->Top = 900;
    m_card->Ajouter_UnLabel();
    m_card->Label(2)->Left = 3000;
    m_card->Label(2)->Top = 2250;
    m_card->updateCard();
    m_card->Mise_aJour(); // selects label 1 through the list
    m_card->hideBord();
    m_host->selected.reset();
    m_host->check1Values[0] = true;
}

void tst_CardWindow::newWindowIsCentredWithThumbsInTheMiddle()
{
    frmProjet &card = *m_card;
    QCOMPARE(QPointF(card.cardLeft(), card.cardTop()), QPointF(4500 - CardW / 2, 3000 - CardH / 2));
    QCOMPARE(card.cardView()->geometry(), CentredView);
    const auto setup = [](const QScrollBar *b) { return QList<int>{b->minimum(), b->maximum(), b->singleStep(), b->pageStep(), b->value()}; };
    QCOMPARE(setup(card.HScroll1()), (QList<int>{1, 9000, 2250, 3000, 4500}));
    QCOMPARE(setup(card.VScroll1()), (QList<int>{1, 6000, 1500, 2000, 3000}));
    // Shadows 120 twips down / right of the card, 135 thick, touching it.
    const double l = card.cardLeft(), t = card.cardTop();
    QCOMPARE(card.OmbreGRect(), QRectF(l + CardW, t + 120, 135, CardH));
    QCOMPARE(card.OmbreBRect(), QRectF(l + 120, t + CardH, CardW, 135));
    QCOMPARE(card.OmbreG()->geometry(), QRect(CentredView.right() + 1, CentredView.top() + 8, 9, 204));
    QCOMPARE(card.OmbreB()->geometry(), QRect(CentredView.left() + 8, CentredView.bottom() + 1, 318, 9));
    QCOMPARE(card.Defaut()->toolTip(), QStringLiteral("Centrer le projet"));
}

void tst_CardWindow::scrollRulesAndTheCentringButton()
{
    frmProjet &card = *m_card;
    // One value right of the middle: the card jumps to value/2 - 255.
    card.HScroll1()->setValue(4501);
    QCOMPARE(card.cardLeft(), 4501 / 2.0 - 255);
    QCOMPARE(card.cardView()->x(), qRound((4501 / 2.0 - 255) / 15));
    QCOMPARE(card.OmbreBRect().left(), card.cardLeft() + 120);
    // Vertically value/2, at every position of a dragged thumb.
    card.VScroll1()->setSliderDown(true);
    card.VScroll1()->setSliderPosition(4001);
    QCOMPARE(card.cardTop(), 2000.5);
    QCOMPARE(card.OmbreGRect().top(), 2000.5 + 120);
    card.VScroll1()->setSliderDown(false);

    card.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&card));
    QTest::mouseClick(card.Defaut(), Qt::LeftButton);
    QCOMPARE(QList<int>({card.HScroll1()->value(), card.VScroll1()->value()}), QList<int>({4500, 3000}));
    QCOMPARE(QPointF(card.cardLeft(), card.cardTop()), QPointF(4500 - CardW / 2, 3000 - CardH / 2));
    QCOMPARE(card.cardView()->geometry(), CentredView);
    QVERIFY(card.cardView()->hasFocus());
}

void tst_CardWindow::resizingTinyAndHugeWindows()
{
    frmProjet &card = *m_card;
    card.HScroll1()->setValue(200);
    card.VScroll1()->setValue(200);
    // Only the width changes; both thumbs come back to the middle (9045 / 2
    // = 4522.5 rounds to even) and the card is centred both ways.
    card.resize(603, 400);
    QCOMPARE(QList<int>({card.HScroll1()->maximum(), card.HScroll1()->value(), card.VScroll1()->value()}),
             QList<int>({9045, 4522, 3000}));
    QCOMPARE(QPointF(card.cardLeft(), card.cardTop()), QPointF(9045 / 2.0 - CardW / 2, 3000 - CardH / 2));
    // Parts that would get a negative size keep their place.
    const QRect fondBefore = card.Fond()->geometry();
    card.resize(5, 5);
    QCOMPARE(card.Fond()->geometry(), fondBefore);
    QCOMPARE(card.cardLeft(), 37.5 - CardW / 2);
    card.Defaut_Click();
    card.resize(1, 1);
    card.HScroll1()->setValue(0);
    // Wider than 32767 twips: the horizontal range stays, the card is centred.
    card.resize(600, 400);
    card.resize(2200, 400);
    QCOMPARE(card.HScroll1()->maximum(), 9000);
    QCOMPARE(card.cardLeft(), 16500 - CardW / 2);
    card.resize(600, 400);
    QCOMPARE(card.cardView()->geometry(), CentredView);
}

void tst_CardWindow::readOutsUseTheDecimalComma()
{
    TestSupport::FrenchLocale french;
    m_card->setCardSize(1000, 56.7);
    m_card->writeCardSize();
    QCOMPARE(m_host->panels.value(2), QStringLiteral("1,76 x 0,10 cm"));
    m_card->setCardSize(CardW, CardH);
    // Over the empty card at (150, 100) pixels; the balloon goes.
    m_card->BulleVisible = true;
    move(QPoint(150, 100));
    QCOMPARE(m_host->panels.value(3), QStringLiteral("X : 03,97 - Y : 02,65"));
    QVERIFY(!m_card->BulleVisible);
    // Over a label the move is the label's: no read-out.
    m_host->panels.remove(3);
    move(QPoint(10, 10));
    QVERIFY(!m_host->panels.contains(3));
}

void tst_CardWindow::objectListAndInitialPlacement()
{
    frmProjet &card = *m_card;
    card.Label(1)->setCaption(QStringLiteral("Jean Dupont"));
    const QStringList texts = {QString(), QStringLiteral("Atelier du Port\r\n12 quai"), QString(), QStringLiteral("Tél.")};
    for (int i = 2; i <= 5; ++i) {
        CardLabel *label = card.doc().createLabel(i);
        label->setCaption(texts[i - 2]);
        label->Left = 77;
        label->Top = 88;
        label->Visible = true;
    }
    card.doc().createLogo(2)->Visible = true;
    card.Mise_enPage();
    auto at = [&](int i) { return QPointF(card.Label(i)->Left, card.Label(i)->Top); };
    auto w = [&](int i) { return double(card.Label(i)->Width()); };
    QCOMPARE(at(1), QPointF(float(CardW - w(1) - 150), 120));
    QCOMPARE(at(2), QPointF(float(CardW - w(2) - 150), 500));
    QCOMPARE(at(3), QPointF(float(CardW / 2 - w(3) / 2), float(CardH / 2 - card.Label(3)->Height() / 2)));
    QCOMPARE(at(4), QPointF(150, float(CardH - card.Label(4)->Height() - 100)));
    QCOMPARE(at(5), QPointF(77, 88));
    QCOMPARE(QPointF(card.Logo(1)->Left, card.Logo(1)->Top), QPointF(120, 120));
    // Deleted items have no row; an empty caption ends with " | ".
    card.Label(2)->Visible = false;
    card.Label(5)->Visible = false;
    card.Mise_aJour();
    QCOMPARE(m_host->objects, QStringList({"Lb1 | Jean Dupont", "Lb3 | Atelier du Port\r\n12 quai", "Lb4 | ", QString(40, u'-'),
                                           "Lg1 | Logo image n°1", "Lg2 | Logo image n°2"}));
    QCOMPARE(m_host->selectedRow, 0);
}

void tst_CardWindow::activationHandsTheGradientToTheFrame()
{
    TestSupport::FrenchLocale french;
    // All three colours black counts as no gradient: white swatches, no
    // orientation handler.
    m_card->doc().NumFond = 1;
    m_card->doc().NumOption = 3;
    m_host->swatches = {{0, 0x123456}, {5, 0x654321}, {10, 0x111111}};
    m_card->activate();
    QCOMPARE(m_host->swatches, WhiteSwatches);
    QVERIFY(m_host->optionClicks.empty());
    QCOMPARE(m_host->panels.value(2), QStringLiteral("8,40 x 5,40 cm"));
    QCOMPARE(m_host->objects.first(), QStringLiteral("Lb1 | ZONE DE TEXTE"));
    // Any one colour is enough: the swatches take the card's colours and
    // its orientation is chosen; the handler repaints a gradient card only,
    // a white or picture card keeps its own background.
    m_card->doc().Color2 = 1;
    m_card->activate();
    QCOMPARE(m_host->swatches, (QMap<int, OleColor>{{0, 0}, {5, 1}, {10, 0}}));
    QCOMPARE(m_host->optionClicks, std::vector<int>{3});
    QCOMPARE(m_host->optionSelections, std::vector<int>{3});
    for (int kind : {0, 2}) {
        m_card->doc().NumFond = kind;
        m_card->activate();
        QCOMPARE(m_card->doc().NumFond, kind);
    }
    QCOMPARE(m_host->optionClicks, std::vector<int>{3});
    QCOMPARE(m_host->optionSelections, (std::vector<int>{3, 3, 3}));
}

void tst_CardWindow::closingQuestionAnswers_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("tag");
    QTest::addColumn<bool>("closes");
    QTest::addColumn<std::vector<bool>>("saves"); // Sauver_unProjet's withDialog
    QTest::newRow("yes, saved before") << int(Msg::Yes) << QStringLiteral("/p/a.prj") << true << std::vector<bool>{false};
    QTest::newRow("yes, never saved") << int(Msg::Yes) << QString() << true << std::vector<bool>{true};
    QTest::newRow("no") << int(Msg::No) << QString() << true << std::vector<bool>{};
    QTest::newRow("cancel") << int(Msg::Cancel) << QStringLiteral("/p/a.prj") << false << std::vector<bool>{};
}

void tst_CardWindow::closingQuestionAnswers()
{
    QFETCH(int, answer);
    QFETCH(QString, tag);
    QFETCH(bool, closes);
    QFETCH(std::vector<bool>, saves);
    frmProjet &card = *m_card;
    card.setCaption(QStringLiteral("Carte Dupont"));
    card.setTag(tag);
    card.doc().Color1 = Colors::rgb(1, 2, 3);
    // The frame's save names a project that had none.
    m_host->onSave = [&card](bool withDialog) {
        if (withDialog)
            card.setTag(QStringLiteral("/p/Carte Dupont.prj"));
    };
    m_host->selected = labelRef(3);
    m_host->textATextValue = QStringLiteral("Atelier du Port");
    m_host->scripted.queueMessage(answer);

    QCOMPARE(card.close(), closes);
    QCOMPARE(m_host->scripted.messages.size(), size_t(1));
    const ScriptedPrompts::MessageCall &question = m_host->scripted.messages.front();
    QCOMPARE(question.text, QStringLiteral("Souhaitez-vous enregistrer les modifications de ce projet ?"));
    QCOMPARE(question.style, int(Msg::YesNoCancel) | int(Msg::Question));
    QCOMPARE(question.title, QStringLiteral("Enregistrer - [Carte Dupont] ?"));
    QCOMPARE(m_host->saves, saves);
    if (closes) {
        // The frame's panels hold no card any more; it is not asked again.
        QVERIFY(m_host->objects.isEmpty());
        QVERIFY(!m_host->selected && m_host->textATextValue.isEmpty());
        QCOMPARE(m_host->swatches, WhiteSwatches);
        QVERIFY(card.close());
        QCOMPARE(m_host->scripted.messages.size(), size_t(1));
    } else {
        // Kept and activated again.
        QVERIFY(card.isVisible());
        QCOMPARE(m_host->objects.first(), QStringLiteral("Lb1 | ZONE DE TEXTE"));
        QCOMPARE(m_host->swatches.value(0), Colors::rgb(1, 2, 3));
        QCOMPARE(m_host->selected, labelRef(3));
    }
}

void tst_CardWindow::aSaveThatWroteNothingKeepsTheWindow()
{
    // Yes, then the name dialog is cancelled: the window stays rather than
    // lose the card.
    m_host->scripted.queueMessage(Msg::Yes);
    QVERIFY(!m_card->close());
    QCOMPARE(m_host->saves, std::vector<bool>{true});
    QVERIFY(m_card->isVisible());
    QVERIFY(!m_host->objects.isEmpty()); // activated again
    // Saved before, but the file can no longer be written.
    m_card->setTag(QStringLiteral("/p/Carte.prj"));
    m_host->saveSucceeds = false;
    m_host->scripted.queueMessage(Msg::Yes);
    QVERIFY(!m_card->close());
    QCOMPARE(m_host->saves, (std::vector<bool>{true, false}));
    QVERIFY(m_card->isVisible());
}

void tst_CardWindow::dragKeepsTheGrabbedPointAndTheFrame()
{
    placeItems();
    const CardLabel *label = m_card->Label(1);
    // The grabbed point stays under the pointer step after step; the frame
    // keeps its margins.
    press(Qt::LeftButton, OnLabel);
    move(QPoint(125, 64));
    QCOMPARE(QPointF(label->Left, label->Top), QPointF(1800, 900));
    QVERIFY(m_card->bord().visible);
    QCOMPARE(m_card->bord().rect, QRectF(1760, 890, label->Width() + 70, label->Height() + 30));
    move(QPoint(131, 61));
    QCOMPARE(QPointF(label->Left, label->Top), QPointF(1890, 855));
    QVERIFY(!m_host->selected); // nothing selected while dragging
    // The release over the moved label is a click: it selects it.
    release(Qt::LeftButton, QPoint(131, 61));
    QCOMPARE(m_host->selected, labelRef(1));
    QCOMPARE(m_host->selectedRow, 0);
    QCOMPARE(m_card->bord().rect, QRectF(1850, 845, label->Width() + 70, label->Height() + 30));
    // Moving without a button moves nothing, nor with the right button.
    move(QPoint(140, 70));
    press(Qt::RightButton, QPoint(130, 62));
    move(QPoint(160, 80));
    release(Qt::RightButton, QPoint(160, 80));
    QCOMPARE(QPointF(label->Left, label->Top), QPointF(1890, 855));
}

void tst_CardWindow::lockStopsDragsNotMenus()
{
    placeItems();
    m_host->check1Values[2] = true;
    press(Qt::LeftButton, OnLabel);
    move(QPoint(125, 64));
    release(Qt::LeftButton, QPoint(125, 64));
    QCOMPARE(QPointF(m_card->Label(1)->Left, m_card->Label(1)->Top), QPointF(300, 150));
    QVERIFY(!m_card->bord().visible);
    QVERIFY(!m_host->selected); // released away from it: no click
    // A quick click still selects, and the right button still shows the menu.
    click(Qt::LeftButton, OnLabel);
    QCOMPARE(m_host->selected, labelRef(1));
    click(Qt::RightButton, OnLabel);
    QCOMPARE(m_host->menusShown.size(), size_t(1));
}

void tst_CardWindow::contextMenusAndDoubleClicks()
{
    placeItems();
    // On an item: selected first, then its menu at the pointer.
    click(Qt::RightButton, OnLabel);
    QCOMPARE(m_host->menusShown.back(), std::make_pair(QStringLiteral("label"), global(OnLabel)));
    QCOMPARE(m_host->selectedAtMenu, std::vector<std::optional<CardItemRef>>{labelRef(1)});
    QCOMPARE(m_card->bord().rect, ItemSelection::labelFrame(*m_card->Label(1)));
    click(Qt::RightButton, OnLogo);
    QCOMPARE(m_host->menusShown.back(), std::make_pair(QStringLiteral("logo"), global(OnLogo)));
    QCOMPARE(m_host->objects.value(m_host->selectedRow), QStringLiteral("Lg1 | Logo image n°1"));
    click(Qt::RightButton, QPoint(203, 153));
    QCOMPARE(m_host->selectedAtMenu.back(), labelRef(2));
    // On the empty card: the Tools menu, nothing selected.
    m_host->selected.reset();
    click(Qt::RightButton, OnCard);
    QCOMPARE(m_host->menusShown.back(), std::make_pair(QStringLiteral("tools"), global(OnCard)));
    QVERIFY(!m_host->selected);
    // The left button opens no menu.
    click(Qt::LeftButton, OnCard);
    click(Qt::LeftButton, OnLabel);
    QCOMPARE(m_host->menusShown.size(), size_t(4));
    // A double click runs the item's edit command; on the empty card nothing.
    doubleClick(OnLabel);
    QCOMPARE(m_host->outLabelClicks, std::vector<int>{0});
    doubleClick(OnLogo);
    QCOMPARE(m_host->outLogoClicks, std::vector<int>{0});
    doubleClick(OnCard);
    // Handlers called for items that are gone do nothing.
    m_card->Label(2)->Visible = false;
    m_card->Label_MouseDown(2, Qt::RightButton, 10, 10);
    m_card->Logo_MouseDown(7, Qt::RightButton, 10, 10);
    m_card->Label_DblClick(2);
    m_card->Logo_DblClick(0);
    m_card->Label_MouseMove(2, Qt::LeftButton, 100, 100);
    QCOMPARE(m_host->menusShown.size(), size_t(4));
    QCOMPARE(m_host->outLabelClicks.size() + m_host->outLogoClicks.size(), size_t(2));
    QCOMPARE(m_card->Label(2)->Left, 3000.0f);
}

void tst_CardWindow::aMenuThatTookTheReleaseEndsTheGesture()
{
    placeItems();
    m_host->realMenu = true;
    press(Qt::RightButton, OnLabel);
    QCOMPARE(m_host->menusShown.size(), size_t(1));
    // The card never saw the release; the next press on the empty card is
    // the card's, and a left drag there moves no label.
    m_host->realMenu = false;
    click(Qt::RightButton, OnCard);
    QCOMPARE(m_host->menusShown.back().first, QStringLiteral("tools"));
    press(Qt::LeftButton, QPoint(250, 150));
    move(QPoint(260, 160));
    release(Qt::LeftButton, QPoint(260, 160));
    QCOMPARE(m_card->Label(1)->Left, 300.0f);
    // Same with a plain move after the menu: the pointer is over the card.
    m_host->realMenu = true;
    press(Qt::RightButton, OnLabel);
    m_host->panels.remove(3);
    move(OnCard);
    QVERIFY(m_host->panels.contains(3));
}

void tst_CardWindow::helpBalloonOverItems()
{
    placeItems();
    Balloon &balloon = m_card->Bulle();
    QCOMPARE(QList<int>({balloon.Style, balloon.Icon}), QList<int>({1, 1}));
    // No rest delay: the balloon shows as soon as it is created.
    balloon.DelayTime = 0;
    // The "no balloons" option: none over the items, nor while dragging.
    move(OnLabel);
    press(Qt::LeftButton, OnLogo);
    move(QPoint(115, 70));
    release(Qt::LeftButton, QPoint(115, 70));
    QVERIFY(!m_card->BulleVisible);
    QVERIFY(!balloon.window());

    m_host->check1Values[0] = false;
    move(OnLabel);
    QVERIFY(m_card->BulleVisible);
    QCOMPARE(balloon.Title(), QStringLiteral("Infos du label"));
    QCOMPARE(balloon.TipText(), QStringLiteral("1. Clic gauche rapide sélectionne le contrôle\r"
                                               "2. Clic gauche prolongé déplace le contrôle\r"
                                               "3. Clic droit normal affiche un menu contextuel"));
    QWidget *popup = balloon.window();
    QVERIFY(popup && popup->isVisible());
    QCOMPARE(balloon.tool(), m_card->cardView());
    // Moving within the label keeps it; the balloon belongs to its item, so
    // moving onto the logo gives the logo's, and a move over the empty card
    // takes it down.
    move(OnLabel + QPoint(2, 1));
    QCOMPARE(balloon.window(), popup);
    move(OnLogo);
    QCOMPARE(balloon.Title(), QStringLiteral("Infos du logo"));
    QVERIFY(balloon.window());
    move(OnCard);
    QVERIFY(!m_card->BulleVisible);
    QVERIFY(!balloon.window());
    // So does leaving the card (the pointer gone to the panel), a move over
    // the window's workspace, and closing the window.
    move(OnLabel);
    QVERIFY(balloon.window());
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(m_card->cardView(), &leave);
    QVERIFY(!m_card->BulleVisible);
    QVERIFY(!balloon.window());
    move(OnLogo);
    QTest::mouseMove(m_card->windowHandle(), QPoint(30, 30));
    QVERIFY(!m_card->BulleVisible);
    QVERIFY(!balloon.window());
    move(OnLabel);
    m_card->hideBalloon();
    QVERIFY(!balloon.window());
}

QTEST_MAIN(tst_CardWindow)
#include "tst_cardwindow.moc"
