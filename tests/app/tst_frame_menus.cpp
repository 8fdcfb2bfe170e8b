// The frame's menus, toolbar, panel controls, status bar and about box:
// captions, shortcuts and check marks at their fixed indexes, and every item
// reaching its handler with its index.
#include "AppTestFrame.h"

#include "app/ColorSwatch.h"
#include "app/frmAbout.h"
#include "platform/Colors.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

namespace {

// Items by index, "|" between them: "-" a separator, an empty entry an index
// the array does not have, "=Key" the item's shortcut.
struct MenuRow {
    const char *array;
    const char *title;
    const char *items;
};
const MenuRow Menus[] = {
    {"Mnu_Outfich", "&Fichier",
     "Nouveau projet=Ctrl+N|Ouvrir un fichier=Ctrl+O|Fermer|-|Enregistrer=Ctrl+S|Enregistrer sous...|-|"
     "Importation TWAIN|-|Configuration de l'impression|Aperçu avant impression|Imprimer...=Ctrl+P|-|Quitter"},
    {"Mnu_OutEdition", "&Edition",
     "Annuler la commande|-|Couper=Ctrl+X|Copier=Ctrl+C|Coller=Ctrl+V|Supprimer|-|Editer le contenu|-|"
     "Modifier la police|Modifier la couleur"},
    {"Mnu_OutAff", "&Affichage",
     "Barre d'outils|Barre de gestion|Barre de statut|-|Réduire le menu dans la barre|"
     "Agrandir le menu sur l'écran|-|Normaliser le menu |-|Actualiser la fenêtre active=F5"},
    {"Mnu_OutOutils", "&Outils",
     "Ajouter un label|Ajouter un logo|-|Importer une image de fond|Arrière plan par défaut|-|"
     "Exporter le projet en Bmp|Ouvrir dans un éditeur|Copier dans le presse-papier|-|Nettoyer le presse-papier"},
    {"Mnu_OutPal", "&Palette 2D",
     "Réinitialiser le fond|-|Augmenter la luminosité|Réduire la luminosité|-|Correction gamma|Niveau de gris|"
     "Inversion|-|Adoucir|-|Fond en relief (Emboss)|Fond incrusté (Engrave)"},
    {"Mnu_OutPro", "&Fenêtre",
     "Cascade|Mosaïque horizontale|Mosaïque verticale|-|Afficher une fenêtre|-|Normaliser tout|Réduire tout|"
     "Maximiser tout|-|Fermez la fenêtre active|Cloturer toutes les fenêtres|-|Réorganiser les icônes"},
    {"Mnu_OutInfo", "&Aide",
     "Aide principale=F1|-|Historique des versions|Licence d'exploitation|-||Visiter le site Web|-|A propos...=F2"},
    {"Mnu_OutImp", "Importation TWAIN", "Acquérir...|Sélectionner la source..."},
    {"Mnu_OutLabel", "Label",
     "Editer le contenu|-|Modifier la police|Modifier la couleur|-|Centrer sur l'horizontale|"
     "Centrer sur la verticale|Milieu du projet|-|Mettre au premier plan|Envoyer en arrière plan|-|Supprimer"},
    {"Mnu_OutLogo", "Logo",
     "Redimensionner|-|Modifier l'image|Effacer le contenu|-|Centrer sur l'horizontale|"
     "Centrer sur la verticale|Milieu du projet|-|Mettre au premier plan|Envoyer en arrière plan|-|Supprimer"},
};

} // namespace

class tst_frame_menus : public QObject {
    Q_OBJECT
private slots:
    void menusByIndex();
    void everyItemRunsItsHandlerWithItsIndex();
    void viewItemsToggleTheBars();
    void toolbarButtons();
    void panelControlsReachTheirHandlers();
    void statusBar();
    void aboutBox();
    void doubleClickOnTheBackgroundOpensAFile();
};

