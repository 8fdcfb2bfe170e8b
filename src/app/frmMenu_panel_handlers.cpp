// Handlers of the tool panel's controls. Each receives the index of its
// control in its array and acts on the active card window; without one, or
// without the item it needs, a handler changes nothing.
#include "frmMenu.h"

#include "ColorSwatch.h"
#include "PanelSelection.h"
#include "document/frmProjet.h"
#include "platform/TextConv.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>

namespace {

// The visible label or logo `index` of a card, or null.
CardLabel *visibleLabel(frmProjet &card, int index)
{
    CardLabel *label = card.Label(index);
    return label && label->Visible ? label : nullptr;
}

CardLogo *visibleLogo(frmProjet &card, int index)
{
    CardLogo *logo = card.Logo(index);
    return logo && logo->Visible ? logo : nullptr;
}

// Moves an item by one position button: 0 up, 1 down, 2 left, 3 right by
// `step` twips; 4 centred across, 5 in the middle, 6 centred down. Nothing
// keeps the item on the card.
template <typename Item>
void moveItem(Item &item, int button, int step, const Surface &card)
{
    switch (button) {
    case 0: item.Top -= float(step); break;
    case 1: item.Top += float(step); break;
    case 2: item.Left -= float(step); break;
    case 3: item.Left += float(step); break;
    case 4: item.Left = PanelSelection::centredLeft(card, item.Width()); break;
    case 5:
        item.Left = PanelSelection::centredLeft(card, item.Width());
        item.Top = PanelSelection::centredTop(card, item.Height());
        break;
    case 6: item.Top = PanelSelection::centredTop(card, item.Height()); break;
    default: break;
    }
}

} // namespace

// ---- Page 1: the selected label's text and style --------------------------

void frmMenu::TextA_Change()
{
    // Only a selected label follows the box.
    if (SelectionKind != 1)
        return;
    if (!m_selection) {
        if (!m_textA->text().isEmpty())
            m_textA->clear();
        return;
    }
    frmProjet *card = activeCard();
    CardLabel *label = card ? card->selectedLabel() : nullptr;
    if (!label)
        return;
    const int n = label->index;
    const QString text = m_textA->text();
    if (text.isEmpty()) {
        // An emptied label keeps its size, so it can still be found and
        // clicked on the card.
        label->setAutoSize(false);
        label->setCaption(text);
    } else {
        label->setCaption(text);
        label->setAutoSize(true);
    }
    card->updateLabel(n);
    // Selecting the label again moves the frame to its new size; the card
    // writes back the same text, which changes nothing here.
    card->Label_Click(n);

    // The label's row of the list shows the new text: the selected row
    // when it is that label's, else the label's own row.
    const QString item = QStringLiteral("Lb") + QString::number(n);
    int row = m_objets->currentIndex();
    if (row < 0 || PanelSelection::rowItem(m_objets->itemText(row)) != item) {
        row = -1;
        for (int i = 0; i < m_objets->count() && row < 0; ++i) {
            if (PanelSelection::rowItem(m_objets->itemText(i)) == item)
                row = i;
        }
    }
    if (row >= 0)
        m_objets->setItemText(row, item + QStringLiteral(" | ") + text);
}

void frmMenu::Check2_Click(int index)
{
    frmProjet *card = activeCard();
    QCheckBox *box = Check2(index);
    CardLabel *label = card && box ? card->selectedLabel() : nullptr;
    if (!label)
        return;
    if (index == 0)
        label->setFontUnderline(box->isChecked());
    else
        label->setFontStrikethru(box->isChecked());
    card->updateLabel(label->index);
}

// ---- The buttons of pages 1 and 3 ----------------------------------------------

