// The main frame: its menus and toolbar reaching their commands, the status bar's read-outs, start-up, the panel's
// pages, the autosave switch, the quit confirmation; the card windows in its area (activation, the window list, the
// Window menu); the settings file Brivadune.ini (values read, where reading stops, what the frame writes and reads).
#include "AppTestFrame.h"
#include "FileDrop.h"

#include "app/Autosave.h"
#include "app/FrameLayout.h"
#include "app/FrameStatusBar.h"
#include "app/Settings.h"
#include "app/merge/MergeDialog.h"
#include "app/panel/ColorSwatch.h"
#include "app/panel/TabStrip.h"
#include "platform/ProfileFile.h"
#include "printing/DigitField.h"
#include "printing/frmPrint.h"

#include <QAction>
#include <QCheckBox>
#include <QDateTime>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QSignalSpy>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {

// Clicks a tab of the panel; the one page then shown (-1: more than one).
int showTab(const ToolPanel &panel, int tab)
{
    QTest::mouseClick(panel.Tab1(), Qt::LeftButton, {}, panel.Tab1()->tabRect(tab - 1).center());
    int shown = 0;
    for (int i = 1; i <= 4; ++i)
        shown = panel.PictA(i)->isHidden() ? shown : shown ? -1 : i;
    return shown;
}

// A complete file as the frame writes it, with `changes` (an empty value removes the key).
QByteArray settingsFile(const QMap<QString, QString> &changes = {})
{
    QByteArray out;
    for (const char *line : {"[MENU]", "Outils=Faux", "Gestion=Faux", "Statut=Faux", "[OPTIONS]", "BulleAide=1",
                             "Verouiller=1", "Palette2D=1", "Onglet=3", "[DIVERS]", "Windows=0", "Hauteur=9000",
                             "Largeur=10500", "PositionX=600", "PositionY=900"}) {
        const QString key = QString::fromLatin1(line).section(u'=', 0, 0);
        const QString value = changes.value(key, QString::fromLatin1(line).section(u'=', 1));
        if (key.startsWith(u'[') || !value.isEmpty())
            out += (key.startsWith(u'[') ? key : key + u'=' + value).toUtf8() + "\r\n";
    }
    return out;
}

Settings::Values valuesOf(const QByteArray &bytes)
{
    TestSupport::TempAppDir dir;
    if (!dir.writeFile(QString("Brivadune.ini"), bytes))
        return {};
    return Settings::readValues(ProfileFile(Settings::filePath(dir.path())), 4);
}

} // namespace

class tst_frame : public QObject {
    Q_OBJECT
private slots:
    void menusReachTheirHandlers();
    void toolbarButtonsAndTheBackground();
    void statusBarFollowsTheActiveCard();
    void startUpPagesAndAutosave();
    void quitConfirmation();
    void activationShowsTheCardOnThePanel();
    void arrangements();
    void windowListAndClosing();
    void readingStopsAtTheFirstBadValue();
    void writtenFileReadsBack();
    void cardMergedWithAList();
    void droppedAndRecentProjects();
};

void tst_frame::menusReachTheirHandlers()
{
    FrameFixture f;
    QVERIFY(f.start());
    const FrameMenus &menus = f.menus();
    QSignalSpy commands(f.frame.get(), &frmMenu::commandRun);
    QWidget *bars[] = {menus.toolbar(), &f.panel(), &f.status()};
    for (int m = int(Menu::File); m <= int(Menu::Logo); ++m) {
        const Menu menu = Menu(m);
        // The menu bar holds the seven main menus only.
        QCOMPARE(f.frame->menuBar()->actions().contains(menus.menu(menu)->menuAction()), menu < Menu::Scan);
        for (int i = 0; i < 20; ++i) {
            QAction *item = menus.action(menu, i);
            // Greyed items ("Annuler" and "Rétablir" with nothing to take
            // back or give again) do nothing.
            if (!item || item->isSeparator() || item->menu() || !item->isEnabled())
                continue;
            // Chosen, it runs its menu's handler with its own index.
            f.prompts.queueMessage(Msg::No); // "Quitter" asks: stay open
            commands.clear();
            item->trigger();
            f.frame->showNormal();
            QCOMPARE(commands.value(0), QVariantList({CommandTable::arrayName(menu) + u"_Click"_s, i}));
            // Only the three bars carry a check mark, ticked at start; a click flips it once, the handler by index
            // flips it back.
            const bool bar = menu == Menu::View && i <= 2;
            QCOMPARE(item->isCheckable(), bar);
            if (bar) {
                QVERIFY(!item->isChecked() && bars[i]->isHidden());
                f.frame->Mnu_OutAff_Click(i);
                QVERIFY(item->isChecked() && !bars[i]->isHidden());
            }
        }
    }
    QVERIFY(menus.action(Menu::File, 7)->menu() == menus.menu(Menu::Scan));
    QVERIFY(menus.action(Menu::Window, 4)->menu() == menus.windowList());
    // The context menus open on their first item.
    QVERIFY(menus.menu(Menu::Label)->defaultAction() == menus.action(Menu::Label, 0)
            && menus.menu(Menu::Logo)->defaultAction() == menus.action(Menu::Logo, 0));
}

