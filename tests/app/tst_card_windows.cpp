// Card windows inside the frame: opening, activation, the window list, the
// Window menu's arrangements and closings, and what the cards use of the
// frame.
#include "AppTestFrame.h"

#include "app/ColorSwatch.h"
#include "document/frmProjet.h"

#include <QAction>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QToolButton>

namespace {

// A shown frame with `count` new card windows, Projet1 to Projet<count>.
struct Cards : FrameFixture {
    explicit Cards(int count)
    {
        QVERIFY(start());
        for (int i = 0; i < count; ++i)
            frame->Mnu_Outfich_Click(0);
    }
    QMdiSubWindow *window(int number) const { return frame->subWindowOf(frame->cards().at(number - 1)); }
    QList<QMdiSubWindow *> windows() const
    {
        QList<QMdiSubWindow *> list;
        for (frmProjet *card : frame->cards())
            list << frame->subWindowOf(card);
        return list;
    }
    QRect area() const { return frame->mdiArea()->viewport()->rect(); }
};

} // namespace

class tst_card_windows : public QObject {
    Q_OBJECT
private slots:
    void newCardsAndActivation();
    void windowList();
    void cascadeAndTiles_data();
    void cascadeAndTiles();
    void statesAndIcons();
    void closing();
    void commandsWithoutCards();
    void hostServices();
};

void tst_card_windows::newCardsAndActivation()
{
    Cards c(2);
    frmProjet *first = c.frame->cards().at(0);
    QCOMPARE(first->Caption(), QStringLiteral("Projet1"));
    QCOMPARE(c.frame->activeCard()->Caption(), QStringLiteral("Projet2"));
    QVERIFY(c.frame->activeCard()->Tag().isEmpty());
    QCOMPARE(c.frame->statusPanel(2)->text(), QStringLiteral("8.40 x 5.40 cm"));
    QCOMPARE(c.window(2)->parentWidget(), c.frame->mdiArea()->viewport());
    QVERIFY(c.window(2)->pos() != c.window(1)->pos());

    // Activation puts the card's gradient on the panel, its orientation
    // through the frame's handler.
    first->Color1 = 0x0000FF;
    first->Color3 = 0xFF0000;
    first->NumOption = 4;
    c.frame->mdiArea()->setActiveSubWindow(c.window(1));
    QCOMPARE(c.frame->activeCard(), first);
    QCOMPARE(c.frame->swatchColor(0), OleColor(0x0000FF));
    QCOMPARE(c.frame->swatchColor(10), OleColor(0xFF0000));
    QVERIFY(c.frame->Option(4)->isChecked());
    QCOMPARE(c.frame->Color(0)->tag, QStringLiteral("4"));
    c.frame->mdiArea()->setActiveSubWindow(c.window(2));
    QCOMPARE(c.frame->swatchColor(0), Colors::White);

    // A new card opens maximised when the active one is.
    c.window(2)->showMaximized();
    c.frame->Mnu_Outfich_Click(0);
    QVERIFY(c.window(3)->isMaximized());
}

void tst_card_windows::windowList()
{
    Cards c(3);
    QMenu *list = c.frame->windowListMenu();
    emit list->aboutToShow();
    QStringList entries;
    for (QAction *entry : list->actions())
        entries << entry->text();
    QCOMPARE(entries, QStringList({"&1 Projet1", "&2 Projet2", "&3 Projet3"}));
    QVERIFY(list->actions().at(2)->isChecked());
    list->actions().at(0)->trigger();
    QCOMPARE(c.frame->activeCard()->Caption(), QStringLiteral("Projet1"));
    // A closed window leaves the list.
    c.prompts.queueMessage(Msg::No);
    c.frame->Mnu_OutPro_Click(10);
    emit list->aboutToShow();
    QCOMPARE(list->actions().size(), 2);
    QCOMPARE(list->actions().at(0)->text(), QStringLiteral("&1 Projet2"));
}

void tst_card_windows::cascadeAndTiles_data()
{
    QTest::addColumn<int>("command");
    QTest::newRow("cascade") << 0;
    QTest::newRow("one above another") << 1;
    QTest::newRow("side by side") << 2;
}

void tst_card_windows::cascadeAndTiles()
{
    QFETCH(int, command);
    Cards c(3);
    for (QMdiSubWindow *window : c.windows())
        window->move(0, 0);
    c.window(2)->showMaximized();
    c.frame->Mnu_OutPro_Click(command);
    // Sorted along the arrangement: each window starts past the one before.
    QList<QRect> cells;
    for (QMdiSubWindow *window : c.windows()) {
        QVERIFY(!window->isMaximized());
        cells << window->geometry();
    }
    std::sort(cells.begin(), cells.end(), [](const QRect &a, const QRect &b) { return a.y() + a.x() < b.y() + b.x(); });
    const QRect area = c.area();
    for (int i = 0; i < 3; ++i) {
        const QRect cell = cells[i];
        const QRect before = i ? cells[i - 1] : QRect();
        if (command == 0) {
            QVERIFY(!i || (cell.x() > before.x() && cell.y() > before.y()));
        } else if (command == 1) {
            QCOMPARE(QPair(cell.left(), cell.width()), QPair(area.left(), area.width()));
            QCOMPARE(cell.top(), i ? before.bottom() + 1 : area.top());
        } else {
            QCOMPARE(QPair(cell.top(), cell.height()), QPair(area.top(), area.height()));
            QCOMPARE(cell.left(), i ? before.right() + 1 : area.left());
        }
    }
    if (command == 0)
        return;
    QCOMPARE(command == 1 ? cells.back().bottom() : cells.back().right(),
             command == 1 ? area.bottom() : area.right());
    // The active window comes first; a minimised one stays out.
    QCOMPARE(c.frame->subWindowOf(c.frame->activeCard())->geometry(), cells.front());
    c.window(1)->showMinimized();
    c.frame->Mnu_OutPro_Click(command);
    QVERIFY(c.window(1)->isMinimized());
    if (command == 2)
        QCOMPARE(c.window(2)->width() + c.window(3)->width(), area.width());
}

