// The label text editor and the logo resize dialog, opened by the item
// menus' first commands (and so by a double click on an item and by Edit
// 7). Each dialog works on a copy; what it chose is written to the item only
// when it is accepted and the item is still there.
#include "frmMenu.h"

#include "PanelSelection.h"
#include "document/frmProjet.h"
#include "editor/frmEditer.h"
#include "imaging/frmRedim.h"
#include "platform/TextConv.h"

#include <QPointer>

void frmMenu::editLabelText(frmProjet &card, int index)
{
    const QPointer<frmProjet> guard(&card);
    const CardLabel *label = card.Label(index);
    if (!label)
        return;
    frmEditer editor(*this, CMDialog1(), prompts(), m_services.shell, appDir());
    editor.Control_Texte(index, *label);
    if (runModal(editor) != QDialog::Accepted || !guard)
        return;
    CardLabel *target = card.Label(editor.editor().index());
    if (!target || !target->Visible)
        return;
    editor.editor().writeBack(*target);
    card.updateLabel(target->index);
    // Selecting the label again moves the frame around its new size and
    // shows its new text in the panel and the object list.
    card.Label_Click(target->index);
}

void frmMenu::resizeLogo(frmProjet &card, int index)
{
    const QPointer<frmProjet> guard(&card);
    const CardLogo *logo = card.Logo(index);
    if (!logo)
        return;
    // The dialog takes 16-bit sizes; a logo too large for them is left
    // alone.
    const std::optional<std::int16_t> width = TextConv::toInt16(double(logo->Width()));
    const std::optional<std::int16_t> height = TextConv::toInt16(double(logo->Height()));
    const std::optional<std::int16_t> number = TextConv::toInt16(double(index));
    if (!width || !height || !number)
        return;
    frmRedim dialog(*this, prompts(), m_services.shell, appDir());
    if (!dialog.Controle_Image(*number, logo->Tag, *width, *height))
        return;
    if (runModal(dialog) != QDialog::Accepted || !guard)
        return;
    CardLogo *target = card.Logo(dialog.resizing().index());
    if (!target || !target->Visible)
        return;
    const LogoResize::Outcome outcome = dialog.resizing().outcome();
    target->setStretch(outcome.stretch);
    if (outcome.stretch)
        target->setSize(float(outcome.width), float(outcome.height));
    card.updateLogo(target->index);
    card.setBord(PanelSelection::logoFrame(*target));
}