void tst_frame::toolbarButtonsAndTheBackground()
{
    FrameFixture f;
    QVERIFY(f.start());
    // A double click on the empty background opens a project file, not one on a card window.
    const auto doubleClick = [](QWidget *on) { QTest::mouseDClick(on, Qt::LeftButton, {}, on->rect().center()); };
    QCOMPARE(f.shownBy([&] { doubleClick(f.windows().area()->viewport()); }),
             QStringList{u"Ouvrir un fichier projet..."_s});
    f.frame->newCard();
    QCOMPARE(f.shownBy([&] { doubleClick(f.windows().area()->subWindowList().constFirst()); }), QStringList());
    // Each toolbar button as a user clicks it, and what it shows.
    QToolBar *bar = f.menus().toolbar();
    const std::pair<int, const char *> buttons[] = {{1, "frmAssist"},  {2, "Ouvrir un fichier projet..."},
                                                    {4, "Enregistrez le fichier sous..."}, {5, "frmPrint"},
                                                    {11, "Aide.chm"},  {12, "frmAbout"}, {14, "Quitter Brivadune"}};
    for (const auto &[index, expected] : buttons) {
        if (index == 14)
            f.prompts.queueMessage(Msg::No); // stay open
        QWidget *button = bar->widgetForAction(bar->actions().at(index - 1));
        QCOMPARE(f.shownBy([button] { QTest::mouseClick(button, Qt::LeftButton); }),
                 QStringList{QString::fromUtf8(expected)});
    }
}

void tst_frame::statusBarFollowsTheActiveCard()
{
    FrameFixture f;
    QVERIFY(f.start());
    const FrameStatusBar &status = f.status();
    const auto panels = [&status] {
        return QStringList({status.panel(1)->text(), status.panel(2)->text(), status.panel(3)->text()});
    };
    QCOMPARE(panels(), QStringList({"Brivadune", "0.00 x 0.00 cm", "X : 00.00 - Y : 00.00"}));
    frmProjet *first = f.frame->newCard();
    QTest::mouseMove(first->cardView(), QPoint(38, 95));
    QCOMPARE(panels(), QStringList({"Brivadune", "8.40 x 5.40 cm", "X : 01.01 - Y : 02.51"}));
    // Another card: its size, and its pointer only.
    f.frame->newCard()->doc().setSize(2835, 1701);
    QTest::mouseMove(first->cardView(), QPoint(1, 1));
    QCOMPARE(panels(), QStringList({"Brivadune", "5.00 x 3.00 cm", "X : 01.01 - Y : 02.51"}));
    f.windows().area()->setActiveSubWindow(qobject_cast<QMdiSubWindow *>(first->parentWidget()));
    QCOMPARE(status.panel(2)->text(), u"8.40 x 5.40 cm"_s);
    // A notice (a job handed to a printer) takes the first panel for a while.
    f.status().showNotice(u"Impression envoyée à Bureau (1 planche(s))."_s, 100);
    QVERIFY(status.panel(1)->text() == u"Impression envoyée à Bureau (1 planche(s))."_s && status.panel(2)->isHidden());
    QTRY_COMPARE(status.panel(1)->text(), u"Brivadune"_s);
    QVERIFY(!status.panel(2)->isHidden());
}

