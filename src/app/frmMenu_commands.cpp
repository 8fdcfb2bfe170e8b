// The menu commands: each menu array's handler receives the index of the
// clicked item. The toolbar, the panel and other windows call them with
// fixed indexes.
#include "frmMenu.h"

#include "CardExport.h"
#include "ScanCommands.h"
#include "frmAbout.h"
#include "document/frmProjet.h"
#include "platform/AppPaths.h"
#include "platform/Clipboard.h"
#include "platform/HelpOpener.h"
#include "platform/Prompts.h"
#include "platform/Shell.h"

#include <QMdiSubWindow>

namespace {

// The "Palette 2D" menu items and panel buttons (same index) and the
// effect each asks for; the other indexes are separators.
std::optional<ImageEffect> paletteEffect(int index)
{
    switch (index) {
    case 2: return ImageEffect{ImageEffect::Brightness, 10};
    case 3: return ImageEffect{ImageEffect::Brightness, -10};
    case 5: return ImageEffect{ImageEffect::Gamma, 10};
    case 6: return ImageEffect{ImageEffect::Greyscale, 0};
    case 7: return ImageEffect{ImageEffect::Inversion, 255};
    case 9: return ImageEffect{ImageEffect::Blur, 0};
    case 11: return ImageEffect{ImageEffect::Emboss, 255};
    case 12: return ImageEffect{ImageEffect::Engrave, 255};
    default: return std::nullopt;
    }
}

// The printer set-up dialog (0x40) returning an information context (0x200).
constexpr int PrinterSetupFlags = 0x240;

const char *const NoProject = "Aucun projet en cours d'utilisation.";

} // namespace

void frmMenu::Mnu_Outfich_Click(int index)
{
    emit commandRun(QStringLiteral("Mnu_Outfich_Click"), index);
    frmProjet *card = activeCard();
    switch (index) {
    case 0: showNewProjectWizard(); break;
    case 1: Ouvrir_unProjet(); break;
    case 2: closeActiveCard(); break;
    case 4:
        if (card)
            Sauver_unProjet(card->Tag().isEmpty());
        break;
    case 5:
        if (card)
            Sauver_unProjet(true);
        break;
    case 9:
        CMDialog1().Flags = PrinterSetupFlags;
        CMDialog1().ShowPrinter();
        break;
    case 10:
    case 11:
        if (card)
            printActiveCard(*card, index == 10);
        break;
    case 13: close(); break;
    default: break;
    }
}

void frmMenu::Mnu_OutEdition_Click(int index)
{
    emit commandRun(QStringLiteral("Mnu_OutEdition_Click"), index);
    switch (index) {
    case 7: Mnu_OutLabel_Click(0); return;
    case 9: Mnu_OutLabel_Click(2); return;
    case 10: Mnu_OutLabel_Click(3); return;
    default: break;
    }

    frmProjet *card = activeCard();
    CardLabel *label = card ? card->selectedLabel() : nullptr;
    if (!label)
        return;
    Clipboard *clipboard = m_services.clipboard;
    // Each text change keeps the text it replaced for "Annuler".
    switch (index) {
    case 0:
        if (label->Tag.isEmpty())
            return;
        label->setCaption(label->Tag);
        label->Tag.clear();
        break;
    case 2:
        if (clipboard)
            clipboard->setText(label->Caption());
        label->Tag = label->Caption();
        label->setCaption(QStringLiteral("-------"));
        break;
    case 3:
        if (clipboard)
            clipboard->setText(label->Caption());
        label->Tag = label->Caption();
        return;
    case 4:
        label->Tag = label->Caption();
        label->setAutoSize(true);
        label->setCaption(clipboard ? clipboard->text() : QString());
        break;
    case 5:
        label->Tag = label->Caption();
        label->setCaption(QStringLiteral("ZONE DE TEXTE"));
        break;
    default:
        return;
    }
    card->updateLabel(label->index);
    card->Label_Click(label->index);
}

void frmMenu::Mnu_OutAff_Click(int index)
{
    emit commandRun(QStringLiteral("Mnu_OutAff_Click"), index);
    switch (index) {
    case 0:
    case 1:
    case 2: showBar(index, !barShown(index)); break;
    case 4: showMinimized(); break;
    case 5: showMaximized(); break;
    case 7: showNormal(); break;
    case 9:
        if (frmProjet *card = activeCard()) {
            card->updateCard();
            card->update();
        }
        break;
    default: break;
    }
}