void tst_frame_menus::menusByIndex()
{
    FrameFixture f;
    QStringList onTheBar;
    for (const MenuRow &row : Menus) {
        const QString array = QString::fromLatin1(row.array);
        const QStringList items = QString::fromUtf8(row.items).split(u'|');
        QMenu *menu = f.frame->menuOf(array);
        QVERIFY(menu);
        QCOMPARE(menu->title(), QString::fromUtf8(row.title));
        if (f.frame->menuBar()->actions().contains(menu->menuAction()))
            onTheBar << menu->title();
        QCOMPARE(f.frame->menuSize(array), items.size());
        QList<QAction *> shown;
        for (int i = 0; i < items.size(); ++i) {
            QAction *item = f.frame->menuAction(array, i);
            const QByteArray where = QStringLiteral("%1(%2)").arg(array).arg(i).toUtf8();
            QVERIFY2(bool(item) == !items[i].isEmpty(), where);
            if (!item)
                continue;
            shown << item;
            QVERIFY2(item->isSeparator() == (items[i] == u"-"), where);
            if (item->isSeparator())
                continue;
            QCOMPARE(item->text(), items[i].section(u'=', 0, 0));
            QCOMPARE(item->shortcut().toString(QKeySequence::PortableText), items[i].section(u'=', 1));
            // Only the three bars carry a check mark, ticked at start.
            const bool bar = array == u"Mnu_OutAff" && i <= 2;
            QVERIFY2(item->isCheckable() == bar && item->isChecked() == bar, where);
        }
        QCOMPARE(menu->actions(), shown);
    }
    QCOMPARE(onTheBar, QStringList({"&Fichier", "&Edition", "&Affichage", "&Outils", "&Palette 2D", "&Fenêtre", "&Aide"}));
    QCOMPARE(f.frame->menuAction(QStringLiteral("Mnu_Outfich"), 7)->menu(), f.frame->menuOf(QStringLiteral("Mnu_OutImp")));
    QCOMPARE(f.frame->menuAction(QStringLiteral("Mnu_OutPro"), 4)->menu(), f.frame->windowListMenu());
    // The context menus open on their first item.
    QCOMPARE(f.frame->Mnu_Label()->defaultAction(), f.frame->menuAction(QStringLiteral("Mnu_OutLabel"), 0));
    QCOMPARE(f.frame->Mnu_Logo()->defaultAction(), f.frame->menuAction(QStringLiteral("Mnu_OutLogo"), 0));
}

void tst_frame_menus::everyItemRunsItsHandlerWithItsIndex()
{
    FrameFixture f;
    QVERIFY(f.start());
    f.frame->onModal = [](QDialog &) { return int(QDialog::Accepted); };
    for (const MenuRow &row : Menus) {
        const QString array = QString::fromLatin1(row.array);
        for (int i = 0; i < f.frame->menuSize(array); ++i) {
            QAction *item = f.frame->menuAction(array, i);
            if (!item || item->isSeparator() || item->menu())
                continue;
            f.prompts.queueMessage(Msg::No); // "Quitter" asks: stay open
            f.takeCommands();
            item->trigger();
            const Calls commands = f.takeCommands();
            QVERIFY2(!commands.empty(), qPrintable(array + QString::number(i)));
            QCOMPARE(commands.front(), std::make_pair(array + QStringLiteral("_Click"), i));
            f.frame->showNormal();
        }
    }
    QVERIFY(f.frame->isVisible());
}

void tst_frame_menus::viewItemsToggleTheBars()
{
    FrameFixture f;
    QVERIFY(f.start());
    QWidget *bars[] = {f.frame->Toolbar1(), f.frame->Toolbar2(), f.frame->STB1()};
    for (int i = 0; i <= 2; ++i) {
        QAction *item = f.frame->menuAction(QStringLiteral("Mnu_OutAff"), i);
        // Chosen in the menu: one click flips the mark once.
        item->trigger();
        QVERIFY(!item->isChecked() && bars[i]->isHidden());
        // Called by index, as the settings do.
        f.frame->Mnu_OutAff_Click(i);
        QVERIFY(item->isChecked() && !bars[i]->isHidden());
    }
}

void tst_frame_menus::toolbarButtons()
{
    FrameFixture f;
    QVERIFY(f.start());
    const std::tuple<int, const char *, const char *, const char *, int> buttons[] = {
        {1, " Nouveau ", "Créer un nouveau projet", "Mnu_Outfich_Click", 0},
        {2, "Ouvrir", "Ouvrir un projet existant", "Mnu_Outfich_Click", 1},
        {4, "Sauver", "Enregistrer le projet", "Mnu_Outfich_Click", 4},
        {5, "Imprimer", "Imprimer le projet", "Mnu_Outfich_Click", 11},
        {7, "Cascade", "Afficher en cascade", "Mnu_OutPro_Click", 0},
        {8, "Mosaï. H", "Mosaïque horizontale", "Mnu_OutPro_Click", 1},
        {9, "Mosaï. V", "Mosaïque verticale", "Mnu_OutPro_Click", 2},
        {11, "Aide", "Aide principale", "Mnu_OutInfo_Click", 0},
        {12, "A propos", "Infos sur l'auteur", "Mnu_OutInfo_Click", 8},
        {14, "Quitter", "Quitter l'application", "Mnu_Outfich_Click", 13},
    };
    QToolBar *bar = f.frame->Toolbar1();
    QCOMPARE(bar->actions().size(), 14);
    for (int separator : {3, 6, 10, 13})
        QVERIFY(bar->actions().at(separator - 1)->isSeparator());
    for (const auto &[index, caption, tip, handler, command] : buttons) {
        QAction *button = bar->actions().at(index - 1);
        QCOMPARE(button, f.frame->toolbarButton(index));
        QCOMPARE(button->toolTip(), QString::fromUtf8(tip));
        QVERIFY(!button->icon().isNull());
        // The button shows the caption with its blanks.
        auto *widget = qobject_cast<QToolButton *>(bar->widgetForAction(button));
        QCOMPARE(widget->text(), QString::fromUtf8(caption));
        f.takeCommands();
        f.prompts.queueMessage(Msg::No); // "Quitter" asks: stay open
        QTest::mouseClick(widget, Qt::LeftButton);
        const Calls commands = f.takeCommands();
        QVERIFY2(!commands.empty(), qPrintable(QString::number(index)));
        QCOMPARE(commands.front(), std::make_pair(QString::fromLatin1(handler), command));
    }
    QCOMPARE(f.frame->cards().size(), 1);
    QCOMPARE(f.frame->modalDialogs, QStringList({"frmAbout"}));
    QCOMPARE(f.prompts.messages.back().title, QStringLiteral("Quitter Brivadune"));
    QVERIFY(f.frame->isVisible());
}

