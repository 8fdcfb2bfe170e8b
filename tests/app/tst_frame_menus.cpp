// The frame's menus, toolbar, status bar and about box: exact captions at
// their fixed indexes, and every item reaching its handler with its index.
#include "AppTestFrame.h"

#include "app/ColorSwatch.h"
#include "app/frmAbout.h"
#include "platform/Colors.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

namespace {

const char *const Arrays[] = {"Mnu_Outfich", "Mnu_OutEdition", "Mnu_OutAff", "Mnu_OutOutils", "Mnu_OutPal",
                              "Mnu_OutPro",  "Mnu_OutInfo",    "Mnu_OutImp", "Mnu_OutLabel",  "Mnu_OutLogo"};

QString handlerOf(const QString &array)
{
    return array + QStringLiteral("_Click");
}

} // namespace

class tst_frame_menus : public QObject {
    Q_OBJECT
private slots:
    void menuBarTitles();
    void itemsAndSeparatorsAtTheirIndexes();
    void exactCaptions();
    void shortcutsAndCheckMarks();
    void everyItemRunsItsHandlerWithItsIndex();
    void contextMenusOpenOnTheirFirstItem();
    void viewItemsToggleTheBars();
    void viewItemsChangeTheFrameState();
    void toolbarButtons();
    void toolbarButtonsRunTheirMenuCommand();
    void panelControlsReachTheirHandlers();
    void statusBarPanels();
    void aboutBox();
    void doubleClickOnTheBackgroundOpensAFile();
};

void tst_frame_menus::menuBarTitles()
{
    FrameFixture f;
    QStringList titles;
    for (QAction *action : f.frame->menuBar()->actions())
        titles << action->text();
    QCOMPARE(titles, QStringList({"&Fichier", "&Edition", "&Affichage", "&Outils", "&Palette 2D", "&Fenêtre", "&Aide"}));
    // The context menus are not on the bar.
    QVERIFY(!f.frame->menuBar()->actions().contains(f.frame->Mnu_Label()->menuAction()));
    QVERIFY(!f.frame->menuBar()->actions().contains(f.frame->Mnu_Logo()->menuAction()));
    QCOMPARE(f.frame->Mnu_Outils()->title(), QStringLiteral("&Outils"));
}

void tst_frame_menus::itemsAndSeparatorsAtTheirIndexes()
{
    FrameFixture f;
    struct Shape {
        const char *array;
        int size;
        QList<int> separators;
    };
    const Shape shapes[] = {
        {"Mnu_Outfich", 14, {3, 6, 8, 12}}, {"Mnu_OutEdition", 11, {1, 6, 8}}, {"Mnu_OutAff", 10, {3, 6, 8}},
        {"Mnu_OutOutils", 11, {2, 5, 9}},   {"Mnu_OutPal", 13, {1, 4, 8, 10}}, {"Mnu_OutPro", 14, {3, 5, 9, 12}},
        {"Mnu_OutInfo", 9, {1, 4, 7}},      {"Mnu_OutImp", 2, {}},             {"Mnu_OutLabel", 13, {1, 4, 8, 11}},
        {"Mnu_OutLogo", 13, {1, 4, 8, 11}},
    };
    for (const Shape &shape : shapes) {
        const QString array = QString::fromLatin1(shape.array);
        QCOMPARE(f.frame->menuSize(array), shape.size);
        QMenu *menu = f.frame->menuOf(array);
        QVERIFY(menu);
        for (int i = 0; i < shape.size; ++i) {
            QAction *item = f.frame->menuAction(array, i);
            if (array == QLatin1String("Mnu_OutInfo") && i == 5) {
                QVERIFY2(!item, "Help has no item 5");
                continue;
            }
            QVERIFY2(item, qPrintable(QStringLiteral("%1(%2)").arg(array).arg(i)));
            QCOMPARE(item->isSeparator(), shape.separators.contains(i));
            QVERIFY(menu->actions().contains(item));
        }
        // The menu shows its items in index order.
        QList<QAction *> ordered;
        for (int i = 0; i < shape.size; ++i) {
            if (QAction *item = f.frame->menuAction(array, i))
                ordered << item;
        }
        QCOMPARE(menu->actions(), ordered);
    }
    QVERIFY(!f.frame->menuAction(QStringLiteral("Mnu_Outfich"), 14));
    QVERIFY(!f.frame->menuAction(QStringLiteral("Mnu_Outfich"), -1));
    QVERIFY(!f.frame->menuAction(QStringLiteral("Mnu_Nothing"), 0));
}

