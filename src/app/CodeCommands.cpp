// The code items' commands: adding a code, its context menu, and the code
// dialog they open.
#include "ItemCommands.h"

#include "cardwindow/frmProjet.h"
#include "editor/frmCode.h"
#include "platform/Services.h"

#include <QPointer>

namespace {

// Where a new code goes: the card's top left corner, as a new logo's
// picture does.
constexpr float NewCodeLeft = 120;
constexpr float NewCodeTop = 120;

} // namespace

std::optional<CardCode> ItemCommands::editCode(const CardCode &code, bool isNew)
{
    frmCode dialog(m_parent, m_dialog, *m_services.prompts);
    dialog.setCode(code, isNew);
    if (m_runModal(dialog) != QDialog::Accepted)
        return std::nullopt;
    return dialog.editor().code();
}

void ItemCommands::addCode(frmProjet &card)
{
    const QPointer<frmProjet> guard(&card);
    CardCode code;
    code.Left = NewCodeLeft;
    code.Top = NewCodeTop;
    const std::optional<CardCode> made = editCode(code, true);
    if (made && guard)
        card.addCode(*made);
}

void ItemCommands::onCode(frmProjet &card, Command command)
{
    const QPointer<frmProjet> guard(&card);
    const CardCode *code = card.selectedCode();
    if (!code)
        return;
    const CardItemRef item{CardItemRef::CodeItem, code->index};
    if (command == Command::EditItem) {
        const std::optional<CardCode> edited = editCode(*code, false);
        if (!edited || !guard || !card.doc().visibleCode(item.index))
            return;
        card.doc().editCode(item.index, [&edited](CardCode &state) {
            const int index = state.index;
            state = *edited;
            state.index = index;
            state.Visible = true;
        });
    } else if (!placeItem(card, item, command)) {
        return;
    }
    if (guard)
        card.frameItem(item);
}