void tst_frame_menus::panelControlsReachTheirHandlers()
{
    FrameFixture f;
    QVERIFY(f.frame->MDIForm_Load());
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
}

void tst_frame_menus::statusBar()
{
    FrameFixture f;
    QCOMPARE(f.frame->statusPanel(1)->text(), QStringLiteral("Brivadune"));
    QCOMPARE(f.frame->statusPanel(2)->text(), QStringLiteral("0.00 x 0.00 cm"));
    QCOMPARE(f.frame->statusPanel(3)->text(), QStringLiteral("X : 00.00 - Y : 00.00"));
    QVERIFY(QRegularExpression(QStringLiteral("^\\d\\d:\\d\\d$")).match(f.frame->statusPanel(4)->text()).hasMatch());
    QVERIFY(QRegularExpression(QStringLiteral("^\\d\\d/\\d\\d/\\d{4}$")).match(f.frame->statusPanel(5)->text()).hasMatch());
    // 8652 (2540 at least), 2646, 2999, 1411 and 2117 twips, 15 a pixel.
    const int widths[] = {577, 176, 200, 94, 141};
    for (int i = 1; i <= 5; ++i)
        QCOMPARE(f.frame->statusPanel(i)->sizeHint().width(), widths[i - 1]);
    QCOMPARE(f.frame->statusPanel(1)->minimumSizeHint().width(), 169);
}

namespace {

// Looks at the about box while it is up (the frame's modal hook).
void inspectAbout(frmAbout &about, FrameFixture &f)
{
    about.show();
    QCOMPARE(about.windowTitle(), QStringLiteral("A propos de..."));
    QCOMPARE(about.Label1()->text(), QStringLiteral("Version : 2.0.8"));
    QStringList texts;
    for (QLabel *label : about.findChildren<QLabel *>())
        texts << label->text();
    for (const char *text : {"Brivadune", "Créer des cartes de visites comme un Pro", "Visitez le site Web"})
        QVERIFY2(texts.contains(QString::fromUtf8(text)), text);
    QCOMPARE(about.Command1()->text(), QStringLiteral("Ok"));
    const QRect frame = f.frame->frameGeometry();
    QCOMPARE(about.pos(), QPoint(frame.left() + frame.width() / 2 - about.width() / 2,
                                 frame.top() + frame.height() / 2 - about.height() / 2));
    // The link blinks every second between button text and blue.
    QCOMPARE(about.Timer1()->interval(), 1000);
    QVERIFY(about.Timer1()->isActive());
    about.Timer1_Timer();
    QCOMPARE(about.Label3()->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    about.Timer1_Timer();
    QCOMPARE(about.linkColor(), Colors::system(Colors::ButtonText));
    QTest::mouseClick(about.Label3(), Qt::LeftButton);
    QCOMPARE(f.shell.opened, QStringList({"https://brivadune.example.org"}));
    QTest::mouseClick(about.Command1(), Qt::LeftButton);
    QVERIFY(!about.isVisible());
}

} // namespace

void tst_frame_menus::aboutBox()
{
    FrameFixture f;
    QVERIFY(f.start());
    int looked = 0;
    f.frame->onModal = [&](QDialog &dialog) {
        if (auto *about = qobject_cast<frmAbout *>(&dialog)) {
            ++looked;
            inspectAbout(*about, f);
        }
        return dialog.result();
    };
    f.frame->Mnu_OutInfo_Click(8);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(looked, 1);
}

void tst_frame_menus::doubleClickOnTheBackgroundOpensAFile()
{
    FrameFixture f;
    QVERIFY(f.start());
    QWidget *background = f.frame->mdiArea()->viewport();
    f.takeCommands();
    QTest::mouseDClick(background, Qt::LeftButton, {}, QPoint(background->width() - 10, background->height() - 10));
    QCOMPARE(f.takeCommands(), (Calls{{"Mnu_Outfich_Click", 1}}));

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