void tst_frame_menus::exactCaptions()
{
    FrameFixture f;
    auto caption = [&f](const char *array, int index) {
        return f.frame->menuAction(QString::fromLatin1(array), index)->text();
    };
    // Blanks, accents and apostrophes as written.
    QCOMPARE(caption("Mnu_OutAff", 7), QStringLiteral("Normaliser le menu "));
    QCOMPARE(caption("Mnu_OutAff", 5), QStringLiteral("Agrandir le menu sur l'écran"));
    QCOMPARE(caption("Mnu_Outfich", 10), QStringLiteral("Aperçu avant impression"));
    QCOMPARE(caption("Mnu_OutPal", 12), QStringLiteral("Fond incrusté (Engrave)"));
    QCOMPARE(caption("Mnu_OutPro", 11), QStringLiteral("Cloturer toutes les fenêtres"));
    QCOMPARE(caption("Mnu_OutInfo", 8), QStringLiteral("A propos..."));
    QCOMPARE(caption("Mnu_OutImp", 1), QStringLiteral("Sélectionner la source..."));
    QCOMPARE(caption("Mnu_OutLogo", 3), QStringLiteral("Effacer le contenu"));
    QCOMPARE(caption("Mnu_OutLabel", 12), QStringLiteral("Supprimer"));

    // File 7 and Window 4 carry their submenus.
    QCOMPARE(f.frame->menuAction(QStringLiteral("Mnu_Outfich"), 7)->menu(), f.frame->menuOf(QStringLiteral("Mnu_OutImp")));
    QCOMPARE(f.frame->menuAction(QStringLiteral("Mnu_OutPro"), 4)->menu(), f.frame->windowListMenu());
}

void tst_frame_menus::shortcutsAndCheckMarks()
{
    FrameFixture f;
    const std::tuple<const char *, int, QKeySequence> keys[] = {
        {"Mnu_Outfich", 0, QKeySequence(Qt::CTRL | Qt::Key_N)},    {"Mnu_Outfich", 1, QKeySequence(Qt::CTRL | Qt::Key_O)},
        {"Mnu_Outfich", 4, QKeySequence(Qt::CTRL | Qt::Key_S)},    {"Mnu_Outfich", 11, QKeySequence(Qt::CTRL | Qt::Key_P)},
        {"Mnu_OutEdition", 2, QKeySequence(Qt::CTRL | Qt::Key_X)}, {"Mnu_OutEdition", 3, QKeySequence(Qt::CTRL | Qt::Key_C)},
        {"Mnu_OutEdition", 4, QKeySequence(Qt::CTRL | Qt::Key_V)}, {"Mnu_OutAff", 9, QKeySequence(Qt::Key_F5)},
        {"Mnu_OutInfo", 0, QKeySequence(Qt::Key_F1)},              {"Mnu_OutInfo", 8, QKeySequence(Qt::Key_F2)},
    };
    int withKey = 0;
    for (const auto &[array, index, key] : keys) {
        QCOMPARE(f.frame->menuAction(QString::fromLatin1(array), index)->shortcut(), key);
        ++withKey;
    }
    // No other item has a key.
    int total = 0;
    for (const char *array : Arrays) {
        for (int i = 0; i < f.frame->menuSize(QString::fromLatin1(array)); ++i) {
            QAction *item = f.frame->menuAction(QString::fromLatin1(array), i);
            if (item && !item->shortcut().isEmpty())
                ++total;
        }
    }
    QCOMPARE(total, withKey);

    for (int i = 0; i <= 2; ++i) {
        QAction *bar = f.frame->menuAction(QStringLiteral("Mnu_OutAff"), i);
        QVERIFY(bar->isCheckable());
        QVERIFY(bar->isChecked());
    }
    QVERIFY(!f.frame->menuAction(QStringLiteral("Mnu_OutAff"), 4)->isCheckable());
}