void tst_frame::startUpPagesAndAutosave()
{
    FrameFixture f;
    ToolPanel &panel = f.panel();
    panel.Niveau()->setCurrentIndex(3);
    QVERIFY(f.frame->MDIForm_Load());
    QVERIFY(QDir(f.dir.filePath(u"Projets"_s)).exists());
    // The move step is "Normal" at every start; the frame centred at its design size.
    QCOMPARE(panel.Niveau()->currentIndex(), 1);
    const QRect screen = f.frame->screen()->geometry();
    const QSize size(FrameLayout::DesignWidthPx, FrameLayout::DesignHeightPx);
    QCOMPARE(f.frame->geometry(),
             QRect(screen.topLeft() + QPoint(screen.width() - size.width(), screen.height() - size.height()) / 2,
                   size));
    f.frame->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.frame.get()));
    QVERIFY(showTab(panel, 2) == 2 && showTab(panel, 3) == 3 && showTab(panel, 1) == 1 && f.texts().isEmpty());
    // "Palette 2D" says what its effects do each time, until the box on its page is ticked.
    for (int round = 1; round <= 3; ++round) {
        if (round == 3)
            panel.Check1(3)->click();
        QVERIFY(showTab(panel, 4) == 4 && showTab(panel, 1) == 1);
        QCOMPARE(std::pair(int(f.prompts.messages.size()), f.prompts.messages.back().title),
                 std::pair(std::min(round, 2), u"Palette 2D"_s));
    }
    // Autosave, off at start: ticked and confirmed, every 60 seconds; unticked, off without a message; cancelled
    // (the default answer), the box unticks itself. The other boxes of the page ask nothing.
    QCheckBox *box = panel.Check1(1);
    const QTimer *timer = f.autosave().Timer1();
    QVERIFY(!timer->isActive());
    f.prompts.queueMessage(Msg::Ok);
    box->click();
    QCOMPARE(f.prompts.messages.back().style, int(Msg::OkCancel | Msg::Information | Msg::DefaultButton2));
    QVERIFY(box->isChecked() && timer->isActive() && timer->interval() == 60000);
    box->click();
    QVERIFY(!timer->isActive() && f.prompts.messages.size() == 3);
    box->click();
    panel.Check1(0)->click();
    panel.Check1(2)->click();
    QVERIFY(f.prompts.messages.size() == 4 && !box->isChecked() && !timer->isActive());
}

void tst_frame::quitConfirmation()
{
    FrameFixture f;
    QVERIFY(f.start());
    f.frame->newCard();
    f.frame->newCard();
    const QString tempo = f.dir.filePath(u"Tempo.bmp"_s), settings = f.dir.filePath(u"Brivadune.ini"_s);
    // No (the default button): nothing closes, nothing is written, but the picture left for an outside editor goes.
    QVERIFY(f.dir.writeFile(u"Tempo.bmp"_s, "BM"));
    QVERIFY(!f.frame->close());
    QCOMPARE(f.texts(), QStringList{u"Souhaitez-vous vraiment quitter l'application ?"_s});
    QCOMPARE(f.prompts.messages[0].style, int(Msg::YesNo | Msg::Question | Msg::DefaultButton2));
    QVERIFY(f.frame->isVisible() && f.cards().size() == 2 && !QFile::exists(tempo) && !QFile::exists(settings));
    // Yes, but a card refuses to close (Projet2 closes unsaved, Projet1 stays): the application stays, the settings are
    // written first.
    f.queueMessages({Msg::Yes, Msg::No, Msg::Cancel});
    QVERIFY(!f.frame->close());
    QCOMPARE(f.prompts.messages[2].title, u"Enregistrer - [Projet2] ?"_s);
    QVERIFY(f.frame->isVisible() && f.cards().size() == 1 && QFile::exists(settings));
    // Yes: every card window closes, then the frame.
    QVERIFY(f.dir.writeFile(u"Tempo.bmp"_s, "BM"));
    f.queueMessages({Msg::Yes, Msg::No});
    QVERIFY(f.frame->close());
    QVERIFY(!f.frame->isVisible() && f.cards().isEmpty() && !QFile::exists(tempo) && f.prompts.pendingAnswers() == 0);
}

