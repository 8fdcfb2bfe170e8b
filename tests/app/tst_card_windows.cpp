// Card windows inside the frame: opening, activation, the Window menu's
// arrangements and closings, the window list, the orientation handler.
#include "AppTestFrame.h"

#include "app/ColorSwatch.h"
#include "document/frmProjet.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QTest>
#include <QToolButton>

namespace {

struct Cards {
    explicit Cards(int count)
    {
        QVERIFY(f.frame->MDIForm_Load());
        f.frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.frame.get()));
        for (int i = 0; i < count; ++i)
            f.frame->Mnu_Outfich_Click(0);
    }
    QMdiSubWindow *window(int number) const // 1-based, creation order
    {
        return f.frame->subWindowOf(f.frame->cards().at(number - 1));
    }
    QList<QMdiSubWindow *> windows() const
    {
        QList<QMdiSubWindow *> list;
        for (frmProjet *card : f.frame->cards())
            list << f.frame->subWindowOf(card);
        return list;
    }
    QRect area() const { return f.frame->mdiArea()->viewport()->rect(); }
    FrameFixture f;
};

} // namespace

class tst_card_windows : public QObject {
    Q_OBJECT
private slots:
    void newCardWindows();
    void activationRunsTheCardsStep();
    void windowListActivatesTheChosenCard();
    void cascade();
    void tileOneAboveAnother();
    void tileSideBySide();
    void allWindowsToOneState();
    void arrangeIcons();
    void closeActive();
    void closeAllStopsAtARefusal();
    void commandsWithoutCards();
    void orientationHandler();
    void hostServices();
};

void tst_card_windows::newCardWindows()
{
    Cards c(2);
    QCOMPARE(c.f.frame->cards().size(), 2);
    frmProjet *second = c.f.frame->activeCard();
    QVERIFY(second);
    QCOMPARE(second->Caption(), QStringLiteral("Projet2"));
    QCOMPARE(c.f.frame->cards().at(0)->Caption(), QStringLiteral("Projet1"));
    QVERIFY(second->Tag().isEmpty());
    // An 8.4 x 5.4 cm card with its first label and logo.
    QCOMPARE(second->Picture1().width(), 4762.8);
    QCOMPARE(second->Picture1().height(), 3061.8);
    QVERIFY(second->Label(1));
    QCOMPARE(second->Label(1)->Caption(), QStringLiteral("ZONE DE TEXTE"));
    QVERIFY(second->Logo(1));
    QCOMPARE(second->NumFond, 0);
    QCOMPARE(c.f.frame->statusPanel(2)->text(), QStringLiteral("8.40 x 5.40 cm"));
    // Inside the area, not over the panel.
    QCOMPARE(c.window(2)->parentWidget(), c.f.frame->mdiArea()->viewport());
    QVERIFY(c.area().contains(c.window(2)->geometry().topLeft()));
    QVERIFY(c.window(2)->pos() != c.window(1)->pos());

    // A new card opens maximised when the active one is.
    c.window(2)->showMaximized();
    c.f.frame->Mnu_Outfich_Click(0);
    QCOMPARE(c.f.frame->activeCard()->Caption(), QStringLiteral("Projet3"));
    QVERIFY(c.window(3)->isMaximized());
}

void tst_card_windows::activationRunsTheCardsStep()
{
    Cards c(2);
    frmProjet *first = c.f.frame->cards().at(0);
    frmProjet *second = c.f.frame->cards().at(1);
    first->Color1 = 0x0000FF;
    first->Color2 = 0x00FF00;
    first->Color3 = 0xFF0000;
    first->NumOption = 4;

    // The object list shows the active card's items.
    QCOMPARE(c.f.frame->objectCount(), 3);
    QCOMPARE(c.f.frame->objectText(0), QStringLiteral("Lb1 | ZONE DE TEXTE"));

    c.f.frame->mdiArea()->setActiveSubWindow(c.window(1));
    QCOMPARE(c.f.frame->activeCard(), first);
    QCOMPARE(c.f.frame->swatchColor(0), OleColor(0x0000FF));
    QCOMPARE(c.f.frame->swatchColor(5), OleColor(0x00FF00));
    QCOMPARE(c.f.frame->swatchColor(10), OleColor(0xFF0000));
    // Its orientation went through the frame's handler.
    QVERIFY(c.f.frame->Option(4)->isChecked());
    QCOMPARE(c.f.frame->Color(0)->tag, QStringLiteral("4"));
    QCOMPARE(first->NumOption, 4);
    QCOMPARE(first->NumFond, 1);

    c.f.frame->mdiArea()->setActiveSubWindow(c.window(2));
    QCOMPARE(c.f.frame->activeCard(), second);
    QCOMPARE(c.f.frame->swatchColor(0), Colors::White);
    QCOMPARE(c.f.frame->swatchColor(10), Colors::White);
}

