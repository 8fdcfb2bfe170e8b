#pragma once

#include <QString>
#include <optional>
#include <vector>

// Every command of the frame's menus, toolbar and tool panel, by what it
// does. The menus and the panel keep their fixed indexes (other windows and
// the settings know them); the table below says which command each index
// runs, so a command is found by its meaning.
enum class Command {
    // File
    NewProject, OpenProject, CloseProject, SaveProject, SaveProjectAs, PrinterSetup, PrintPreview, Print, Quit,
    MergeWithList,
    // Edit: the card's history, the selected label's text
    Undo, Redo, CutText, CopyText, PasteText, DeleteText,
    // The selected item (label and logo menus, and the Edit menu for labels)
    EditItem, ItemFont, ItemColour, ChangeLogoPicture, ClearLogo, CentreAcross, CentreDown, CentreBoth,
    BringToFront, SendToBack, DeleteItem,
    // View
    ToggleToolbar, TogglePanel, ToggleStatusBar, MinimiseFrame, MaximiseFrame, RestoreFrame, RefreshCard,
    ZoomIn, ZoomOut, ActualSize,
    // Tools
    AddLabel, AddLogo, ImportBackground, DefaultBackground, ExportBmp, OpenInEditor, CopyToClipboard,
    ClearClipboard,
    // Palette 2D
    ResetBackground, Brighten, Darken, Gamma, Greyscale, Invert, Soften, Emboss, Engrave,
    // Window
    Cascade, TileHorizontally, TileVertically, NormaliseAll, MinimiseAll, MaximiseAll, CloseWindow,
    CloseAllWindows, ArrangeIcons,
    // Help
    Help, History, Licence, WebSite, About,
    // Scanning
    Scan, SelectScanSource,
    // Tool panel
    PanelAddLabel, PanelAddLogo, RestoreGradient, CancelGradient, MoveUp, MoveDown, MoveLeft, MoveRight,
    CentreAcrossCard, CentreOnCard, CentreDownCard, ToggleAutosave,
    // Codes (Tools menu, tool panel)
    AddCode,
    // The card for a print shop (Tools menu)
    ExportShopPdf,
};

// The menu arrays, in the order of the menu bar, then the scanner submenu
// and the context menus.
enum class Menu { File, Edit, View, Tools, Palette, Window, Help, Scan, Label, Logo, Code };

// The rows of the panel whose controls run commands.
enum class PanelArray { Bouton, Pos, Palette };

namespace CommandTable {

struct MenuItem {
    Menu menu;
    int index;
    const char *caption;  // "-" for a separator
    const char *shortcut; // null when none; several are parted by ";"
    std::optional<Command> command;
};

struct ToolButton {
    int index;
    const char *caption;  // null for a separator
    const char *tooltip;
    const char *themeIcon;
    const char *bundledIcon;
    std::optional<Command> command;
};

// Every item of every menu, each menu's items in index order.
const std::vector<MenuItem> &menuItems();
// The main toolbar's buttons 1 to 14.
const std::vector<ToolButton> &toolButtons();

// The array name of a menu ("Mnu_Outfich"...) and its title.
QString arrayName(Menu menu);
QString title(Menu menu);

// The command of a menu item, a toolbar button or a panel control; nothing
// for a separator or an index the array does not have.
std::optional<Command> command(Menu menu, int index);
std::optional<Command> toolbarCommand(int index);
std::optional<Command> panelCommand(PanelArray array, int index);
// The index of a command in a menu, or -1.
int menuIndex(Menu menu, Command command);
// The first menu, in the menu bar's order, that carries a command; nothing
// for a command of the panel alone.
std::optional<Menu> homeMenu(Command command);
// The caption of a command's item in its first menu (empty for a command of
// the panel alone), which names the step it makes in a card's history.
QString caption(Command command);

} // namespace CommandTable