void tst_card_windows::statesAndIcons()
{
    Cards c(3);
    c.frame->Mnu_OutPro_Click(8);
    QVERIFY(c.frame->subWindowOf(c.frame->activeCard())->isMaximized());
    c.frame->Mnu_OutPro_Click(6);
    for (QMdiSubWindow *window : c.windows())
        QVERIFY(!window->isMinimized() && !window->isMaximized());

    // Minimised, then lined up along the bottom from the left.
    c.frame->Mnu_OutPro_Click(7);
    for (QMdiSubWindow *window : c.windows())
        window->move(40, 40);
    c.frame->Mnu_OutPro_Click(13);
    QList<QRect> icons;
    for (QMdiSubWindow *window : c.windows()) {
        QVERIFY(window->isMinimized());
        icons << window->geometry();
    }
    std::sort(icons.begin(), icons.end(), [](const QRect &a, const QRect &b) { return a.left() < b.left(); });
    QCOMPARE(icons.front().left(), c.area().left());
    for (int i = 0; i < icons.size(); ++i) {
        QCOMPARE(icons[i].bottom(), c.area().bottom());
        QVERIFY(!i || icons[i].left() > icons[i - 1].right());
    }
    QCOMPARE(c.frame->cards().size(), 3);
}

void tst_card_windows::closing()
{
    Cards c(4);
    // The window active before takes over.
    c.prompts.queueMessage(Msg::No);
    c.frame->Mnu_OutPro_Click(10);
    QCOMPARE(c.prompts.messages.back().title, QStringLiteral("Enregistrer - [Projet4] ?"));
    QCOMPARE(c.frame->activeCard()->Caption(), QStringLiteral("Projet3"));
    // File 2 does the same; a refusal keeps the window.
    c.prompts.queueMessage(Msg::Cancel);
    c.frame->Mnu_Outfich_Click(2);
    QCOMPARE(c.frame->cards().size(), 3);

    // Closing all stops at a refusal, then goes to the end.
    c.prompts.queueMessage(Msg::No);
    c.prompts.queueMessage(Msg::Cancel);
    c.frame->Mnu_OutPro_Click(11);
    QCOMPARE(c.frame->cards().size(), 2);
    c.prompts.queueMessage(Msg::No);
    c.prompts.queueMessage(Msg::No);
    c.frame->Mnu_OutPro_Click(11);
    QVERIFY(c.frame->cards().isEmpty() && !c.frame->activeCard());
    QCOMPARE(c.frame->objectCount(), 0);
    QCOMPARE(c.prompts.pendingAnswers(), 0);
}

void tst_card_windows::commandsWithoutCards()
{
    Cards c(0);
    for (int index = 0; index <= 13; ++index)
        c.frame->Mnu_OutPro_Click(index);
    c.frame->Mnu_Outfich_Click(2);
    c.frame->Mnu_OutAff_Click(9);
    c.frame->Option_Click(6);
    QVERIFY(c.frame->Color(0)->tag.isEmpty());
    QVERIFY(c.prompts.messages.empty());
    QVERIFY(c.frame->isVisible());
}

void tst_card_windows::hostServices()
{
    Cards c(1);
    frmMenu &frame = *c.frame;
    // A row chosen by the card runs the list's handler, as a user's choice.
    c.takeCommands();
    frame.setObjectIndex(1);
    frame.setObjectIndex(7);
    QCOMPARE(frame.objectIndex(), -1);
    QCOMPARE(c.takeCommands(), (Calls{{"Objets_Click", 1}, {"Objets_Click", -1}}));

    // Writing the text box's own text again does not run its handler (which
    // would select the label again).
    frame.setTextAText(QStringLiteral("Atelier du Port"));
    c.takeCommands();
    frame.setTextAText(QStringLiteral("Atelier du Port"));
    QVERIFY(c.takeCommands().empty());

    // One orientation at a time; out of range changes nothing; selected
    // from the card it only shows.
    QTest::mouseClick(frame.Option(6), Qt::LeftButton);
    QTest::mouseClick(frame.Option(8), Qt::LeftButton);
    QVERIFY(!frame.Option(6)->isChecked());
    frame.Option_Click(9);
    frame.selectOption(2);
    QVERIFY(frame.Option(2)->isChecked());
    QCOMPARE(frame.Color(0)->tag, QStringLiteral("8"));
    QCOMPARE(frame.activeCard()->NumOption, 8);
}

QTEST_MAIN(tst_card_windows)
#include "tst_card_windows.moc"