void tst_card_windows::windowListActivatesTheChosenCard()
{
    Cards c(3);
    QMenu *list = c.f.frame->windowListMenu();
    emit list->aboutToShow();
    QStringList entries;
    for (QAction *entry : list->actions())
        entries << entry->text();
    QCOMPARE(entries, QStringList({"&1 Projet1", "&2 Projet2", "&3 Projet3"}));
    QVERIFY(list->actions().at(2)->isChecked());
    list->actions().at(0)->trigger();
    QCOMPARE(c.f.frame->activeCard()->Caption(), QStringLiteral("Projet1"));

    // Closed windows leave the list.
    c.f.prompts.queueMessage(Msg::No);
    c.f.frame->Mnu_OutPro_Click(10);
    emit list->aboutToShow();
    QCOMPARE(list->actions().size(), 2);
    QCOMPARE(list->actions().at(0)->text(), QStringLiteral("&1 Projet2"));
}

void tst_card_windows::cascade()
{
    Cards c(3);
    for (QMdiSubWindow *window : c.windows())
        window->move(0, 0);
    c.window(2)->showMaximized();
    c.f.frame->Mnu_OutPro_Click(0);
    QList<QPoint> corners;
    for (QMdiSubWindow *window : c.windows()) {
        QVERIFY(!window->isMaximized());
        QVERIFY(!window->isMinimized());
        corners << window->pos();
    }
    std::sort(corners.begin(), corners.end(), [](QPoint a, QPoint b) { return a.y() < b.y(); });
    QVERIFY(corners[0].x() < corners[1].x() && corners[1].x() < corners[2].x());
    QVERIFY(corners[0].y() < corners[1].y() && corners[1].y() < corners[2].y());
}

void tst_card_windows::tileOneAboveAnother()
{
    Cards c(3);
    c.window(1)->showMaximized();
    c.f.frame->Mnu_OutPro_Click(1);
    const QRect area = c.area();
    QList<QRect> cells;
    for (QMdiSubWindow *window : c.windows()) {
        QVERIFY(!window->isMaximized());
        QCOMPARE(window->x(), area.left());
        QCOMPARE(window->width(), area.width());
        cells << window->geometry();
    }
    std::sort(cells.begin(), cells.end(), [](const QRect &a, const QRect &b) { return a.top() < b.top(); });
    QCOMPARE(cells.front().top(), area.top());
    QCOMPARE(cells.back().bottom(), area.bottom());
    for (int i = 1; i < cells.size(); ++i)
        QCOMPARE(cells[i].top(), cells[i - 1].bottom() + 1);
    // The active window comes first.
    QCOMPARE(c.f.frame->subWindowOf(c.f.frame->activeCard())->y(), area.top());
}

void tst_card_windows::tileSideBySide()
{
    Cards c(3);
    c.f.frame->Toolbar1_ButtonClick(9);
    const QRect area = c.area();
    QList<QRect> cells;
    for (QMdiSubWindow *window : c.windows()) {
        QCOMPARE(window->y(), area.top());
        QCOMPARE(window->height(), area.height());
        cells << window->geometry();
    }
    std::sort(cells.begin(), cells.end(), [](const QRect &a, const QRect &b) { return a.left() < b.left(); });
    QCOMPARE(cells.front().left(), area.left());
    QCOMPARE(cells.back().right(), area.right());
    for (int i = 1; i < cells.size(); ++i)
        QCOMPARE(cells[i].left(), cells[i - 1].right() + 1);

    // A minimised window stays out of the tiling.
    c.window(1)->showMinimized();
    c.f.frame->Mnu_OutPro_Click(2);
    QVERIFY(c.window(1)->isMinimized());
    QCOMPARE(c.window(2)->width() + c.window(3)->width(), area.width());
}