void tst_frame_menus::everyItemRunsItsHandlerWithItsIndex()
{
    FrameFixture f;
    f.frame->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.frame.get()));
    f.frame->onModal = [](QDialog &) { return int(QDialog::Accepted); };
    for (const char *arrayName : Arrays) {
        const QString array = QString::fromLatin1(arrayName);
        for (int i = 0; i < f.frame->menuSize(array); ++i) {
            QAction *item = f.frame->menuAction(array, i);
            if (!item || item->isSeparator() || item->menu())
                continue;
            // Keep the frame open and in the normal state between items.
            f.prompts.queueMessage(Msg::No);
            f.takeCommands();
            item->trigger();
            const auto commands = f.takeCommands();
            QVERIFY2(!commands.empty(), qPrintable(array + QString::number(i)));
            QCOMPARE(commands.front().first, handlerOf(array));
            QCOMPARE(commands.front().second, i);
            f.frame->showNormal();
        }
    }
    QVERIFY(f.frame->isVisible());
}

void tst_frame_menus::contextMenusOpenOnTheirFirstItem()
{
    FrameFixture f;
    QCOMPARE(f.frame->Mnu_Label()->defaultAction(), f.frame->menuAction(QStringLiteral("Mnu_OutLabel"), 0));
    QCOMPARE(f.frame->Mnu_Logo()->defaultAction(), f.frame->menuAction(QStringLiteral("Mnu_OutLogo"), 0));

    f.frame->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.frame.get()));
    const QPoint where = f.frame->mapToGlobal(QPoint(300, 200));
    f.frame->showLabelMenu(where);
    QTRY_VERIFY(f.frame->Mnu_Label()->isVisible());
    f.frame->Mnu_Label()->hide();
    f.frame->showLogoMenu(where);
    QTRY_VERIFY(f.frame->Mnu_Logo()->isVisible());
    f.frame->Mnu_Logo()->hide();
    f.frame->showToolsMenu(where);
    QTRY_VERIFY(f.frame->Mnu_Outils()->isVisible());
    f.frame->Mnu_Outils()->hide();
}

void tst_frame_menus::viewItemsToggleTheBars()
{
    FrameFixture f;
    f.frame->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.frame.get()));
    QWidget *bars[] = {f.frame->Toolbar1(), f.frame->Toolbar2(), f.frame->STB1()};
    for (int i = 0; i <= 2; ++i) {
        QAction *item = f.frame->menuAction(QStringLiteral("Mnu_OutAff"), i);
        // Called by index (the toolbar, the settings).
        f.frame->Mnu_OutAff_Click(i);
        QVERIFY(!item->isChecked());
        QVERIFY(bars[i]->isHidden());
        f.frame->Mnu_OutAff_Click(i);
        QVERIFY(item->isChecked());
        QVERIFY(!bars[i]->isHidden());
        // Chosen in the menu: one click flips the mark once.
        item->trigger();
        QVERIFY(!item->isChecked());
        QVERIFY(bars[i]->isHidden());
        item->trigger();
        QVERIFY(item->isChecked());
        QVERIFY(!bars[i]->isHidden());
    }
    // Hiding the panel gives its room to the card windows.
    const int areaWidth = f.frame->mdiArea()->width();
    f.frame->Mnu_OutAff_Click(1);
    QTRY_VERIFY(f.frame->mdiArea()->width() > areaWidth);
}

void tst_frame_menus::viewItemsChangeTheFrameState()
{
    FrameFixture f;
    f.frame->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.frame.get()));
    f.frame->Mnu_OutAff_Click(5);
    QTRY_VERIFY(f.frame->isMaximized());
    f.frame->Mnu_OutAff_Click(7);
    QTRY_VERIFY(!f.frame->isMaximized());
    f.frame->Mnu_OutAff_Click(4);
    QTRY_VERIFY(f.frame->isMinimized());
    f.frame->Mnu_OutAff_Click(7);
    QTRY_VERIFY(!f.frame->isMinimized());
    // Repainting with no card window open does nothing.
    f.frame->Mnu_OutAff_Click(9);
    QVERIFY(!f.frame->activeCard());
}