void tst_frame::activationShowsTheCardOnThePanel()
{
    FrameFixture c;
    QVERIFY(c.startWithCards(2));
    frmProjet *first = c.cards().at(0);
    // Only the active card's changes reach the panel; activation shows the card's items, its first row chosen, and
    // its gradient's colours, without painting them over a picture background.
    first->doc().editLabel(1, [](CardLabel &l) { l.setCaption(QString("Ailleurs")); });
    QCOMPARE(c.rows().first(), QString("Lb1 | ZONE DE TEXTE"));
    QImage blue(8, 4, QImage::Format_RGB32);
    blue.fill(Qt::blue);
    QVERIFY(blue.save(c.dir.filePath(u"fond.png"_s)));
    first->doc().setBackground({2, 0x0000FF, 0, 0, 4, c.dir.filePath(u"fond.png"_s)});
    c.windows().area()->setActiveSubWindow(c.subWindow(1));
    QCOMPARE(std::tuple(c.panel().Color(0)->backColor(), c.panel().Option(4)->isChecked(),
             first->Picture1().point(0, 0)),
             std::tuple(OleColor(0x0000FF), true, OleColor(0xFF0000)));
    QCOMPARE(std::pair(c.panel().Objets()->currentText(), c.panel().TextA()->text()),
             std::pair(QString("Lb1 | Ailleurs"), QString("Ailleurs")));
    c.windows().area()->setActiveSubWindow(c.subWindow(2));
    QCOMPARE(std::pair(c.panel().Color(0)->backColor(), c.panel().Objets()->currentText()),
             std::pair(Colors::White, QString("Lb1 | ZONE DE TEXTE")));
    // A new card opens below and to the right of the one before.
    const QPoint step = c.subWindow(2)->pos() - c.subWindow(1)->pos();
    QVERIFY(step.x() > 0 && step.y() > 0);
}

void tst_frame::arrangements()
{
    FrameFixture c;
    QVERIFY(c.startWithCards(3));
    const QRect area = c.windows().area()->viewport()->rect();
    const auto geometries = [&c] {
        return QList<QRect>{c.subWindow(1)->geometry(), c.subWindow(2)->geometry(), c.subWindow(3)->geometry()};
    };
    // Tiled one above another (Window 1) or side by side (2, the same with the axes swapped): full bands, each where
    // the one before ends, the active one first; a minimised window stays out.
    for (int command : {1, 2}) {
        c.subWindow(1)->showNormal();
        c.subWindow(2)->showMaximized();
        c.frame->Mnu_OutPro_Click(command);
        const auto along = [command](QRect r) { return command == 1 ? r : QRect(r.y(), r.x(), r.height(), r.width()); };
        const QRect band = along(area);
        QList<QRect> cells;
        for (const QRect &r : geometries())
            cells << along(r);
        std::sort(cells.begin(), cells.end(), [](const QRect &a, const QRect &b) { return a.top() < b.top(); });
        for (int i = 0; i < 3; ++i)
            QCOMPARE(QRect(cells[i].left(), cells[i].top(), cells[i].width(), 0),
                     QRect(band.left(), i ? cells[i - 1].bottom() + 1 : band.top(), band.width(), 0));
        QCOMPARE(cells.back().bottom(), band.bottom());
        QCOMPARE(along(c.frame->activeCard()->parentWidget()->geometry()), cells.front());
        c.subWindow(1)->showMinimized();
        c.frame->Mnu_OutPro_Click(command);
        QVERIFY(c.subWindow(1)->isMinimized());
        if (command == 2)
            QCOMPARE(c.subWindow(2)->width() + c.subWindow(3)->width(), area.width());
    }
    // Cascade (the toolbar's button), a maximised window among them: corners down and to the right, inside the area.
    c.frame->Mnu_OutPro_Click(6);
    c.subWindow(2)->showMaximized();
    QToolBar *bar = c.menus().toolbar();
    QTest::mouseClick(bar->widgetForAction(bar->actions().at(6)), Qt::LeftButton);
    QList<QRect> cascade = geometries();
    std::sort(cascade.begin(), cascade.end(), [](QRect a, QRect b) { return a.y() < b.y(); });
    for (int i = 1; i < 3; ++i)
        QVERIFY(cascade[i - 1].x() < cascade[i].x() && cascade[i - 1].y() < cascade[i].y());
    QVERIFY(area.contains(cascade[0]) && area.contains(cascade[1]) && area.contains(cascade[2]));
    // Minimised, then lined up along the bottom.
    c.frame->Mnu_OutPro_Click(7);
    for (int i = 1; i <= 3; ++i)
        c.subWindow(i)->move(40, 40);
    c.frame->Mnu_OutPro_Click(13);
    int left = area.left();
    for (int i = 1; i <= 3; ++i) {
        QVERIFY(c.subWindow(i)->isMinimized());
        QCOMPARE(c.subWindow(i)->geometry().bottomLeft(), QPoint(left, area.bottom()));
        left += c.subWindow(i)->width();
    }
}