void frmMenu::Mnu_OutOutils_Click(int index)
{
    emit commandRun(QStringLiteral("Mnu_OutOutils_Click"), index);
    frmProjet *card = activeCard();
    if (index == 10) {
        if (m_services.clipboard)
            m_services.clipboard->clear();
        prompts().msgBox(QStringLiteral("Le presse-papier est maintenant nettoyé."), Msg::Information);
    }
    // Every command, emptying the clipboard included, ends by redrawing the
    // active card: without one the user is told.
    if (!card) {
        prompts().msgBox(QString::fromUtf8(NoProject), Msg::Exclamation);
        return;
    }
    switch (index) {
    case 0:
        card->Ajouter_UnLabel();
        card->Mise_aJour();
        break;
    case 1:
        card->Ajouter_UnLogo();
        card->Mise_aJour();
        break;
    case 3: card->Ajouter_UnFond(); break;
    case 4: card->Fond_parDefaut(); break;
    case 6: CardExport(m_services, CMDialog1()).exportBmp(*card); break;
    case 7: CardExport(m_services, CMDialog1()).openInEditor(*card); break;
    case 8: CardExport(m_services, CMDialog1()).copyToClipboard(*card); break;
    default: break;
    }
    // The dialogs and messages ran their own event loops: the card is
    // looked up again.
    if (frmProjet *current = activeCard())
        current->Reinitialiser();
}

void frmMenu::Mnu_OutPal_Click(int index)
{
    emit commandRun(QStringLiteral("Mnu_OutPal_Click"), index);
    if (index == 0) {
        if (frmProjet *card = activeCard())
            card->Reinitialiser();
        else
            prompts().msgBox(QString::fromUtf8(NoProject), Msg::Exclamation);
        return;
    }
    if (const std::optional<ImageEffect> effect = paletteEffect(index))
        Effet_Palette(effect->kind, effect->amount);
}

void frmMenu::Effet_Palette(int kind, int amount)
{
    // Without a card the effects do nothing.
    if (frmProjet *card = activeCard())
        card->applyEffect({kind, amount});
}

void frmMenu::Mnu_OutPro_Click(int index)
{
    emit commandRun(QStringLiteral("Mnu_OutPro_Click"), index);
    switch (index) {
    case 0: cascadeWindows(); break;
    case 1: tileWindows(Qt::Vertical); break;
    case 2: tileWindows(Qt::Horizontal); break;
    case 6: setAllWindowsState(Qt::WindowNoState); break;
    case 7: setAllWindowsState(Qt::WindowMinimized); break;
    case 8: setAllWindowsState(Qt::WindowMaximized); break;
    case 10: closeActiveCard(); break;
    case 11: closeAllCards(); break;
    case 13: arrangeIcons(); break;
    default: break;
    }
}

void frmMenu::Mnu_OutInfo_Click(int index)
{
    emit commandRun(QStringLiteral("Mnu_OutInfo_Click"), index);
    // The shell's answer is not looked at: a missing document says nothing.
    const auto open = [this](const QString &target) {
        if (m_services.shell)
            m_services.shell->open(target);
    };
    switch (index) {
    case 0:
        if (m_services.shell)
            HelpOpener(*m_services.shell).openHelp(appDir());
        break;
    case 2: open(AppPaths::join(appDir(), QStringLiteral("\\historique.rtf"))); break;
    case 3: open(AppPaths::join(appDir(), QStringLiteral("\\licence.rtf"))); break;
    case 6:
        // No web site exists: the help's page about the program stands in.
        if (m_services.shell)
            HelpOpener(*m_services.shell).openAboutPage(appDir());
        break;
    case 8: showAbout(); break;
    default: break;
    }
}

void frmMenu::Mnu_OutImp_Click(int index)
{
    emit commandRun(QStringLiteral("Mnu_OutImp_Click"), index);
    switch (index) {
    case 0:
        // Without a card there is nothing to scan into.
        if (activeCard())
            Importation_TWAIN();
        break;
    case 1: scanCommands().selectSource(); break;
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
    frmAbout about(*this, m_services.shell, appDir());
    runModal(about);
}