void tst_frame_menus::toolbarButtons()
{
    FrameFixture f;
    QToolBar *bar = f.frame->Toolbar1();
    QCOMPARE(bar->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
    QCOMPARE(bar->iconSize(), QSize(16, 16));
    QVERIFY(!bar->isMovable());
    const std::tuple<int, const char *, const char *> buttons[] = {
        {1, " Nouveau ", "Créer un nouveau projet"}, {2, "Ouvrir", "Ouvrir un projet existant"},
        {4, "Sauver", "Enregistrer le projet"},       {5, "Imprimer", "Imprimer le projet"},
        {7, "Cascade", "Afficher en cascade"},        {8, "Mosaï. H", "Mosaïque horizontale"},
        {9, "Mosaï. V", "Mosaïque verticale"},        {11, "Aide", "Aide principale"},
        {12, "A propos", "Infos sur l'auteur"},       {14, "Quitter", "Quitter l'application"},
    };
    for (const auto &[index, caption, tip] : buttons) {
        QAction *button = f.frame->toolbarButton(index);
        QVERIFY(button && !button->isSeparator());
        QCOMPARE(button->iconText(), QString::fromUtf8(caption));
        QCOMPARE(button->toolTip(), QString::fromUtf8(tip));
        QVERIFY(!button->icon().isNull());
        // The button shows the caption with its blanks.
        auto *widget = qobject_cast<QToolButton *>(bar->widgetForAction(button));
        QVERIFY(widget);
        QCOMPARE(widget->text(), QString::fromUtf8(caption));
    }
    for (int separator : {3, 6, 10, 13})
        QVERIFY(f.frame->toolbarButton(separator)->isSeparator());
    QCOMPARE(bar->actions().size(), 14);
    for (int i = 1; i <= 14; ++i)
        QCOMPARE(bar->actions().at(i - 1), f.frame->toolbarButton(i));
    QVERIFY(!f.frame->toolbarButton(0));
    QVERIFY(!f.frame->toolbarButton(15));
}

void tst_frame_menus::toolbarButtonsRunTheirMenuCommand()
{
    FrameFixture f;
    f.frame->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.frame.get()));
    const std::tuple<int, const char *, int> routes[] = {
        {1, "Mnu_Outfich_Click", 0}, {2, "Mnu_Outfich_Click", 1}, {4, "Mnu_Outfich_Click", 4},
        {5, "Mnu_Outfich_Click", 11}, {7, "Mnu_OutPro_Click", 0}, {8, "Mnu_OutPro_Click", 1},
        {9, "Mnu_OutPro_Click", 2},   {11, "Mnu_OutInfo_Click", 0}, {12, "Mnu_OutInfo_Click", 8},
        {14, "Mnu_Outfich_Click", 13},
    };
    for (const auto &[button, handler, index] : routes) {
        f.takeCommands();
        f.prompts.queueMessage(Msg::No); // "Quitter" asks; stay open
        // A click on the toolbar's own button.
        auto *widget = qobject_cast<QToolButton *>(f.frame->Toolbar1()->widgetForAction(f.frame->toolbarButton(button)));
        QTest::mouseClick(widget, Qt::LeftButton);
        const auto commands = f.takeCommands();
        QVERIFY2(!commands.empty(), qPrintable(QString::number(button)));
        QCOMPARE(commands.front(), std::make_pair(QString::fromLatin1(handler), index));
    }
    // Button 1 opened a card window; button 12 the about box; button 14 the
    // quit question, answered No.
    QCOMPARE(f.frame->cards().size(), 1);
    QCOMPARE(f.frame->modalDialogs, QStringList({"frmAbout"}));
    QCOMPARE(f.prompts.messages.back().title, QStringLiteral("Quitter Brivadune"));
    QVERIFY(f.frame->isVisible());
}

