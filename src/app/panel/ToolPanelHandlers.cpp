// Handlers of the tool panel's controls. Each receives the index of its
// control in its array and acts on the active card window; without one, or
// without the item it needs, a handler changes nothing.
#include "ToolPanel.h"

#include "ColorSwatch.h"
#include "PanelSelection.h"
#include "cardwindow/frmProjet.h"
#include "platform/CommonDialog.h"
#include "widgets/Xp_Bouton.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

// ---- Page 1: the selected label's text and style --------------------------

void ToolPanel::TextA_Change()
{
    // Only a selected label follows the box.
    if (SelectionKind != 1)
        return;
    if (!m_card || !m_card->selection()) {
        if (!m_textA->text().isEmpty())
            setTextA(QString());
        return;
    }
    const CardLabel *label = m_card->selectedLabel();
    if (!label)
        return;
    const int n = label->index;
    const QString text = m_textA->text();
    // Consecutive typing in the box is one step.
    const frmProjet::Edit edit(m_card, QStringLiteral("Texte du label"), QStringLiteral("TextA %1").arg(n));
    m_card->doc().editLabel(n, [&text](CardLabel &state) {
        if (text.isEmpty()) {
            // An emptied label keeps its size, so it can still be found and
            // clicked on the card.
            state.setAutoSize(false);
            state.setCaption(text);
        } else {
            state.setCaption(text);
            state.setAutoSize(true);
        }
    });
    // Selecting the label again moves the frame to its new size.
    m_card->Label_Click(n);
}

void ToolPanel::insertField(const QString &field)
{
    if (!m_card || !m_card->selectedLabel())
        return;
    // The box edits the label it shows: typing into it is the edit.
    SelectionKind = 1;
    m_textA->insert(field);
}

void ToolPanel::Check2_Click(int index)
{
    const CardLabel *label = m_card ? m_card->selectedLabel() : nullptr;
    QCheckBox *box = Check2(index);
    if (!label || !box)
        return;
    const bool on = box->isChecked();
    const frmProjet::Edit edit(m_card, box->text());
    m_card->doc().editLabel(label->index, [index, on](CardLabel &state) {
        if (index == 0)
            state.setFontUnderline(on);
        else
            state.setFontStrikethru(on);
    });
}

// ---- The buttons of pages 1 and 3 ----------------------------------------------

void ToolPanel::Bouton_Click(int index)
{
    const QPointer<frmProjet> card = m_card;
    const std::optional<Command> command = CommandTable::panelCommand(PanelArray::Bouton, index);
    if (!card || !command)
        return;
    const frmProjet::Edit edit(card, Bouton(index)->Caption().trimmed());
    switch (*command) {
    case Command::PanelAddLabel:
        card->Ajouter_UnLabel();
        card->Mise_aJour();
        // What was just added is what the next command acts on.
        card->Label_Click(card->doc().NumLabel());
        Check1(2)->setChecked(false);
        break;
    case Command::PanelAddLogo:
        card->Ajouter_UnLogo();
        card->Mise_aJour();
        card->Logo_Click(card->doc().NumLogo());
        Check1(2)->setChecked(false);
        break;
    case Command::ItemFont:
        card->Format_Police();
        // The dialog ran its own event loop.
        if (card && card->selection() && card->selection()->kind == CardItemRef::LabelItem)
            card->Label_Click(card->selection()->index);
        break;
    case Command::ItemColour: card->Couleur_Police(); break;
    case Command::ImportBackground: card->Ajouter_UnFond(); break;
    case Command::DefaultBackground: card->Fond_parDefaut(); break;
    case Command::RestoreGradient:
        // The gradient again, in the orientation last chosen.
        if (m_orientation)
            Option_Click(*m_orientation);
        break;
    case Command::AddCode: emit commandRequested(Command::AddCode); break;
    case Command::CancelGradient: {
        // Back to the card's background picture if it has one, else to the
        // default background. The card's background kind follows what it
        // shows, so a save or a repaint keeps it.
        CardBackground background = card->doc().background();
        if (!background.picture.isEmpty()) {
            background.NumFond = 2;
            card->doc().setBackground(background);
            if (card->Reinitialiser())
                break;
        }
        card->Fond_parDefaut();
        break;
    }
    default: break;
    }
}

