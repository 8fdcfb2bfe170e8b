// The label and logo context menus of the card items, the Edit menu's text
// commands, and the item dialogs they open.
#include "ItemCommands.h"

#include "panel/PanelSelection.h"
#include "cardwindow/frmProjet.h"
#include "editor/frmEditer.h"
#include "imaging/frmRedim.h"
#include "platform/Clipboard.h"
#include "platform/Services.h"
#include "platform/TextConv.h"

#include <QPointer>

ItemCommands::ItemCommands(const Services &services, CommonDialog &dialog, QWidget &dialogParent,
                           ModalRunner runModal)
    : m_services(services), m_dialog(dialog), m_parent(dialogParent), m_runModal(std::move(runModal))
{
}

bool ItemCommands::placeItem(frmProjet &card, CardItemRef item, Command command)
{
    CardDocument &doc = card.doc();
    const std::optional<QRectF> rect = doc.itemRect(item);
    if (!rect)
        return false;
    const Surface &surface = card.Picture1();
    QPointF place = rect->topLeft();
    switch (command) {
    case Command::CentreAcross:
    case Command::CentreDown:
    case Command::CentreBoth:
        if (command != Command::CentreDown)
            place.setX(PanelSelection::centredLeft(surface, float(rect->width())));
        if (command != Command::CentreAcross)
            place.setY(PanelSelection::centredTop(surface, float(rect->height())));
        doc.moveItem(item, place);
        break;
    case Command::BringToFront: doc.bringToFront(item); break;
    case Command::SendToBack: doc.sendToBack(item); break;
    case Command::DeleteItem:
        doc.setItemVisible(item, false);
        card.hideBord();
        card.Mise_aJour();
        return false;
    default: return false;
    }
    return true;
}

void ItemCommands::onLabel(frmProjet &card, Command command)
{
    const QPointer<frmProjet> guard(&card);
    const CardLabel *label = card.selectedLabel();
    if (!label)
        return;
    const CardItemRef item{CardItemRef::LabelItem, label->index};
    switch (command) {
    case Command::EditItem: editLabelText(card, item.index); return;
    case Command::ItemFont: card.Format_Police(); break;
    case Command::ItemColour: card.Couleur_Police(); break;
    default:
        if (!placeItem(card, item, command))
            return;
        break;
    }
    // The font and colour dialogs ran their own event loop; the frame goes
    // around the label as it now is.
    if (guard)
        card.frameItem(item);
}

void ItemCommands::onLogo(frmProjet &card, Command command)
{
    const QPointer<frmProjet> guard(&card);
    const CardLogo *logo = card.selectedLogo();
    if (!logo)
        return;
    const CardItemRef item{CardItemRef::LogoItem, logo->index};
    switch (command) {
    case Command::EditItem:
        // "Redimensionner" is only for a logo with a picture file.
        if (!logo->picturePath.isEmpty())
            resizeLogo(card, item.index);
        return;
    case Command::ChangeLogoPicture:
        // The new picture goes into the logo the menu was opened on, not
        // into the slot created last.
        card.importLogoPicture(item.index);
        break;
    case Command::ClearLogo: {
        // The empty picture at 510 x 510 twips, stretched so it keeps that
        // size, with no file.
        const QImage empty = card.Tmp();
        card.doc().editLogo(item.index, [&empty](CardLogo &state) {
            state.setStretch(true);
            state.setPicture(empty);
            state.setSize(510, 510);
            state.picturePath.clear();
        });
        break;
    }
    default:
        if (!placeItem(card, item, command))
            return;
        break;
    }
    if (guard)
        card.frameItem(item);
}

void ItemCommands::onText(frmProjet &card, Command command)
{
    const CardLabel *label = card.selectedLabel();
    if (!label)
        return;
    const int index = label->index;
    Clipboard *clipboard = m_services.clipboard;
    if ((command == Command::CutText || command == Command::CopyText) && clipboard)
        clipboard->setText(label->Caption());
    if (command == Command::CopyText)
        return;
    const QString pasted = command == Command::PasteText && clipboard ? clipboard->text() : QString();
    card.doc().editLabel(index, [&](CardLabel &state) {
        switch (command) {
        case Command::CutText: state.setCaption(QStringLiteral("-------")); break;
        case Command::PasteText:
            state.setAutoSize(true);
            state.setCaption(pasted);
            break;
        case Command::DeleteText: state.setCaption(QStringLiteral("ZONE DE TEXTE")); break;
        default: break;
        }
    });
    card.Label_Click(index);
}

void ItemCommands::editLabelText(frmProjet &card, int index)
{
    const QPointer<frmProjet> guard(&card);
    const CardLabel *label = card.doc().Label(index);
    if (!label)
        return;
    frmEditer editor(m_parent, m_dialog, *m_services.prompts, m_services.shell, m_services.appDir);
    editor.Control_Texte(index, *label);
    if (m_runModal(editor) != QDialog::Accepted || !guard)
        return;
    const int target = editor.editor().index();
    if (!card.doc().visibleLabel(target))
        return;
    card.doc().editLabel(target, [&editor](CardLabel &state) { editor.editor().writeBack(state); });
    // Selecting the label again moves the frame around its new size and
    // shows its new text in the panel.
    card.Label_Click(target);
}

void ItemCommands::resizeLogo(frmProjet &card, int index)
{
    const QPointer<frmProjet> guard(&card);
    const CardLogo *logo = card.doc().Logo(index);
    if (!logo)
        return;
    // The dialog takes 16-bit sizes; a logo too large for them is left
    // alone.
    const std::optional<std::int16_t> width = TextConv::toInt16(double(logo->Width()));
    const std::optional<std::int16_t> height = TextConv::toInt16(double(logo->Height()));
    const std::optional<std::int16_t> number = TextConv::toInt16(double(index));
    if (!width || !height || !number)
        return;
    frmRedim dialog(m_parent, *m_services.prompts, m_services.shell, m_services.appDir);
    if (!dialog.Controle_Image(*number, logo->picturePath, *width, *height))
        return;
    if (m_runModal(dialog) != QDialog::Accepted || !guard)
        return;
    const int target = dialog.resizing().index();
    if (!card.doc().visibleLogo(target))
        return;
    const LogoResize::Outcome outcome = dialog.resizing().outcome();
    card.doc().editLogo(target, [&outcome](CardLogo &state) {
        state.setStretch(outcome.stretch);
        if (outcome.stretch)
            state.setSize(float(outcome.width), float(outcome.height));
    });
    card.frameItem({CardItemRef::LogoItem, target});
}
