// The menu and toolbar commands. Each menu's handler receives the index of
// the clicked item and runs the command the table gives it; the toolbar,
// the panel and other windows reach the same commands.
#include "frmMenu.h"

#include "Autosave.h"
#include "CardExport.h"
#include "CardWindows.h"
#include "ItemCommands.h"
#include "ScanCommands.h"
#include "frmAbout.h"
#include "printing/frmPrint.h"
#include "cardwindow/frmProjet.h"
#include "panel/ToolPanel.h"
#include "platform/AppPaths.h"
#include "platform/Clipboard.h"
#include "platform/HelpOpener.h"
#include "platform/Prompts.h"
#include "platform/Shell.h"

namespace {

// The effect each "Palette 2D" command asks for.
std::optional<ImageEffect> paletteEffect(Command command)
{
    switch (command) {
    case Command::Brighten: return ImageEffect{ImageEffect::Brightness, 10};
    case Command::Darken: return ImageEffect{ImageEffect::Brightness, -10};
    case Command::Gamma: return ImageEffect{ImageEffect::Gamma, 10};
    case Command::Greyscale: return ImageEffect{ImageEffect::Greyscale, 0};
    case Command::Invert: return ImageEffect{ImageEffect::Inversion, 255};
    case Command::Soften: return ImageEffect{ImageEffect::Blur, 0};
    case Command::Emboss: return ImageEffect{ImageEffect::Emboss, 255};
    case Command::Engrave: return ImageEffect{ImageEffect::Engrave, 255};
    default: return std::nullopt;
    }
}

// The printer set-up dialog (0x40) returning an information context (0x200).
const char *const NoProject = "Aucun projet en cours d'utilisation.";

} // namespace

// ---- Handlers by menu ------------------------------------------------------------

void frmMenu::dispatch(Menu menu, int index)
{
    emit commandRun(CommandTable::arrayName(menu) + QStringLiteral("_Click"), index);
    if (const std::optional<Command> command = CommandTable::command(menu, index))
        run(*command);
}

void frmMenu::Mnu_Outfich_Click(int index)
{
    dispatch(Menu::File, index);
}

void frmMenu::Mnu_OutAff_Click(int index)
{
    dispatch(Menu::View, index);
}

void frmMenu::Mnu_OutPal_Click(int index)
{
    dispatch(Menu::Palette, index);
}

void frmMenu::Mnu_OutPro_Click(int index)
{
    dispatch(Menu::Window, index);
}

void frmMenu::Mnu_OutInfo_Click(int index)
{
    dispatch(Menu::Help, index);
}

void frmMenu::Mnu_OutImp_Click(int index)
{
    dispatch(Menu::Scan, index);
}

void frmMenu::Mnu_OutEdition_Click(int index)
{
    emit commandRun(QStringLiteral("Mnu_OutEdition_Click"), index);
    if (const std::optional<Command> command = CommandTable::command(Menu::Edit, index))
        run(*command);
}

void frmMenu::runEdit(Command command)
{
    // Editing, font and colour are the label menu's commands.
    if (const int labelIndex = CommandTable::menuIndex(Menu::Label, command); labelIndex >= 0) {
        Mnu_OutLabel_Click(labelIndex);
        return;
    }
    if (frmProjet *card = activeCard())
        m_items->onText(*card, command);
}

void frmMenu::Mnu_OutOutils_Click(int index)
{
    emit commandRun(QStringLiteral("Mnu_OutOutils_Click"), index);
    // Every index runs the Tools ending, the ones without a command too.
    const std::optional<Command> command = CommandTable::command(Menu::Tools, index);
    const frmProjet::Edit edit(activeCard(), command ? CommandTable::caption(*command) : QString());
    runTools(command);
}

void frmMenu::Mnu_OutLabel_Click(int index)
{
    emit commandRun(QStringLiteral("Mnu_OutLabel_Click"), index);
    if (const std::optional<Command> command = CommandTable::command(Menu::Label, index)) {
        const frmProjet::Edit edit(activeCard(), CommandTable::caption(*command));
        runItem(CardMenu::Label, *command);
    }
}

void frmMenu::Mnu_OutLogo_Click(int index)
{
    emit commandRun(QStringLiteral("Mnu_OutLogo_Click"), index);
    if (const std::optional<Command> command = CommandTable::command(Menu::Logo, index)) {
        const frmProjet::Edit edit(activeCard(), CommandTable::caption(*command));
        runItem(CardMenu::Logo, *command);
    }
}

