// The frame's menus, toolbar, panel controls, status bar and about box:
// captions, shortcuts and check marks at their fixed indexes, and every item
// reaching its handler with its index.
#include "AppTestFrame.h"
#include "widgets/Xp_Bouton.h"

#include "app/frmAbout.h"
#include "document/frmProjet.h"
#include "platform/Colors.h"
#include "wizard/frmAssist.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
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

// Looks at the about box while it is up (the frame's modal hook).
void inspectAbout(frmAbout &about, FrameFixture &f)
{
    about.show();
    QCOMPARE(about.windowTitle(), QStringLiteral("A propos de..."));
    QStringList texts;
    for (QLabel *label : about.findChildren<QLabel *>())
        texts << label->text();
    for (const char *text : {"Brivadune", "Version : 2.0.8", "Créer des cartes de visites comme un Pro",
                             "Visitez le site Web", "Page « À propos » de l'aide"})
        QVERIFY2(texts.contains(QString::fromUtf8(text)), text);
    // The link blinks to blue; a click on it opens the address.
    about.Timer1_Timer();
    QCOMPARE(about.Label3()->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    QTest::mouseClick(about.Label3(), Qt::LeftButton);
    QCOMPARE(f.shell.browsed.last(), f.dir.filePath(QStringLiteral("Aide/apropos.html")));
    QCOMPARE(about.Command1()->text(), QStringLiteral("Ok"));
    QTest::mouseClick(about.Command1(), Qt::LeftButton);
    QVERIFY(!about.isVisible());
}

} // namespace

class tst_frame_menus : public QObject {
    Q_OBJECT
private slots:
    void menusByIndex();
    void toolbarButtonsAndTheAboutBox();
    void panelButtons();
    void statusBar();
    void doubleClickOnTheBackgroundOpensAFile();
};

void tst_frame_menus::menusByIndex()
{
    FrameFixture f;
    QVERIFY(f.start());
    f.dialogs.onModal = [](QDialog &) { return int(QDialog::Accepted); };
    QWidget *bars[] = {f.frame->Toolbar1(), f.frame->Toolbar2(), f.frame->STB1()};
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
            if (item->menu())
                continue;
            // Chosen, it runs its array's handler with its index.
            f.prompts.queueMessage(Msg::No); // "Quitter" asks: stay open
            f.takeCommands();
            item->trigger();
            const Calls commands = f.takeCommands();
            QVERIFY2(!commands.empty() && commands.front() == std::make_pair(array + QStringLiteral("_Click"), i), where);
            f.frame->showNormal();
            if (bar) {
                // One click flips the mark once; by index, as the settings
                // call it, the handler flips it back.
                QVERIFY2(!item->isChecked() && bars[i]->isHidden(), where);
                f.frame->Mnu_OutAff_Click(i);
                QVERIFY2(item->isChecked() && !bars[i]->isHidden(), where);
            }
        }
        QCOMPARE(menu->actions(), shown);
    }
    QCOMPARE(onTheBar, QStringList({"&Fichier", "&Edition", "&Affichage", "&Outils", "&Palette 2D", "&Fenêtre", "&Aide"}));
    QCOMPARE(f.frame->menuAction(QStringLiteral("Mnu_Outfich"), 7)->menu(), f.frame->menuOf(QStringLiteral("Mnu_OutImp")));
    QCOMPARE(f.frame->menuAction(QStringLiteral("Mnu_OutPro"), 4)->menu(), f.frame->windowListMenu());
    // The context menus open on their first item.
    QCOMPARE(f.frame->Mnu_Label()->defaultAction(), f.frame->menuAction(QStringLiteral("Mnu_OutLabel"), 0));
    QCOMPARE(f.frame->Mnu_Logo()->defaultAction(), f.frame->menuAction(QStringLiteral("Mnu_OutLogo"), 0));
    QVERIFY(f.frame->isVisible());
}

void tst_frame_menus::toolbarButtonsAndTheAboutBox()
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
    f.dialogs.onModal = [&f](QDialog &dialog) {
        if (auto *about = qobject_cast<frmAbout *>(&dialog))
            inspectAbout(*about, f);
        // " Nouveau ": the wizard creates a card named "Carte".
        if (auto *wizard = qobject_cast<frmAssist *>(&dialog)) {
            wizard->Text1()->setText(QStringLiteral("Carte"));
            wizard->Command1(0)->click();
        }
        return dialog.result();
    };
    QToolBar *bar = f.frame->Toolbar1();
    QCOMPARE(bar->actions().size(), 14);
    for (int separator : {3, 6, 10, 13})
        QVERIFY(bar->actions().at(separator - 1)->isSeparator());
    for (const auto &[index, caption, tip, handler, command] : buttons) {
        QAction *button = bar->actions().at(index - 1);
        QCOMPARE(button, f.frame->toolbarButton(index));
        QCOMPARE(button->toolTip(), QString::fromUtf8(tip));
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
    QCOMPARE(f.frame->cards().constFirst()->Caption(), QStringLiteral("Carte"));
    // "Nouveau" shows the wizard, "Imprimer" the print window for the card
    // it made.
    QCOMPARE(f.dialogs.modalDialogs, QStringList({"frmAssist", "frmPrint", "frmAbout"}));
    QCOMPARE(f.prompts.messages.back().title, QStringLiteral("Quitter Brivadune"));
    QVERIFY(f.frame->isVisible());
}

void tst_frame_menus::panelButtons()
{
    FrameFixture f;
    QStringList captions;
    for (int i = 1; i <= 8; ++i)
        captions << f.frame->Bouton(i)->Caption();
    QCOMPARE(captions, QStringList({" Ajouter un label", " Ajouter un logo", " Choix de la police ", "Couleur de la police",
                                    "Importer une image", "Fond par défaut ", "Rétablir le dégradé", "Annuler le dégradé"}));
    captions.clear();
    for (int i : {0, 2, 3, 5, 6, 7, 9, 11, 12})
        captions << f.frame->Palette(i)->Caption();
    QCOMPARE(captions, QStringList({" Réinitialiser   ", " Luminosité    ", "   Assombrir    ", "     Gamma      ",
                                    "Niveau de gris", "   Inversion     ", "    Adoucir      ", "Fond en relief   ",
                                    "Fond incrusté  "}));
    // An effect button runs the Palette 2D command of its index.
    f.frame->Palette(11)->click();
    QCOMPARE(f.takeCommands(), (Calls{{"Palette_Click", 11}, {"Mnu_OutPal_Click", 11}}));
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

void tst_frame_menus::doubleClickOnTheBackgroundOpensAFile()
{
    FrameFixture f;
    QVERIFY(f.start());
    QWidget *background = f.frame->mdiArea()->viewport();
    f.takeCommands();
    QTest::mouseDClick(background, Qt::LeftButton, {}, QPoint(background->width() - 10, background->height() - 10));
    QCOMPARE(f.takeCommands(), (Calls{{"Mnu_Outfich_Click", 1}}));

    // Not on a card window.
    f.frame->newCard();
    f.takeCommands();
    QWidget *card = f.frame->mdiArea()->subWindowList().constFirst();
    QTest::mouseDClick(card, Qt::LeftButton, {}, QPoint(card->width() / 2, card->height() / 2));
    for (const auto &command : f.takeCommands())
        QVERIFY(command != std::make_pair(QStringLiteral("Mnu_Outfich_Click"), 1));
}

QTEST_MAIN(tst_frame_menus)
#include "tst_frame_menus.moc"