// ---- Page 2: object list and position buttons --------------------------------

void ToolPanel::Objets_Click()
{
    const int row = m_objets->currentIndex();
    if (row < 0 || !m_card)
        return;
    const QString text = m_objets->itemText(row);
    const std::optional<int> n = PanelSelection::rowNumber(text);
    if (!n)
        return;
    if (text.startsWith(QStringLiteral("Lb"))) {
        SelectionKind = 1;
        m_card->Label_Click(*n);
    } else if (text.startsWith(QStringLiteral("Cd"))) {
        SelectionKind = 3;
        m_card->Code_Click(*n);
    } else {
        SelectionKind = 2;
        m_card->Logo_Click(*n);
    }
}

int ToolPanel::niveauStep() const
{
    return m_niveau->currentData().toInt();
}

void ToolPanel::Pos_Click(int index)
{
    if (index >= 0 && index <= 6)
        moveSelected(index);
}

void ToolPanel::moveSelected(int button)
{
    const int step = niveauStep();
    const std::optional<int> n = PanelSelection::rowNumber(m_objets->currentText());
    if (!m_card || step <= 0 || !n)
        return;
    const CardItemRef item{PanelSelection::kindOf(SelectionKind), *n};
    const std::optional<QRectF> rect = m_card->doc().itemRect(item);
    if (!rect)
        return;
    // 0 up, 1 down, 2 left, 3 right by the step; 4 centred across, 5 in the
    // middle, 6 centred down. Nothing keeps the item on the card.
    const Surface &surface = m_card->Picture1();
    const auto width = float(rect->width());
    const auto height = float(rect->height());
    float left = float(rect->left());
    float top = float(rect->top());
    switch (button) {
    case 0: top -= float(step); break;
    case 1: top += float(step); break;
    case 2: left -= float(step); break;
    case 3: left += float(step); break;
    case 4: left = PanelSelection::centredLeft(surface, width); break;
    case 5:
        left = PanelSelection::centredLeft(surface, width);
        top = PanelSelection::centredTop(surface, height);
        break;
    case 6: top = PanelSelection::centredTop(surface, height); break;
    default: break;
    }
    const frmProjet::Edit edit(m_card, QStringLiteral("Déplacer"));
    m_card->doc().moveItem(item, QPointF(left, top));
    m_card->frameItem(item);
}

// ---- Page 3: gradient colours and orientation ------------------------------------

void ToolPanel::Color_Click(int index)
{
    // The swatches are the active card's gradient colours: without a card
    // there is nothing to colour.
    ColorSwatch *swatch = Color(index);
    if (!swatch || !m_card)
        return;
    m_dialog.Color = Colors::resolve(swatch->backColor());
    m_dialog.Flags = CommonDialog::RgbInit | CommonDialog::FullOpen;
    m_dialog.CancelError = true;
    if (!m_dialog.ShowColor())
        return;
    m_gradient.SetColor(index, m_dialog.Color);
    swatch->setBackColor(m_gradient.GetColor(index));
    // The dialog ran its own event loop: the card may be gone.
    if (m_card && m_orientation)
        m_card->Tracer_Degrade(*m_orientation, gradientStops());
}

void ToolPanel::Option_Click(int index)
{
    // Redraws the active card's gradient in this orientation and keeps the
    // orientation for "Rétablir le dégradé".
    if (!m_card || index < 0 || index > 8)
        return;
    m_card->Tracer_Degrade(index, gradientStops());
    m_orientation = index;
}