void frmMenu::Mnu_OutCode_Click(int index)
{
    emit commandRun(QStringLiteral("Mnu_OutCode_Click"), index);
    if (const std::optional<Command> command = CommandTable::command(Menu::Code, index)) {
        const frmProjet::Edit edit(activeCard(), CommandTable::caption(*command));
        runItem(CardMenu::Code, *command);
    }
}

void frmMenu::Toolbar1_ButtonClick(int index)
{
    if (const std::optional<Command> command = CommandTable::toolbarCommand(index))
        run(*command);
}

// ---- Commands ----------------------------------------------------------------------

void frmMenu::run(Command command)
{
    switch (command) {
    case Command::Undo:
    case Command::Redo:
        if (frmProjet *card = activeCard())
            command == Command::Undo ? card->history().undo() : card->history().redo();
        return;
    default: break;
    }
    // Whatever the command changes on the active card is one step of its
    // history, named after the command.
    const frmProjet::Edit edit(activeCard(), CommandTable::caption(command));
    switch (command) {
    case Command::Scan:
        // Without a card there is nothing to scan into.
        if (activeCard())
            Importation_TWAIN();
        return;
    case Command::SelectScanSource: scanCommands().selectSource(); return;
    case Command::ToggleAutosave: m_autosave->toggle(*m_panel->Check1(1)); return;
    default: break;
    }
    // Any other command runs as its menu runs it.
    const std::optional<Menu> menu = CommandTable::homeMenu(command);
    if (!menu)
        return;
    switch (*menu) {
    case Menu::File: runFile(command); break;
    case Menu::Edit: runEdit(command); break;
    case Menu::View: runView(command); break;
    case Menu::Tools: runTools(command); break;
    case Menu::Palette: runPalette(command); break;
    case Menu::Window: runWindow(command); break;
    case Menu::Help: runHelp(command); break;
    case Menu::Label: runItem(CardMenu::Label, command); break;
    case Menu::Logo: runItem(CardMenu::Logo, command); break;
    case Menu::Code: runItem(CardMenu::Code, command); break;
    case Menu::Scan: break;
    }
}

void frmMenu::runFile(Command command)
{
    frmProjet *card = activeCard();
    switch (command) {
    case Command::NewProject: showNewProjectWizard(); break;
    case Command::OpenProject: Ouvrir_unProjet(); break;
    case Command::CloseProject: m_windows->closeActive(); break;
    case Command::SaveProject:
        if (card)
            Sauver_unProjet(card->filePath().isEmpty());
        break;
    case Command::SaveProjectAs:
        if (card)
            Sauver_unProjet(true);
        break;
    case Command::PrinterSetup: printWindow().printerSetup(); break;
    case Command::PrintPreview:
    case Command::Print:
        if (card)
            printActiveCard(*card, command == Command::PrintPreview);
        break;
    case Command::Quit: close(); break;
    case Command::MergeWithList:
        if (card)
            mergeWithList(*card);
        break;
    default: break;
    }
}

void frmMenu::runItem(CardMenu menu, Command command)
{
    frmProjet *card = activeCard();
    if (!card)
        return;
    if (menu == CardMenu::Label)
        m_items->onLabel(*card, command);
    else if (menu == CardMenu::Logo)
        m_items->onLogo(*card, command);
    else
        m_items->onCode(*card, command);
}

void frmMenu::runView(Command command)
{
    switch (command) {
    case Command::ToggleToolbar: showBar(0, !barShown(0)); break;
    case Command::TogglePanel: showBar(1, !barShown(1)); break;
    case Command::ToggleStatusBar: showBar(2, !barShown(2)); break;
    case Command::MinimiseFrame: showMinimized(); break;
    case Command::MaximiseFrame: showMaximized(); break;
    case Command::RestoreFrame: showNormal(); break;
    case Command::RefreshCard:
        if (frmProjet *card = activeCard()) {
            card->cardView()->update();
            card->update();
        }
        break;
    case Command::ZoomIn:
    case Command::ZoomOut:
        if (frmProjet *card = activeCard())
            card->zoomBy(command == Command::ZoomIn ? 1 : -1);
        break;
    case Command::ActualSize:
        if (frmProjet *card = activeCard())
            card->setZoom(1);
        break;
    default: break;
    }
}

