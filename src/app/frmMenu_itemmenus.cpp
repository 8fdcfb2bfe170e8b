// The label and logo context menus of the card items; the Edit menu reuses
// the label menu's commands. Each command acts on the item whose index the
// selection text box's tag holds, in the active card window; without a card,
// a selection or a visible item it changes nothing.
#include "frmMenu.h"

#include "PanelSelection.h"
#include "document/frmProjet.h"

#include <QPointer>

namespace {

// The centring commands shared by both menus: 5 across, 6 down, 7 both.
template <typename Item>
void centreItem(Item &item, int command, const Surface &card)
{
    if (command == 5 || command == 7)
        item.Left = PanelSelection::centredLeft(card, item.Width());
    if (command == 6 || command == 7)
        item.Top = PanelSelection::centredTop(card, item.Height());
}

} // namespace

void frmMenu::Mnu_OutLabel_Click(int index)
{
    emit commandRun(QStringLiteral("Mnu_OutLabel_Click"), index);
    const QPointer<frmProjet> card = activeCard();
    CardLabel *label = card ? card->selectedLabel() : nullptr;
    if (!label)
        return;
    const CardItemRef item{CardItemRef::LabelItem, label->index};

    switch (index) {
    case 0: editLabelText(*card, item.index); return;
    case 2: card->Format_Police(); break;
    case 3: card->Couleur_Police(); break;
    case 5:
    case 6:
    case 7: centreItem(*label, index, card->Picture1()); break;
    case 9: card->bringToFront(item); break;
    case 10: card->sendToBack(item); break;
    case 12:
        label->Visible = false;
        card->hideBord();
        card->updateLabel(item.index);
        card->Mise_aJour();
        return;
    default: return;
    }
    // The font and colour dialogs ran their own event loop.
    if (!card)
        return;
    card->updateLabel(item.index);
    if (label->Visible)
        card->setBord(PanelSelection::labelFrame(*label));
}

void frmMenu::Mnu_OutLogo_Click(int index)
{
    emit commandRun(QStringLiteral("Mnu_OutLogo_Click"), index);
    const QPointer<frmProjet> card = activeCard();
    CardLogo *logo = card ? card->selectedLogo() : nullptr;
    if (!logo)
        return;
    const CardItemRef item{CardItemRef::LogoItem, logo->index};

    switch (index) {
    case 0:
        // "Redimensionner" is only for a logo with a picture file.
        if (!logo->Tag.isEmpty())
            resizeLogo(*card, item.index);
        return;
    case 2: {
        // The new picture goes into the logo the menu was opened on, not
        // into the slot created last.
        const int lastSlot = card->doc().NumLogo;
        card->doc().NumLogo = item.index;
        card->Ajouter_UnLogo(true);
        if (!card)
            return;
        card->doc().NumLogo = lastSlot;
        break;
    }
    case 3:
        // The empty picture at 510 x 510 twips, stretched so it keeps that
        // size, with no file.
        logo->setStretch(true);
        logo->setPicture(card->Tmp());
        logo->setSize(510, 510);
        logo->Tag.clear();
        break;
    case 5:
    case 6:
    case 7: centreItem(*logo, index, card->Picture1()); break;
    case 9: card->bringToFront(item); break;
    case 10: card->sendToBack(item); break;
    case 12:
        logo->Visible = false;
        card->hideBord();
        card->updateLogo(item.index);
        card->Mise_aJour();
        return;
    default: return;
    }
    card->updateLogo(item.index);
    if (logo->Visible)
        card->setBord(PanelSelection::logoFrame(*logo));
}