void frmMenu::Bouton_Click(int index)
{
    frmProjet *card = activeCard();
    if (!card)
        return;
    switch (index) {
    case 1:
        card->Ajouter_UnLabel();
        card->Mise_aJour();
        Check1(2)->setChecked(false);
        break;
    case 2:
        card->Ajouter_UnLogo();
        card->Mise_aJour();
        Check1(2)->setChecked(false);
        break;
    case 3: {
        const QPointer<frmProjet> guard(card);
        card->Format_Police();
        if (guard && m_selection && m_selection->kind == CardItemRef::LabelItem)
            card->Label_Click(m_selection->index);
        break;
    }
    case 4: card->Couleur_Police(); break;
    case 5: card->Ajouter_UnFond(); break;
    case 6: card->Fond_parDefaut(); break;
    case 7:
        // The gradient again, in the orientation last chosen.
        if (const std::optional<std::int16_t> orientation = TextConv::toInt16(Color(0)->tag))
            Option_Click(*orientation);
        break;
    case 8:
        // Back to the card's background picture if it has one, else to the
        // default background. The card's background kind follows what it
        // shows, so a save or a repaint keeps it.
        if (!card->doc().BackgroundPicture.isEmpty()) {
            card->doc().NumFond = 2;
            if (card->Reinitialiser())
                break;
        }
        card->Fond_parDefaut();
        break;
    default: break;
    }
}

// ---- Page 2: object list and position buttons --------------------------------

void frmMenu::Objets_Click()
{
    const int row = m_objets->currentIndex();
    if (row < 0)
        return;
    const QString text = m_objets->itemText(row);
    const std::optional<int> n = PanelSelection::rowNumber(text);
    frmProjet *card = activeCard();
    if (!n || !card)
        return;
    if (text.startsWith(QStringLiteral("Lb"))) {
        SelectionKind = 1;
        card->Label_Click(*n);
    } else {
        SelectionKind = 2;
        card->Logo_Click(*n);
    }
}

void frmMenu::Pos_Click(int index)
{
    frmProjet *card = activeCard();
    const int step = niveauStep();
    const std::optional<int> n = PanelSelection::rowNumber(m_objets->currentText());
    if (!card || index < 0 || index > 6 || step <= 0 || !n)
        return;
    const Surface &surface = card->Picture1();
    if (SelectionKind == 1) {
        CardLabel *label = visibleLabel(*card, *n);
        if (!label)
            return;
        moveItem(*label, index, step, surface);
        card->updateLabel(*n);
        card->setBord(PanelSelection::labelFrame(*label));
    } else {
        CardLogo *logo = visibleLogo(*card, *n);
        if (!logo)
            return;
        moveItem(*logo, index, step, surface);
        card->updateLogo(*n);
        card->setBord(PanelSelection::logoFrame(*logo));
    }
}

// ---- Page 3: gradient colours and orientation ------------------------------------

void frmMenu::Color_Click(int index)
{
    // The swatches are the active card's gradient colours: without a card
    // there is nothing to colour.
    ColorSwatch *swatch = Color(index);
    if (!swatch || !activeCard())
        return;
    CommonDialog &dialog = CMDialog1();
    dialog.Color = Colors::resolve(swatch->backColor());
    dialog.Flags = CommonDialog::RgbInit | CommonDialog::FullOpen;
    dialog.CancelError = true;
    if (!dialog.ShowColor())
        return;
    m_gradient.SetColor(index, dialog.Color);
    swatch->setBackColor(m_gradient.GetColor(index));
    // The dialog ran its own event loop: the card is looked up again.
    frmProjet *card = activeCard();
    const std::optional<std::int16_t> orientation = TextConv::toInt16(Color(0)->tag);
    if (card && orientation)
        card->Tracer_Degrade(*orientation);
}

void frmMenu::Option_Click(int index)
{
    // Redraws the active card's gradient in this orientation and keeps the
    // orientation with the first swatch.
    frmProjet *card = activeCard();
    if (!card || index < 0 || index > 8)
        return;
    card->Tracer_Degrade(index);
    Color(0)->tag = QString::number(index);
}

// ---- Page 4: the image effects -----------------------------------------------------

void frmMenu::Palette_Click(int index)
{
    Mnu_OutPal_Click(index);
}
