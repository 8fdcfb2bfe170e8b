#include "Commands.h"

#include <algorithm>

namespace CommandTable {

namespace {

using C = Command;
using M = Menu;

std::vector<MenuItem> buildMenuItems()
{
    std::vector<MenuItem> items = {
        {M::File, 0, "Nouveau projet", "Ctrl+N", C::NewProject},
        {M::File, 1, "Ouvrir un fichier", "Ctrl+O", C::OpenProject},
        {M::File, 2, "Fermer", nullptr, C::CloseProject},
        {M::File, 3, "-", nullptr, {}},
        {M::File, 4, "Enregistrer", "Ctrl+S", C::SaveProject},
        {M::File, 5, "Enregistrer sous...", nullptr, C::SaveProjectAs},
        {M::File, 6, "-", nullptr, {}},
        {M::File, 7, "Importation TWAIN", nullptr, {}}, // carries the scanner submenu
        {M::File, 8, "-", nullptr, {}},
        {M::File, 9, "Configuration de l'impression", nullptr, C::PrinterSetup},
        {M::File, 10, "Aperçu avant impression", nullptr, C::PrintPreview},
        {M::File, 11, "Imprimer...", "Ctrl+P", C::Print},
        {M::File, 12, "-", nullptr, {}},
        {M::File, 13, "Quitter", nullptr, C::Quit},
        {M::File, 14, "-", nullptr, {}},
        {M::File, 15, "Fusion avec une liste...", nullptr, C::MergeWithList},
        {M::File, 16, "Projets récents", nullptr, {}}, // carries the list of recent projects

        {M::Edit, 0, "Annuler la commande", "Ctrl+Z", C::Undo},
        {M::Edit, 1, "-", nullptr, {}},
        {M::Edit, 2, "Couper", "Ctrl+X", C::CutText},
        {M::Edit, 3, "Copier", "Ctrl+C", C::CopyText},
        {M::Edit, 4, "Coller", "Ctrl+V", C::PasteText},
        {M::Edit, 5, "Supprimer", nullptr, C::DeleteText},
        {M::Edit, 6, "-", nullptr, {}},
        {M::Edit, 7, "Editer le contenu", nullptr, C::EditItem},
        {M::Edit, 8, "-", nullptr, {}},
        {M::Edit, 9, "Modifier la police", nullptr, C::ItemFont},
        {M::Edit, 10, "Modifier la couleur", nullptr, C::ItemColour},
        {M::Edit, 11, "-", nullptr, {}},
        {M::Edit, 12, "Rétablir la commande", "Ctrl+Y;Ctrl+Shift+Z", C::Redo},

        {M::View, 0, "Barre d'outils", nullptr, C::ToggleToolbar},
        {M::View, 1, "Barre de gestion", nullptr, C::TogglePanel},
        {M::View, 2, "Barre de statut", nullptr, C::ToggleStatusBar},
        {M::View, 3, "-", nullptr, {}},
        {M::View, 4, "Réduire le menu dans la barre", nullptr, C::MinimiseFrame},
        {M::View, 5, "Agrandir le menu sur l'écran", nullptr, C::MaximiseFrame},
        {M::View, 6, "-", nullptr, {}},
        {M::View, 7, "Normaliser le menu ", nullptr, C::RestoreFrame},
        {M::View, 8, "-", nullptr, {}},
        {M::View, 9, "Actualiser la fenêtre active", "F5", C::RefreshCard},
        {M::View, 10, "-", nullptr, {}},
        {M::View, 11, "Zoom avant", "Ctrl++;Ctrl+=", C::ZoomIn},
        {M::View, 12, "Zoom arrière", "Ctrl+-", C::ZoomOut},
        {M::View, 13, "Taille réelle", "Ctrl+0", C::ActualSize},

        {M::Tools, 0, "Ajouter un label", nullptr, C::AddLabel},
        {M::Tools, 1, "Ajouter un logo", nullptr, C::AddLogo},
        {M::Tools, 2, "-", nullptr, {}},
        {M::Tools, 3, "Importer une image de fond", nullptr, C::ImportBackground},
        {M::Tools, 4, "Arrière plan par défaut", nullptr, C::DefaultBackground},
        {M::Tools, 5, "-", nullptr, {}},
        {M::Tools, 6, "Exporter le projet en Bmp", nullptr, C::ExportBmp},
        {M::Tools, 7, "Ouvrir dans un éditeur", nullptr, C::OpenInEditor},
        {M::Tools, 8, "Copier dans le presse-papier", nullptr, C::CopyToClipboard},
        {M::Tools, 9, "-", nullptr, {}},
        {M::Tools, 10, "Nettoyer le presse-papier", nullptr, C::ClearClipboard},
        {M::Tools, 11, "-", nullptr, {}},
        {M::Tools, 12, "Ajouter un code...", nullptr, C::AddCode},
        {M::Tools, 13, "Exporter pour l'imprimeur (PDF)...", nullptr, C::ExportShopPdf},

        {M::Palette, 0, "Réinitialiser le fond", nullptr, C::ResetBackground},
        {M::Palette, 1, "-", nullptr, {}},
        {M::Palette, 2, "Augmenter la luminosité", nullptr, C::Brighten},
        {M::Palette, 3, "Réduire la luminosité", nullptr, C::Darken},
        {M::Palette, 4, "-", nullptr, {}},
        {M::Palette, 5, "Correction gamma", nullptr, C::Gamma},
        {M::Palette, 6, "Niveau de gris", nullptr, C::Greyscale},
        {M::Palette, 7, "Inversion", nullptr, C::Invert},
        {M::Palette, 8, "-", nullptr, {}},
        {M::Palette, 9, "Adoucir", nullptr, C::Soften},
        {M::Palette, 10, "-", nullptr, {}},
        {M::Palette, 11, "Fond en relief (Emboss)", nullptr, C::Emboss},
        {M::Palette, 12, "Fond incrusté (Engrave)", nullptr, C::Engrave},

        {M::Window, 0, "Cascade", nullptr, C::Cascade},
        {M::Window, 1, "Mosaïque horizontale", nullptr, C::TileHorizontally},
        {M::Window, 2, "Mosaïque verticale", nullptr, C::TileVertically},
        {M::Window, 3, "-", nullptr, {}},
        {M::Window, 4, "Afficher une fenêtre", nullptr, {}}, // carries the list of card windows
        {M::Window, 5, "-", nullptr, {}},
        {M::Window, 6, "Normaliser tout", nullptr, C::NormaliseAll},
        {M::Window, 7, "Réduire tout", nullptr, C::MinimiseAll},
        {M::Window, 8, "Maximiser tout", nullptr, C::MaximiseAll},
        {M::Window, 9, "-", nullptr, {}},
        {M::Window, 10, "Fermez la fenêtre active", nullptr, C::CloseWindow},
        {M::Window, 11, "Cloturer toutes les fenêtres", nullptr, C::CloseAllWindows},
        {M::Window, 12, "-", nullptr, {}},
        {M::Window, 13, "Réorganiser les icônes", nullptr, C::ArrangeIcons},

        {M::Help, 0, "Aide principale", "F1", C::Help},
        {M::Help, 1, "-", nullptr, {}},
        {M::Help, 2, "Historique des versions", nullptr, C::History},
        {M::Help, 3, "Licence d'exploitation", nullptr, C::Licence},
        {M::Help, 4, "-", nullptr, {}},
        {M::Help, 6, "Visiter le site Web", nullptr, C::WebSite},
        {M::Help, 7, "-", nullptr, {}},
        {M::Help, 8, "A propos...", "F2", C::About},

        {M::Scan, 0, "Acquérir...", nullptr, C::Scan},
        {M::Scan, 1, "Sélectionner la source...", nullptr, C::SelectScanSource},

        {M::Label, 0, "Editer le contenu", nullptr, C::EditItem},
        {M::Label, 1, "-", nullptr, {}},
        {M::Label, 2, "Modifier la police", nullptr, C::ItemFont},
        {M::Label, 3, "Modifier la couleur", nullptr, C::ItemColour},

        {M::Logo, 0, "Redimensionner", nullptr, C::EditItem},
        {M::Logo, 1, "-", nullptr, {}},
        {M::Logo, 2, "Modifier l'image", nullptr, C::ChangeLogoPicture},
        {M::Logo, 3, "Effacer le contenu", nullptr, C::ClearLogo},

        {M::Code, 0, "Modifier le code...", nullptr, C::EditItem},
    };
    // Items 4 to 12, the same in every item's context menu.
    for (const Menu menu : {M::Label, M::Logo, M::Code}) {
        const MenuItem placement[] = {
            {menu, 4, "-", nullptr, {}},
            {menu, 5, "Centrer sur l'horizontale", nullptr, C::CentreAcross},
            {menu, 6, "Centrer sur la verticale", nullptr, C::CentreDown},
            {menu, 7, "Milieu du projet", nullptr, C::CentreBoth},
            {menu, 8, "-", nullptr, {}},
            {menu, 9, "Mettre au premier plan", nullptr, C::BringToFront},
            {menu, 10, "Envoyer en arrière plan", nullptr, C::SendToBack},
            {menu, 11, "-", nullptr, {}},
            {menu, 12, "Supprimer", nullptr, C::DeleteItem},
        };
        const auto end = std::find_if(items.begin(), items.end(), [menu](const MenuItem &item) {
            return item.menu > menu;
        });
        items.insert(end, std::begin(placement), std::end(placement));
    }
    return items;
}

} // namespace

const std::vector<MenuItem> &menuItems()
{
    static const std::vector<MenuItem> items = buildMenuItems();
    return items;
}

const std::vector<ToolButton> &toolButtons()
{
    static const std::vector<ToolButton> buttons = {
        {1, " Nouveau ", "Créer un nouveau projet", "document-new", "new", C::NewProject},
        {2, "Ouvrir", "Ouvrir un projet existant", "document-open", "open", C::OpenProject},
        {3, nullptr, nullptr, nullptr, nullptr, {}},
        {4, "Sauver", "Enregistrer le projet", "document-save", "save", C::SaveProject},
        {5, "Imprimer", "Imprimer le projet", "document-print", "print", C::Print},
        {6, nullptr, nullptr, nullptr, nullptr, {}},
        {7, "Cascade", "Afficher en cascade", "window-cascade", "cascade", C::Cascade},
        {8, "Mosaï. H", "Mosaïque horizontale", "window-tile-horizontal", "tile-horizontal", C::TileHorizontally},
        {9, "Mosaï. V", "Mosaïque verticale", "window-tile-vertical", "tile-vertical", C::TileVertically},
        {10, nullptr, nullptr, nullptr, nullptr, {}},
        {11, "Aide", "Aide principale", "help-contents", "help", C::Help},
        {12, "A propos", "Infos sur l'auteur", "help-about", "about", C::About},
        {13, nullptr, nullptr, nullptr, nullptr, {}},
        {14, "Quitter", "Quitter l'application", "application-exit", "quit", C::Quit},
    };
    return buttons;
}

QString arrayName(Menu menu)
{
    static const char *const names[] = {"Mnu_Outfich", "Mnu_OutEdition", "Mnu_OutAff", "Mnu_OutOutils", "Mnu_OutPal",
                                        "Mnu_OutPro", "Mnu_OutInfo", "Mnu_OutImp", "Mnu_OutLabel", "Mnu_OutLogo",
                                        "Mnu_OutCode"};
    return QString::fromLatin1(names[int(menu)]);
}

QString title(Menu menu)
{
    static const char *const titles[] = {"&Fichier", "&Edition", "&Affichage", "&Outils", "&Palette 2D",
                                         "&Fenêtre", "&Aide", "Importation TWAIN", "Label", "Logo", "Code"};
    return QString::fromUtf8(titles[int(menu)]);
}

std::optional<Command> command(Menu menu, int index)
{
    for (const MenuItem &item : menuItems()) {
        if (item.menu == menu && item.index == index)
            return item.command;
    }
    return std::nullopt;
}

std::optional<Command> toolbarCommand(int index)
{
    for (const ToolButton &button : toolButtons()) {
        if (button.index == index)
            return button.command;
    }
    return std::nullopt;
}

std::optional<Command> panelCommand(PanelArray array, int index)
{
    switch (array) {
    case PanelArray::Bouton: {
        static const Command boutons[] = {C::PanelAddLabel,    C::PanelAddLogo,      C::ItemFont,
                                          C::ItemColour,       C::ImportBackground,  C::DefaultBackground,
                                          C::RestoreGradient,  C::CancelGradient};
        if (index >= 1 && index <= 8)
            return boutons[index - 1];
        // Added after the panel's own buttons.
        if (index == 9)
            return C::AddCode;
        return std::nullopt;
    }
    case PanelArray::Pos: {
        static const Command moves[] = {C::MoveUp,           C::MoveDown,    C::MoveLeft,       C::MoveRight,
                                        C::CentreAcrossCard, C::CentreOnCard, C::CentreDownCard};
        if (index >= 0 && index <= 6)
            return moves[index];
        return std::nullopt;
    }
    case PanelArray::Palette:
        // The effect buttons run the "Palette 2D" menu item of their index.
        return command(M::Palette, index);
    }
    return std::nullopt;
}

int menuIndex(Menu menu, Command command)
{
    for (const MenuItem &item : menuItems()) {
        if (item.menu == menu && item.command == command)
            return item.index;
    }
    return -1;
}

std::optional<Menu> homeMenu(Command command)
{
    for (const MenuItem &item : menuItems()) {
        if (item.command == command)
            return item.menu;
    }
    return std::nullopt;
}

QString caption(Command command)
{
    for (const MenuItem &item : menuItems()) {
        if (item.command == command)
            return QString::fromUtf8(item.caption);
    }
    return QString();
}

} // namespace CommandTable