void frmMenu::runTools(std::optional<Command> command)
{
    frmProjet *card = activeCard();
    if (command == Command::ClearClipboard) {
        if (m_services.clipboard)
            m_services.clipboard->clear();
        m_services.prompts->msgBox(QStringLiteral("Le presse-papier est maintenant nettoyé."), Msg::Information);
    }
    // Every command, emptying the clipboard included, ends by redrawing the
    // active card: without one the user is told.
    if (!card) {
        m_services.prompts->msgBox(QString::fromUtf8(NoProject), Msg::Exclamation);
        return;
    }
    switch (command.value_or(Command::ClearClipboard)) {
    case Command::AddLabel:
        card->Ajouter_UnLabel();
        card->Mise_aJour();
        // What was just added is what the next command acts on.
        card->Label_Click(card->doc().NumLabel());
        break;
    case Command::AddLogo:
        card->Ajouter_UnLogo();
        card->Mise_aJour();
        card->Logo_Click(card->doc().NumLogo());
        break;
    case Command::AddCode: m_items->addCode(*card); break;
    case Command::ImportBackground: card->Ajouter_UnFond(); break;
    case Command::DefaultBackground: card->Fond_parDefaut(); break;
    case Command::ExportBmp: CardExport(m_services, m_dialog).exportBmp(*card); break;
    case Command::OpenInEditor: CardExport(m_services, m_dialog).openInEditor(*card); break;
    case Command::CopyToClipboard: CardExport(m_services, m_dialog).copyToClipboard(*card); break;
    case Command::ExportShopPdf: CardExport(m_services, m_dialog).exportForShop(*card, *this, dialogRunner()); break;
    default: break;
    }
    // The dialogs and messages ran their own event loops: the card is
    // looked up again.
    if (frmProjet *current = activeCard())
        current->Reinitialiser();
}

void frmMenu::runPalette(Command command)
{
    if (command == Command::ResetBackground) {
        if (frmProjet *card = activeCard())
            card->Reinitialiser();
        else
            m_services.prompts->msgBox(QString::fromUtf8(NoProject), Msg::Exclamation);
        return;
    }
    if (const std::optional<ImageEffect> effect = paletteEffect(command))
        Effet_Palette(effect->kind, effect->amount);
}

void frmMenu::Effet_Palette(int kind, int amount)
{
    // Without a card the effects do nothing.
    if (frmProjet *card = activeCard())
        card->doc().addEffect({kind, amount});
}

void frmMenu::runWindow(Command command)
{
    switch (command) {
    case Command::Cascade: m_windows->cascade(); break;
    case Command::TileHorizontally: m_windows->tile(Qt::Vertical); break;
    case Command::TileVertically: m_windows->tile(Qt::Horizontal); break;
    case Command::NormaliseAll: m_windows->setAllStates(Qt::WindowNoState); break;
    case Command::MinimiseAll: m_windows->setAllStates(Qt::WindowMinimized); break;
    case Command::MaximiseAll: m_windows->setAllStates(Qt::WindowMaximized); break;
    case Command::CloseWindow: m_windows->closeActive(); break;
    case Command::CloseAllWindows: m_windows->closeAll(); break;
    case Command::ArrangeIcons: m_windows->arrangeIcons(); break;
    default: break;
    }
}

void frmMenu::runHelp(Command command)
{
    // The shell's answer is not looked at: a missing document says nothing.
    Shell *shell = m_services.shell;
    const QString &appDir = m_services.appDir;
    switch (command) {
    case Command::Help:
        if (shell)
            HelpOpener(*shell, m_services.prompts).openHelp(appDir);
        break;
    case Command::History:
        if (shell)
            shell->open(AppPaths::join(appDir, QStringLiteral("\\historique.rtf")));
        break;
    case Command::Licence:
        if (shell)
            shell->open(AppPaths::join(appDir, QStringLiteral("\\licence.rtf")));
        break;
    case Command::WebSite:
        // No web site exists: the help's page about the program stands in.
        if (shell)
            HelpOpener(*shell).openAboutPage(appDir);
        break;
    case Command::About: showAbout(); break;
    default: break;
    }
}

void frmMenu::Importation_TWAIN()
{
    if (frmProjet *card = activeCard())
        scanCommands().Importation_TWAIN(*card);
}

ScanCommands &frmMenu::scanCommands()
{
    if (!m_scan)
        m_scan = std::make_unique<ScanCommands>(m_services, dialogRunner(), this);
    return *m_scan;
}

void frmMenu::showAbout()
{
    frmAbout about(*this, m_services.shell, m_services.appDir);
    runModal(about);
}