void tst_card_windows::allWindowsToOneState()
{
    Cards c(3);
    c.f.frame->Mnu_OutPro_Click(7);
    for (QMdiSubWindow *window : c.windows())
        QVERIFY(window->isMinimized());
    c.f.frame->Mnu_OutPro_Click(6);
    for (QMdiSubWindow *window : c.windows()) {
        QVERIFY(!window->isMinimized());
        QVERIFY(!window->isMaximized());
    }
    c.f.frame->Mnu_OutPro_Click(8);
    QVERIFY(c.f.frame->subWindowOf(c.f.frame->activeCard())->isMaximized());
    c.f.frame->Mnu_OutPro_Click(6);
    for (QMdiSubWindow *window : c.windows())
        QVERIFY(!window->isMaximized());
    QCOMPARE(c.f.frame->cards().size(), 3);
}

void tst_card_windows::arrangeIcons()
{
    Cards c(3);
    c.f.frame->Mnu_OutPro_Click(7);
    for (QMdiSubWindow *window : c.windows())
        window->move(40, 40);
    c.f.frame->Mnu_OutPro_Click(13);
    const QRect area = c.area();
    QList<QRect> icons;
    for (QMdiSubWindow *window : c.windows()) {
        QVERIFY(window->isMinimized());
        icons << window->geometry();
    }
    std::sort(icons.begin(), icons.end(), [](const QRect &a, const QRect &b) { return a.left() < b.left(); });
    QCOMPARE(icons.front().left(), area.left());
    for (int i = 0; i < icons.size(); ++i) {
        QCOMPARE(icons[i].bottom(), area.bottom());
        if (i > 0)
            QVERIFY(icons[i].left() > icons[i - 1].right());
    }
}

void tst_card_windows::closeActive()
{
    Cards c(3);
    c.f.prompts.queueMessage(Msg::No);
    c.f.frame->Mnu_OutPro_Click(10);
    QCOMPARE(c.f.frame->cards().size(), 2);
    QCOMPARE(c.f.prompts.messages.back().title, QStringLiteral("Enregistrer - [Projet3] ?"));
    // Another card window becomes the active one.
    QVERIFY(c.f.frame->activeCard());
    QCOMPARE(c.f.frame->activeCard()->Caption(), QStringLiteral("Projet2"));

    // File 2 does the same; a refusal keeps the window.
    c.f.prompts.queueMessage(Msg::Cancel);
    c.f.frame->Mnu_Outfich_Click(2);
    QCOMPARE(c.f.frame->cards().size(), 2);
    c.f.prompts.queueMessage(Msg::No);
    c.f.frame->Mnu_Outfich_Click(2);
    QCOMPARE(c.f.frame->cards().size(), 1);
    QCOMPARE(c.f.frame->activeCard()->Caption(), QStringLiteral("Projet1"));
    QCOMPARE(c.f.prompts.pendingAnswers(), 0);
}

void tst_card_windows::closeAllStopsAtARefusal()
{
    Cards c(3);
    c.f.prompts.queueMessage(Msg::No);
    c.f.prompts.queueMessage(Msg::Cancel);
    c.f.frame->Mnu_OutPro_Click(11);
    QCOMPARE(c.f.frame->cards().size(), 2);
    QCOMPARE(int(c.f.prompts.messages.size()), 2);

    c.f.prompts.queueMessage(Msg::No);
    c.f.prompts.queueMessage(Msg::No);
    c.f.frame->Mnu_OutPro_Click(11);
    QVERIFY(c.f.frame->cards().isEmpty());
    QVERIFY(!c.f.frame->activeCard());
    // The closed cards emptied the frame's object list.
    QCOMPARE(c.f.frame->objectCount(), 0);
    QCOMPARE(c.f.prompts.pendingAnswers(), 0);
}