void tst_frame::windowListAndClosing()
{
    FrameFixture c;
    QVERIFY(c.startWithCards(4));
    QMenu *list = c.menus().windowList();
    const auto entries = [list] {
        emit list->aboutToShow();
        QStringList texts;
        for (QAction *entry : list->actions())
            texts << entry->text() + (entry->isChecked() ? QString("*") : QString());
        return texts;
    };
    QCOMPARE(entries(), QStringList({"&1 Projet1", "&2 Projet2", "&3 Projet3", "&4 Projet4*"}));
    list->actions().at(1)->trigger();
    QCOMPARE(c.frame->activeCard()->Caption(), QString("Projet2"));
    // The window active before takes over; the list forgets the closed one.
    c.prompts.queueMessage(Msg::No);
    c.frame->Mnu_OutPro_Click(10);
    QCOMPARE(c.prompts.messages.back().title, QString("Enregistrer - [Projet2] ?"));
    QCOMPARE(entries(), QStringList({"&1 Projet1", "&2 Projet3", "&3 Projet4*"}));
    // File 2 does the same; a refusal keeps the window.
    c.prompts.queueMessage(Msg::Cancel);
    c.frame->Mnu_Outfich_Click(2);
    QCOMPARE(c.cards().size(), 3);
    // Closing all stops at a refusal, then goes to the end; the panel empties.
    c.queueMessages({Msg::No, Msg::Cancel});
    c.frame->Mnu_OutPro_Click(11);
    QCOMPARE(c.cards().size(), 2);
    c.queueMessages({Msg::No, Msg::No});
    c.frame->Mnu_OutPro_Click(11);
    QVERIFY(c.cards().isEmpty() && !c.frame->activeCard() && c.rows().isEmpty() && c.prompts.pendingAnswers() == 0);
}

void tst_frame::readingStopsAtTheFirstBadValue()
{
    // How many values (3 bars, 3 boxes, tab, mode, height, width, top, left) are read before the bad one.
    const std::tuple<const char *, const char *, int> files[] = {
        {"", "", 12},           {"Outils", "", 0},       {"Statut", "peut-être", 2}, {"Verouiller", "5", 4},
        {"Palette2D", "", 5},   {"Onglet", "0", 6},      {"Onglet", "5", 6},         {"Windows", "max", 7},
        {"Windows", "70000", 7}, {"Windows", "1", 12},   {"Windows", "2", 8},        {"Windows", "3", 8},
        {"Hauteur", "-5", 8},   {"Largeur", "1e30", 9},  {"PositionX", "haut", 10},  {"PositionY", "", 11}};
    for (const auto &[key, value, read] : files) {
        const Settings::Values v = valuesOf(settingsFile({{key, value}}));
        const bool present[] = {bool(v.bars[0]), bool(v.bars[1]),  bool(v.bars[2]), bool(v.boxes[0]),
                                bool(v.boxes[1]), bool(v.boxes[2]), bool(v.tab),     bool(v.windowMode),
                                bool(v.height),   bool(v.width),    bool(v.top),     bool(v.left)};
        for (int i = 0; i < 12; ++i)
            QVERIFY2(present[i] == (i < read), qPrintable(QString("%1=%2: %3").arg(key, value).arg(i)));
        // A mode that stops the reading is kept as read.
        if (read > 7)
            QCOMPARE(*v.windowMode, qstrcmp(key, "Windows") ? 0 : QString::fromLatin1(value).toInt());
    }
    // The values as read, decimals with a comma as a French system writes them, or a point.
    const Settings::Values v = valuesOf(settingsFile({{"Hauteur", "8662,5"}, {"Largeur", "9007.4"}}));
    QVERIFY(!*v.bars[0] && !*v.bars[1] && !*v.bars[2] && *v.boxes[0] && *v.boxes[1] && *v.boxes[2]);
    QCOMPARE(std::tuple(*v.tab, *v.height, float(*v.width), *v.top, *v.left),
             std::tuple(3, 8662.5, 9007.4f, 600.0, 900.0));
}

