// The menu bar, the hidden context menus and the main toolbar, built from
// tables that keep every item at its fixed index.
#include "frmMenu.h"

#include "document/frmProjet.h"

#include <QAction>
#include <QIcon>
#include <QKeySequence>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

namespace {

struct Item {
    int index;
    const char *caption; // "-" is a separator
    const char *shortcut = nullptr;
};

struct MenuDef {
    const char *array;
    const char *title;
    std::vector<Item> items;
};

// Menus of the menu bar, in order, then the two context menus.
const std::vector<MenuDef> &menuDefs()
{
    static const std::vector<MenuDef> defs = {
        {"Mnu_Outfich", "&Fichier",
         {{0, "Nouveau projet", "Ctrl+N"},
          {1, "Ouvrir un fichier", "Ctrl+O"},
          {2, "Fermer"},
          {3, "-"},
          {4, "Enregistrer", "Ctrl+S"},
          {5, "Enregistrer sous..."},
          {6, "-"},
          {7, "Importation TWAIN"},
          {8, "-"},
          {9, "Configuration de l'impression"},
          {10, "Aperçu avant impression"},
          {11, "Imprimer...", "Ctrl+P"},
          {12, "-"},
          {13, "Quitter"}}},
        {"Mnu_OutEdition", "&Edition",
         {{0, "Annuler la commande"},
          {1, "-"},
          {2, "Couper", "Ctrl+X"},
          {3, "Copier", "Ctrl+C"},
          {4, "Coller", "Ctrl+V"},
          {5, "Supprimer"},
          {6, "-"},
          {7, "Editer le contenu"},
          {8, "-"},
          {9, "Modifier la police"},
          {10, "Modifier la couleur"}}},
        {"Mnu_OutAff", "&Affichage",
         {{0, "Barre d'outils"},
          {1, "Barre de gestion"},
          {2, "Barre de statut"},
          {3, "-"},
          {4, "Réduire le menu dans la barre"},
          {5, "Agrandir le menu sur l'écran"},
          {6, "-"},
          {7, "Normaliser le menu "},
          {8, "-"},
          {9, "Actualiser la fenêtre active", "F5"}}},
        {"Mnu_OutOutils", "&Outils",
         {{0, "Ajouter un label"},
          {1, "Ajouter un logo"},
          {2, "-"},
          {3, "Importer une image de fond"},
          {4, "Arrière plan par défaut"},
          {5, "-"},
          {6, "Exporter le projet en Bmp"},
          {7, "Ouvrir dans un éditeur"},
          {8, "Copier dans le presse-papier"},
          {9, "-"},
          {10, "Nettoyer le presse-papier"}}},
        {"Mnu_OutPal", "&Palette 2D",
         {{0, "Réinitialiser le fond"},
          {1, "-"},
          {2, "Augmenter la luminosité"},
          {3, "Réduire la luminosité"},
          {4, "-"},
          {5, "Correction gamma"},
          {6, "Niveau de gris"},
          {7, "Inversion"},
          {8, "-"},
          {9, "Adoucir"},
          {10, "-"},
          {11, "Fond en relief (Emboss)"},
          {12, "Fond incrusté (Engrave)"}}},
        {"Mnu_OutPro", "&Fenêtre",
         {{0, "Cascade"},
          {1, "Mosaïque horizontale"},
          {2, "Mosaïque verticale"},
          {3, "-"},
          {4, "Afficher une fenêtre"},
          {5, "-"},
          {6, "Normaliser tout"},
          {7, "Réduire tout"},
          {8, "Maximiser tout"},
          {9, "-"},
          {10, "Fermez la fenêtre active"},
          {11, "Cloturer toutes les fenêtres"},
          {12, "-"},
          {13, "Réorganiser les icônes"}}},
        {"Mnu_OutInfo", "&Aide",
         {{0, "Aide principale", "F1"},
          {1, "-"},
          {2, "Historique des versions"},
          {3, "Licence d'exploitation"},
          {4, "-"},
          {6, "Visiter le site Web"},
          {7, "-"},
          {8, "A propos...", "F2"}}},
        {"Mnu_OutLabel", "Label",
         {{0, "Editer le contenu"},
          {1, "-"},
          {2, "Modifier la police"},
          {3, "Modifier la couleur"}}},
        {"Mnu_OutLogo", "Logo",
         {{0, "Redimensionner"},
          {1, "-"},
          {2, "Modifier l'image"},
          {3, "Effacer le contenu"}}},
    };
    return defs;
}

// Items 4 to 12, the same in the label and the logo context menus.
const std::vector<Item> &placementItems()
{
    static const std::vector<Item> items = {
        {4, "-"},
        {5, "Centrer sur l'horizontale"},
        {6, "Centrer sur la verticale"},
        {7, "Milieu du projet"},
        {8, "-"},
        {9, "Mettre au premier plan"},
        {10, "Envoyer en arrière plan"},
        {11, "-"},
        {12, "Supprimer"},
    };
    return items;
}

const std::vector<Item> &twainItems()
{
    static const std::vector<Item> items = {{0, "Acquérir..."}, {1, "Sélectionner la source..."}};
    return items;
}

struct ToolDef {
    int index;
    const char *caption;   // null for a separator
    const char *tooltip;
    const char *themeIcon;
    const char *bundledIcon;
    const char *array;     // the menu command it runs
    int command;
};

const std::vector<ToolDef> &toolDefs()
{
    static const std::vector<ToolDef> defs = {
        {1, " Nouveau ", "Créer un nouveau projet", "document-new", "new", "Mnu_Outfich", 0},
        {2, "Ouvrir", "Ouvrir un projet existant", "document-open", "open", "Mnu_Outfich", 1},
        {3, nullptr, nullptr, nullptr, nullptr, nullptr, 0},
        {4, "Sauver", "Enregistrer le projet", "document-save", "save", "Mnu_Outfich", 4},
        {5, "Imprimer", "Imprimer le projet", "document-print", "print", "Mnu_Outfich", 11},
        {6, nullptr, nullptr, nullptr, nullptr, nullptr, 0},
        {7, "Cascade", "Afficher en cascade", "window-cascade", "cascade", "Mnu_OutPro", 0},
        {8, "Mosaï. H", "Mosaïque horizontale", "window-tile-horizontal", "tile-horizontal", "Mnu_OutPro", 1},
        {9, "Mosaï. V", "Mosaïque verticale", "window-tile-vertical", "tile-vertical", "Mnu_OutPro", 2},
        {10, nullptr, nullptr, nullptr, nullptr, nullptr, 0},
        {11, "Aide", "Aide principale", "help-contents", "help", "Mnu_OutInfo", 0},
        {12, "A propos", "Infos sur l'auteur", "help-about", "about", "Mnu_OutInfo", 8},
        {13, nullptr, nullptr, nullptr, nullptr, nullptr, 0},
        {14, "Quitter", "Quitter l'application", "application-exit", "quit", "Mnu_Outfich", 13},
    };
    return defs;
}

QString text(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

} // namespace

void frmMenu::buildMenus()
{
    // One entry per handler, so each array's items reach its own handler.
    const QHash<QString, void (frmMenu::*)(int)> handlers = {
        {QStringLiteral("Mnu_Outfich"), &frmMenu::Mnu_Outfich_Click},
        {QStringLiteral("Mnu_OutEdition"), &frmMenu::Mnu_OutEdition_Click},
        {QStringLiteral("Mnu_OutAff"), &frmMenu::Mnu_OutAff_Click},
        {QStringLiteral("Mnu_OutOutils"), &frmMenu::Mnu_OutOutils_Click},
        {QStringLiteral("Mnu_OutPal"), &frmMenu::Mnu_OutPal_Click},
        {QStringLiteral("Mnu_OutPro"), &frmMenu::Mnu_OutPro_Click},
        {QStringLiteral("Mnu_OutInfo"), &frmMenu::Mnu_OutInfo_Click},
        {QStringLiteral("Mnu_OutImp"), &frmMenu::Mnu_OutImp_Click},
        {QStringLiteral("Mnu_OutLabel"), &frmMenu::Mnu_OutLabel_Click},
        {QStringLiteral("Mnu_OutLogo"), &frmMenu::Mnu_OutLogo_Click},
    };

    auto fill = [this, &handlers](QMenu *menu, const QString &array, const std::vector<Item> &items) {
        m_menus.insert(array, menu);
        QVector<QAction *> &actions = m_menuItems[array];
        const auto handler = handlers.value(array);
        for (const Item &item : items) {
            if (actions.size() <= item.index)
                actions.resize(item.index + 1, nullptr);
            QAction *action = nullptr;
            if (qstrcmp(item.caption, "-") == 0) {
                action = menu->addSeparator();
            } else {
                action = menu->addAction(text(item.caption));
                if (item.shortcut)
                    action->setShortcut(QKeySequence(QString::fromLatin1(item.shortcut)));
                const int index = item.index;
                if (array == QLatin1String("Mnu_OutAff") && index <= 2)
                    action->setCheckable(true);
                else
                    connect(action, &QAction::triggered, this, [this, handler, index] { (this->*handler)(index); });
            }
            actions[item.index] = action;
        }
    };

    for (const MenuDef &def : menuDefs()) {
        const QString array = QString::fromLatin1(def.array);
        const bool context = array == QLatin1String("Mnu_OutLabel") || array == QLatin1String("Mnu_OutLogo");
        QMenu *menu = context ? new QMenu(text(def.title), this) : menuBar()->addMenu(text(def.title));
        fill(menu, array, def.items);
        if (context)
            fill(menu, array, placementItems());
    }

    // File 7 carries the scanner submenu.
    QMenu *twain = new QMenu(text("Importation TWAIN"), this);
    fill(twain, QStringLiteral("Mnu_OutImp"), twainItems());
    QAction *twainItem = menuAction(QStringLiteral("Mnu_Outfich"), 7);
    twainItem->setMenu(twain);

    // Window 4 carries the list of open card windows.
    m_windowList = new QMenu(text("Afficher une fenêtre"), this);
    menuAction(QStringLiteral("Mnu_OutPro"), 4)->setMenu(m_windowList);
    connect(m_windowList, &QMenu::aboutToShow, this, &frmMenu::fillWindowList);
    // The list item is usable only while card windows are open.
    connect(menuOf(QStringLiteral("Mnu_OutPro")), &QMenu::aboutToShow, this,
            [this] { menuAction(QStringLiteral("Mnu_OutPro"), 4)->setEnabled(!openSubWindows().isEmpty()); });

    // The three bars are shown at design, their items checked. A click on a
    // checkable item flips its mark before the handler runs; the handler
    // does the flipping itself (the settings and the toolbar call it too),
    // so the automatic flip is undone first.
    for (int i = 0; i <= 2; ++i) {
        QAction *bar = menuAction(QStringLiteral("Mnu_OutAff"), i);
        bar->setChecked(true);
        connect(bar, &QAction::triggered, this, [this, bar, i](bool checked) {
            const QSignalBlocker block(bar);
            bar->setChecked(!checked);
            Mnu_OutAff_Click(i);
        });
    }

    // The context menus open on their first item.
    Mnu_Label()->setDefaultAction(menuAction(QStringLiteral("Mnu_OutLabel"), 0));
    Mnu_Logo()->setDefaultAction(menuAction(QStringLiteral("Mnu_OutLogo"), 0));
}

void frmMenu::buildToolbar()
{
    m_toolbar1 = new QToolBar(QStringLiteral("Toolbar1"), this);
    m_toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    m_toolbar1->setMovable(false);
    m_toolbar1->setFloatable(false);
    m_toolbar1->setIconSize(QSize(16, 16));
    m_toolbar1->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    m_toolbar1->toggleViewAction()->setVisible(false);
    addToolBar(Qt::TopToolBarArea, m_toolbar1);

    for (const ToolDef &def : toolDefs()) {
        QAction *action = nullptr;
        if (!def.caption) {
            action = m_toolbar1->addSeparator();
        } else {
            const QIcon bundled(QStringLiteral(":/brivadune/icons/%1.svg").arg(QString::fromLatin1(def.bundledIcon)));
            const QIcon icon = QIcon::fromTheme(QString::fromLatin1(def.themeIcon), bundled);
            action = m_toolbar1->addAction(icon, text(def.caption));
            // The caption keeps its blanks (the derived icon text would be
            // trimmed).
            action->setIconText(text(def.caption));
            action->setToolTip(text(def.tooltip));
            const int index = def.index;
            connect(action, &QAction::triggered, this, [this, index] { Toolbar1_ButtonClick(index); });
        }
        m_toolButtons[std::size_t(def.index)] = action;
    }
}

void frmMenu::Toolbar1_ButtonClick(int index)
{
    for (const ToolDef &def : toolDefs()) {
        if (def.index != index || !def.array)
            continue;
        const QString array = QString::fromLatin1(def.array);
        if (array == QLatin1String("Mnu_Outfich"))
            Mnu_Outfich_Click(def.command);
        else if (array == QLatin1String("Mnu_OutPro"))
            Mnu_OutPro_Click(def.command);
        else if (array == QLatin1String("Mnu_OutInfo"))
            Mnu_OutInfo_Click(def.command);
        return;
    }
}

QAction *frmMenu::menuAction(const QString &arrayName, int index) const
{
    const auto it = m_menuItems.constFind(arrayName);
    if (it == m_menuItems.constEnd() || index < 0 || index >= it->size())
        return nullptr;
    return it->at(index);
}

int frmMenu::menuSize(const QString &arrayName) const
{
    return int(m_menuItems.value(arrayName).size());
}

QMenu *frmMenu::menuOf(const QString &arrayName) const
{
    return m_menus.value(arrayName, nullptr);
}

QAction *frmMenu::toolbarButton(int index) const
{
    return index >= 1 && index <= 14 ? m_toolButtons[std::size_t(index)] : nullptr;
}

void frmMenu::fillWindowList()
{
    m_windowList->clear();
    const frmProjet *active = activeCard();
    int number = 0;
    for (QMdiSubWindow *window : openSubWindows()) {
        auto *card = qobject_cast<frmProjet *>(window->widget());
        if (!card)
            continue;
        ++number;
        QAction *entry = m_windowList->addAction(QStringLiteral("&%1 %2").arg(number).arg(card->Caption()));
        entry->setCheckable(true);
        entry->setChecked(card == active);
        connect(entry, &QAction::triggered, this, [this, window] { showCardWindow(window); });
    }
}

void frmMenu::showLabelMenu(const QPoint &globalPos)
{
    Mnu_Label()->popup(globalPos, Mnu_Label()->defaultAction());
}

void frmMenu::showLogoMenu(const QPoint &globalPos)
{
    Mnu_Logo()->popup(globalPos, Mnu_Logo()->defaultAction());
}

void frmMenu::showToolsMenu(const QPoint &globalPos)
{
    Mnu_Outils()->popup(globalPos);
}