void tst_card_windows::commandsWithoutCards()
{
    Cards c(0);
    for (int index = 0; index <= 13; ++index)
        c.f.frame->Mnu_OutPro_Click(index);
    c.f.frame->Mnu_Outfich_Click(2);
    c.f.frame->Mnu_OutAff_Click(9);
    c.f.frame->Timer1_Timer();
    QVERIFY(c.f.prompts.messages.empty());
    QVERIFY(c.f.frame->cards().isEmpty());
    QVERIFY(c.f.frame->isVisible());
}

void tst_card_windows::orientationHandler()
{
    Cards c(0);
    // Without a card window nothing changes.
    c.f.frame->Color(0)->tag = QStringLiteral("2");
    c.f.frame->Option_Click(6);
    QCOMPARE(c.f.frame->Color(0)->tag, QStringLiteral("2"));

    c.f.frame->Mnu_Outfich_Click(0);
    frmProjet *card = c.f.frame->activeCard();
    // A click on the button runs the handler with its index.
    c.f.takeCommands();
    QTest::mouseClick(c.f.frame->Option(6), Qt::LeftButton);
    QCOMPARE(c.f.takeCommands(), (std::vector<std::pair<QString, int>>{{"Option_Click", 6}}));
    QCOMPARE(c.f.frame->Color(0)->tag, QStringLiteral("6"));
    QCOMPARE(card->NumOption, 6);
    QCOMPARE(card->NumFond, 1);
    QVERIFY(c.f.frame->Option(6)->isChecked());
    // One orientation at a time.
    QTest::mouseClick(c.f.frame->Option(8), Qt::LeftButton);
    QVERIFY(!c.f.frame->Option(6)->isChecked());
    QCOMPARE(c.f.frame->Color(0)->tag, QStringLiteral("8"));
    // Out of range: nothing.
    c.f.frame->Option_Click(9);
    c.f.frame->Option_Click(-1);
    QCOMPARE(c.f.frame->Color(0)->tag, QStringLiteral("8"));
    // Selecting a button from the card only shows it.
    c.f.frame->selectOption(2);
    QVERIFY(c.f.frame->Option(2)->isChecked());
    QCOMPARE(c.f.frame->Color(0)->tag, QStringLiteral("8"));
}

void tst_card_windows::hostServices()
{
    Cards c(0);
    frmMenu &frame = *c.f.frame;
    // A row chosen by the card runs the list's handler, as a user's choice.
    frame.addObject(QStringLiteral("Lb1 | Bonjour"));
    frame.addObject(QStringLiteral("Lg1 | Logo image n°1"));
    c.f.takeCommands();
    frame.setObjectIndex(1);
    QCOMPARE(frame.objectIndex(), 1);
    frame.setObjectIndex(7);
    QCOMPARE(frame.objectIndex(), -1);
    QCOMPARE(c.f.takeCommands(), (std::vector<std::pair<QString, int>>{{"Objets_Click", 1}, {"Objets_Click", -1}}));

    // Writing the text box's own text again is no change: the change
    // handler (which selects the label again) does not run.
    frame.setTextAText(QStringLiteral("Atelier du Port"));
    c.f.takeCommands();
    frame.setTextAText(QStringLiteral("Atelier du Port"));
    QVERIFY(c.f.takeCommands().empty());
    frame.setTextAText(QString());
    QCOMPARE(c.f.takeCommands(), (std::vector<std::pair<QString, int>>{{"TextA_Change", 0}}));

    // Unknown indexes are ignored.
    QVERIFY(!frame.check1(7));
    QCOMPARE(frame.swatchColor(4), Colors::White);
    frame.setCheck2(3, true);
    QCOMPARE(frame.CMDialog1().prompts(), &c.f.prompts);
}

QTEST_MAIN(tst_card_windows)
#include "tst_card_windows.moc"