void tst_frame::writtenFileReadsBack()
{
    TestSupport::TempAppDir dir;
    const auto write = [&dir](int tab) {
        FrameFixture f(dir.path());
        f.frame->resize(700, 600);
        f.frame->move(30, 20);
        f.frame->showBar(0, false);
        f.frame->showBar(2, false);
        f.panel().Check1(0)->setChecked(true);
        f.panel().Check1(3)->setChecked(true);
        f.panel().selectTab(tab);
        f.frame->Ecrire_Options();
    };
    write(4);
    // PositionX is the top edge, PositionY the left edge.
    QCOMPARE(dir.readFile(QString("Brivadune.ini")),
             settingsFile({{"Gestion", "Vrai"}, {"Verouiller", "0"}, {"Onglet", "4"}, {"PositionX", "300"},
                          {"PositionY", "450"}}));
    // A section the frame does not own (the scanner's source) is kept; a file that cannot be replaced (a full disk)
    // stays whole.
    QVERIFY(dir.writeFile(QString("Brivadune.ini"),
            dir.readFile(QString("Brivadune.ini")) + "[SCANNER]\r\nSource=test:1\r\n"));
    write(4);
    const QByteArray written = dir.readFile(QString("Brivadune.ini"));
    QVERIFY(written.endsWith("[SCANNER]\r\nSource=test:1\r\n"));
    TestSupport::underFileSizeLimit(64, [&write] { return write(2), true; });
    QCOMPARE(dir.readFile(QString("Brivadune.ini")), written);

    // The next start puts everything back, with no "Palette 2D" message.
    FrameFixture next(dir.path());
    QVERIFY(next.frame->MDIForm_Load());
    QVERIFY(!next.frame->barShown(0) && next.frame->barShown(1) && !next.frame->barShown(2));
    QVERIFY(next.menus().toolbar()->isHidden() && next.status().isHidden());
    QVERIFY(next.panel().Check1(0)->isChecked() && !next.panel().Check1(2)->isChecked());
    QVERIFY(!next.panel().PictA(4)->isHidden() && next.prompts.messages.empty());
    QCOMPARE(next.frame->geometry(), QRect(30, 20, 700, 600));
    // Left maximised, the sizes and place of the last normal run stay.
    next.frame->showMaximized();
    QTRY_VERIFY(next.frame->isMaximized());
    next.frame->Ecrire_Options();
    QList<QByteArray> expected = written.split('\n');
    expected[10] = "Windows=2\r";
    QCOMPARE(dir.readFile(u"Brivadune.ini"_s).split('\n').mid(9), expected.mid(9));
    // A folder where the file should be: said once, whatever the attempts.
    QVERIFY(QFile::remove(Settings::filePath(dir.path())) && QDir().mkpath(Settings::filePath(dir.path())));
    next.frame->Ecrire_Options();
    next.frame->Ecrire_Options();
    QCOMPARE(next.texts(),
             QStringList{QString("Les options n'ont pas pu être enregistrées dans le fichier \"%1\" : "
                                                      "les options actuelles seront perdues à la fermeture.")
                                           .arg(Settings::filePath(dir.path()))});
}