void tst_frame_menus::panelControlsReachTheirHandlers()
{
    FrameFixture f;
    QVERIFY(f.frame->MDIForm_Load());
    using Calls = std::vector<std::pair<QString, int>>;
    const std::tuple<int, const char *, const char *, int> boutons[] = {
        {1, " Ajouter un label", "Insérer un label texte", 1},
        {2, " Ajouter un logo", "Insérer un logo image", 1},
        {3, " Choix de la police ", "Choix du type de police", 1},
        {4, "Couleur de la police", "Choix de la couleur de la police", 1},
        {5, "Importer une image", "Insérer une image de fond", 3},
        {6, "Fond par défaut ", "Arrière plan par défaut", 3},
        {7, "Rétablir le dégradé", "Rétablir le dégradé par défaut", 3},
        {8, "Annuler le dégradé", "Annuler le dégradé de couleurs", 3},
    };
    for (const auto &[index, caption, tip, page] : boutons) {
        QPushButton *button = f.frame->Bouton(index);
        QCOMPARE(button->text(), QString::fromUtf8(caption));
        QCOMPARE(button->toolTip(), QString::fromUtf8(tip));
        QVERIFY(f.frame->PictA(page)->isAncestorOf(button));
        f.takeCommands();
        button->click();
        QCOMPARE(f.takeCommands(), (Calls{{"Bouton_Click", index}}));
    }
    const std::pair<int, const char *> effects[] = {
        {0, " Réinitialiser   "}, {2, " Luminosité    "}, {3, "   Assombrir    "},
        {5, "     Gamma      "},  {6, "Niveau de gris"},   {7, "   Inversion     "},
        {9, "    Adoucir      "}, {11, "Fond en relief   "}, {12, "Fond incrusté  "},
    };
    for (const auto &[index, caption] : effects) {
        QCOMPARE(f.frame->Palette(index)->text(), QString::fromUtf8(caption));
        f.frame->Palette(index)->click();
        QCOMPARE(f.takeCommands(), (Calls{{"Palette_Click", index}, {"Mnu_OutPal_Click", index}}));
    }
    QVERIFY(!f.frame->Palette(1));
    for (int index = 0; index <= 6; ++index) {
        QVERIFY(!f.frame->Pos(index)->toolTip().isEmpty());
        f.frame->Pos(index)->click();
        QCOMPARE(f.takeCommands(), (Calls{{"Pos_Click", index}}));
    }
    QCOMPARE(f.frame->Pos(5)->toolTip(), QStringLiteral("Milieu de la carte"));
    QCOMPARE(f.frame->Option(8)->toolTip(), QStringLiteral("Dégradé circulaire"));
    for (int index = 0; index <= 1; ++index) {
        f.frame->Check2(index)->click();
        QCOMPARE(f.takeCommands(), (Calls{{"Check2_Click", index}}));
    }
    for (int index : {0, 5, 10}) {
        QTest::mouseClick(f.frame->Color(index), Qt::LeftButton);
        QCOMPARE(f.takeCommands(), (Calls{{"Color_Click", index}}));
        QCOMPARE(f.frame->swatchColor(index), Colors::White);
    }
    QCOMPARE(f.frame->Color(10)->toolTip(), QStringLiteral("Troisième couleur"));
    QCOMPARE(f.frame->Objets()->toolTip(), QStringLiteral("Sélectionner l'objet à déplacer"));
}

void tst_frame_menus::statusBarPanels()
{
    FrameFixture f;
    QCOMPARE(f.frame->statusPanel(1)->text(), QStringLiteral("Brivadune"));
    QCOMPARE(f.frame->statusPanel(2)->text(), QStringLiteral("0.00 x 0.00 cm"));
    QCOMPARE(f.frame->statusPanel(3)->text(), QStringLiteral("X : 00.00 - Y : 00.00"));
    QVERIFY(QRegularExpression(QStringLiteral("^\\d\\d:\\d\\d$")).match(f.frame->statusPanel(4)->text()).hasMatch());
    const QString today = QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy"));
    const QString tomorrow = QDate::currentDate().addDays(1).toString(QStringLiteral("dd/MM/yyyy"));
    QVERIFY(f.frame->statusPanel(5)->text() == today || f.frame->statusPanel(5)->text() == tomorrow);
    // Widths at 15 twips per pixel: 8652 (2540 at least), 2646, 2999, 1411, 2117.
    QCOMPARE(f.frame->statusPanel(1)->sizeHint().width(), 577);
    QCOMPARE(f.frame->statusPanel(1)->minimumSizeHint().width(), 169);
    QCOMPARE(f.frame->statusPanel(2)->sizeHint().width(), 176);
    QCOMPARE(f.frame->statusPanel(3)->sizeHint().width(), 200);
    QCOMPARE(f.frame->statusPanel(4)->sizeHint().width(), 94);
    QCOMPARE(f.frame->statusPanel(5)->sizeHint().width(), 141);
    QVERIFY(!f.frame->statusPanel(0));
    QVERIFY(!f.frame->statusPanel(6));

    // The card window writes panels 2 and 3; other numbers are ignored.
    f.frame->setStatusPanel(2, QStringLiteral("8.40 x 5.40 cm"));
    f.frame->setStatusPanel(9, QStringLiteral("ignored"));
    QCOMPARE(f.frame->statusPanel(2)->text(), QStringLiteral("8.40 x 5.40 cm"));

    // The frame can still shrink to its minimum width with all panels.
    f.frame->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.frame.get()));
    f.frame->resize(600, 572);
    QTRY_COMPARE(f.frame->width(), 600);
    QVERIFY(f.frame->statusPanel(1)->width() >= 169);
}

