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
            frame->newCard();
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

QRect transposed(const QRect &r)
{
    return QRect(r.y(), r.x(), r.height(), r.width());
}

} // namespace

class tst_card_windows : public QObject {
    Q_OBJECT
private slots:
    void newCardsAndWhatTheyUseOfTheFrame();
    void tiles_data();
    void tiles();
    void cascadeStatesAndIcons();
    void windowListAndClosing();
};

void tst_card_windows::newCardsAndWhatTheyUseOfTheFrame()
{
    Cards c(2);
    frmProjet *first = c.frame->cards().at(0);
    QVERIFY(c.window(2)->pos() != c.window(1)->pos());

    // Activation puts the card's gradient on the panel.
    first->doc().Color1 = 0x0000FF;
    first->doc().NumOption = 4;
    c.frame->mdiArea()->setActiveSubWindow(c.window(1));
    QCOMPARE(c.frame->swatchColor(0), OleColor(0x0000FF));
    QVERIFY(c.frame->Option(4)->isChecked());
    QCOMPARE(c.frame->Color(0)->tag, QStringLiteral("4"));
    c.frame->mdiArea()->setActiveSubWindow(c.window(2));
    QCOMPARE(c.frame->swatchColor(0), Colors::White);

    // A new card opens maximised when the active one is.
    c.window(2)->showMaximized();
    c.frame->newCard();
    QVERIFY(c.window(3)->isMaximized());

    // A row chosen by the card runs the list's handler, as a user's choice.
    c.takeCommands();
    c.frame->setObjectIndex(1);
    c.frame->setObjectIndex(7);
    QCOMPARE(c.frame->objectIndex(), -1);
    QCOMPARE(c.takeCommands(), (Calls{{"Objets_Click", 1}, {"Objets_Click", -1}}));
}

void tst_card_windows::tiles_data()
{
    QTest::addColumn<int>("command");
    QTest::newRow("one above another") << 1;
    QTest::newRow("side by side") << 2;
}

void tst_card_windows::tiles()
{
    QFETCH(int, command);
    Cards c(3);
    c.window(2)->showMaximized();
    c.frame->Mnu_OutPro_Click(command);
    // Side by side is one above another with the axes swapped: full-width
    // bands, each starting where the one before ends, the active one first.
    const auto along = [command](const QRect &r) { return command == 1 ? r : transposed(r); };
    const QRect area = along(c.area());
    QList<QRect> cells;
    for (QMdiSubWindow *window : c.windows())
        cells << along(window->geometry());
    std::sort(cells.begin(), cells.end(), [](const QRect &a, const QRect &b) { return a.top() < b.top(); });
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(QPair(cells[i].left(), cells[i].width()), QPair(area.left(), area.width()));
        QCOMPARE(cells[i].top(), i ? cells[i - 1].bottom() + 1 : area.top());
    }
    QCOMPARE(cells.back().bottom(), area.bottom());
    QCOMPARE(along(c.frame->subWindowOf(c.frame->activeCard())->geometry()), cells.front());
    // A minimised window stays out.
    c.window(1)->showMinimized();
    c.frame->Mnu_OutPro_Click(command);
    QVERIFY(c.window(1)->isMinimized());
    if (command == 2)
        QCOMPARE(c.window(2)->width() + c.window(3)->width(), c.area().width());
}

void tst_card_windows::cascadeStatesAndIcons()
{
    Cards c(3);
    for (QMdiSubWindow *window : c.windows())
        window->move(0, 0);
    c.window(2)->showMaximized();
    c.frame->Toolbar1_ButtonClick(7);
    QList<QPoint> corners;
    for (QMdiSubWindow *window : c.windows())
        corners << window->pos();
    std::sort(corners.begin(), corners.end(), [](QPoint a, QPoint b) { return a.y() < b.y(); });
    QVERIFY(corners[0].x() < corners[1].x() && corners[1].x() < corners[2].x());
    QVERIFY(corners[0].y() < corners[1].y() && corners[1].y() < corners[2].y());
    // Each window keeps a size that shows its whole card, not a title bar.
    for (frmProjet *card : c.frame->cards()) {
        const QRect shown(card->cardView()->mapTo(card, QPoint()), card->cardView()->size());
        QVERIFY2(card->rect().contains(shown), qPrintable(card->Caption()));
        QVERIFY(c.area().contains(c.frame->subWindowOf(card)->geometry()));
    }

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
    int left = c.area().left();
    for (QMdiSubWindow *window : c.windows()) {
        QVERIFY(window->isMinimized());
        QCOMPARE(window->geometry().bottomLeft(), QPoint(left, c.area().bottom()));
        left += window->width();
    }
}

void tst_card_windows::windowListAndClosing()
{
    {
        Cards none(0);
        for (int index = 0; index <= 13; ++index)
            none.frame->Mnu_OutPro_Click(index);
        QVERIFY(none.prompts.messages.empty());
    }
    Cards c(4);
    QMenu *list = c.frame->windowListMenu();
    const auto entries = [list] {
        emit list->aboutToShow();
        QStringList texts;
        for (QAction *entry : list->actions())
            texts << entry->text() + (entry->isChecked() ? QStringLiteral("*") : QString());
        return texts;
    };
    QCOMPARE(entries(), QStringList({"&1 Projet1", "&2 Projet2", "&3 Projet3", "&4 Projet4*"}));
    list->actions().at(1)->trigger();
    QCOMPARE(c.frame->activeCard()->Caption(), QStringLiteral("Projet2"));

    // The window active before takes over; the list forgets the closed one.
    c.prompts.queueMessage(Msg::No);
    c.frame->Mnu_OutPro_Click(10);
    QCOMPARE(c.prompts.messages.back().title, QStringLiteral("Enregistrer - [Projet2] ?"));
    QCOMPARE(entries(), QStringList({"&1 Projet1", "&2 Projet3", "&3 Projet4*"}));
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

QTEST_MAIN(tst_card_windows)
#include "tst_card_windows.moc"