void tst_frame::cardMergedWithAList()
{
    FrameFixture f;
    QVERIFY(f.dir.writeFile(u"formats.ini"_s, "Dix par planche | 10.15.0.0.2.5\r\n"));
    frmProjet *card = f.startWithCard();
    QVERIFY(card && f.dir.writeFile(u"equipe.csv"_s, "Nom;Ville\r\nAna;Brest\r\nBob;Vannes\r\nCyr;Rennes\r\n"));
    QVERIFY(card->doc().editLabel(1, [](CardLabel &l) { l.setCaption(u"{Nom} de {ville}"_s); }));
    // The list chosen in the open dialog, then the dialog's Ok: the card
    // shows record 1 filled; the status bar pages through the records.
    f.prompts.queueFile(f.dir.filePath(u"equipe.csv"_s));
    f.dialogs.onModal = [](QDialog &) { return int(MergeDialog::Merged); };
    f.frame->Mnu_Outfich_Click(15);
    QCOMPARE(card->shownCard().Label(1)->Caption(), u"Ana de Brest"_s);
    QLabel *record = nullptr;
    for (QLabel *label : f.status().findChildren<QLabel *>())
        record = label->text().startsWith(u"Fiche"_s) ? label : record;
    QVERIFY(record && record->isVisible() && record->text() == u"Fiche 1/3"_s);
    for (QToolButton *step : f.status().findChildren<QToolButton *>())
        if (step->toolTip() == u"Fiche suivante"_s)
            step->click(), step->click(), step->click(); // stops at the last
    QCOMPARE(std::pair(record->text(), card->shownCard().Label(1)->Caption()),
             std::pair(u"Fiche 3/3"_s, u"Cyr de Rennes"_s));
    // The typed text is what the panel edits and the file keeps.
    QCOMPARE(f.panel().TextA()->text(), u"{Nom} de {ville}"_s);
    const QString saved = f.dir.filePath(u"fusion.prj"_s);
    QVERIFY(card->Projet_Sauver(saved));
    const QByteArray bytes = TestSupport::readBytes(saved);
    QVERIFY2(bytes.contains("Caption={Nom} de {ville}\r\n") && bytes.contains("[FUSION]\r\nFichier="), bytes);
    // The print window counts the sheets the three cards fill, ten a sheet,
    // and keeps the count from being typed over.
    QString total;
    bool editable = true;
    f.dialogs.onModal = [&](QDialog &d) {
        if (auto *print = qobject_cast<frmPrint *>(&d))
            total = print->Text3(0)->text(), editable = print->Text3(0)->isEnabled();
        return int(QDialog::Rejected);
    };
    f.frame->Mnu_Outfich_Click(11);
    QCOMPARE(std::pair(total, editable), std::pair(u"1"_s, false));
}

void tst_frame::droppedAndRecentProjects()
{
    // Nine projects dropped on the frame open as "Ouvrir" opens them, a picture beside them is no project; the last
    // eight are the recent projects, most recent first, in the settings file too.
    TestSupport::TempAppDir dir;
    QStringList paths;
    QStringList files{dir.filePath(u"logo.png"_s)};
    for (int i = 1; i <= 9; ++i) {
        paths.prepend(dir.filePath(u"P%1.prj"_s.arg(i)));
        QVERIFY(dir.writeFile(u"P%1.prj"_s.arg(i), "[FORMAT]\r\nLongueur=4762,8\r\nHauteur=3061,8\r\n"));
        files << paths.first();
    }
    const auto recents = [&dir] {
        RecentProjects kept;
        kept.load(Settings::filePath(dir.path()));
        return kept.files();
    };
    {
        FrameFixture f(dir.path());
        QVERIFY(f.start());
        QVERIFY(TestSupport::dropFiles(f.frame.get(), files, QPoint(300, 300)) && f.prompts.messages.empty());
        QCOMPARE(f.cards().size(), 9);
        QCOMPARE(f.frame->recentProjects().files(), paths.first(8));
        // Saved, the first one is the most recent again.
        f.windows().area()->setActiveSubWindow(f.subWindow(1));
        QVERIFY(f.frame->Sauver_unProjet(false));
        QCOMPARE(recents(), QStringList{paths.last()} + paths.first(7));
    }
    // The next run lists them; an entry whose file is gone is said and taken off, another one opens.
    QVERIFY(QFile::remove(paths.at(1)));
    FrameFixture f(dir.path());
    QVERIFY(f.start());
    emit f.menus().recentList()->aboutToShow();
    f.menus().recentList()->actions().at(2)->trigger();
    f.menus().recentList()->actions().at(3)->trigger();
    QCOMPARE(f.texts(), QStringList{u"Le fichier \"%1\" n'existe plus : il est retiré des projets récents."_s.arg(paths.at(1))});
    QCOMPARE(recents(), QStringList({paths.at(2), paths.last(), paths.at(0)}) + paths.mid(3, 4));
    QCOMPARE(f.cards().size(), 1);
    QCOMPARE(f.cards().at(0)->filePath(), paths.at(2));
}

QTEST_MAIN(tst_frame)
#include "tst_frame.moc"