namespace {

// Looks at the about box while it is up (the frame's modal hook).
void inspectAbout(frmAbout *about, FrameFixture &f)
{
    about->show();
    QCOMPARE(about->windowTitle(), QStringLiteral("A propos de..."));
    QCOMPARE(about->Label1()->text(), QStringLiteral("Version : 2.0.8"));
    QCOMPARE(about->Label3()->text(), QStringLiteral("https://brivadune.example.org"));
    QStringList texts;
    for (QLabel *label : about->findChildren<QLabel *>())
        texts << label->text();
    QVERIFY(texts.contains(QStringLiteral("Brivadune")));
    QVERIFY(texts.contains(QStringLiteral("Créer des cartes de visites comme un Pro")));
    QVERIFY(texts.contains(QStringLiteral("Visitez le site Web")));
    QCOMPARE(about->Command1()->text(), QStringLiteral("Ok"));

    // Centred on the frame.
    const QRect frame = f.frame->frameGeometry();
    QCOMPARE(about->x(), frame.left() + frame.width() / 2 - about->width() / 2);
    QCOMPARE(about->y(), frame.top() + frame.height() / 2 - about->height() / 2);

    // The link blinks every second between button text and blue.
    QVERIFY(about->Timer1()->isActive());
    QCOMPARE(about->Timer1()->interval(), 1000);
    QCOMPARE(about->linkColor(), Colors::system(Colors::ButtonText));
    about->Timer1_Timer();
    QCOMPARE(about->linkColor(), OleColor(0xFF0000));
    QCOMPARE(about->Label3()->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    about->Timer1_Timer();
    QCOMPARE(about->linkColor(), Colors::system(Colors::ButtonText));
    QCOMPARE(about->Label3()->palette().color(QPalette::WindowText),
             Colors::toQColor(Colors::system(Colors::ButtonText)));

    // A click on the link opens the address.
    QTest::mouseClick(about->Label3(), Qt::LeftButton);
    QCOMPARE(f.shell.opened, QStringList({"https://brivadune.example.org"}));

    // "Ok" closes.
    QTest::mouseClick(about->Command1(), Qt::LeftButton);
    QVERIFY(!about->isVisible());
    QCOMPARE(about->result(), int(QDialog::Accepted));
}

} // namespace

void tst_frame_menus::aboutBox()
{
    FrameFixture f;
    f.frame->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.frame.get()));
    int looked = 0;
    f.frame->onModal = [&](QDialog &dialog) {
        if (auto *about = qobject_cast<frmAbout *>(&dialog)) {
            ++looked;
            inspectAbout(about, f);
        }
        return dialog.result();
    };
    f.frame->Mnu_OutInfo_Click(8);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(looked, 1);
    QCOMPARE(f.frame->modalDialogs, QStringList({"frmAbout"}));
}

void tst_frame_menus::doubleClickOnTheBackgroundOpensAFile()
{
    FrameFixture f;
    f.frame->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.frame.get()));
    QWidget *background = f.frame->mdiArea()->viewport();
    const QPoint empty(background->width() - 10, background->height() - 10);

    f.takeCommands();
    QTest::mouseDClick(background, Qt::LeftButton, {}, empty);
    QCOMPARE(f.takeCommands(), (std::vector<std::pair<QString, int>>{{"Mnu_Outfich_Click", 1}}));

    // Not on a card window.
    f.frame->Mnu_Outfich_Click(0);
    f.takeCommands();
    QWidget *card = f.frame->mdiArea()->subWindowList().constFirst();
    QTest::mouseDClick(card, Qt::LeftButton, {}, QPoint(card->width() / 2, card->height() / 2));
    for (const auto &command : f.takeCommands())
        QVERIFY(command != std::make_pair(QStringLiteral("Mnu_Outfich_Click"), 1));
}

QTEST_MAIN(tst_frame_menus)
#include "tst_frame_menus.moc"
