// The card's history: each user edit is one step that undo and redo take
// back and give again, and the window's title shows when the card has
// changes not saved.
#include "frmProjet.h"

#include "document/CardChange.h"

namespace {

// Enough for a day's work on a card; a step keeps only what it changed.
constexpr int HistoryLimit = 1000;

} // namespace

void frmProjet::setCaption(const QString &caption)
{
    m_caption = caption;
    // The desktop's convention: "*" after the title while modified.
    setWindowTitle(caption + QStringLiteral("[*]"));
}

void frmProjet::watchHistory()
{
    m_history.setUndoLimit(HistoryLimit);
    connect(&m_history, &QUndoStack::cleanChanged, this, [this](bool clean) { setWindowModified(!clean); });
}

frmProjet::Edit::Edit(frmProjet *card, const QString &text, const QString &mergeKey)
    : m_card(card)
{
    if (!card)
        return;
    // The outermost edit names the step and keeps the card as it was.
    if (card->m_editDepth++ == 0) {
        card->m_beforeEdit = card->m_doc.data();
        card->m_editText = text;
        card->m_editKey = mergeKey;
    }
}

frmProjet::Edit::~Edit()
{
    // A card closed during the edit has no history left to write.
    if (!m_card || --m_card->m_editDepth > 0)
        return;
    frmProjet &card = *m_card;
    const std::optional<CardData> before = std::exchange(card.m_beforeEdit, std::nullopt);
    if (!before)
        return;
    if (std::unique_ptr<CardChange> change = CardChange::between(card.m_doc, *before, card.m_editText, card.m_editKey))
        card.m_history.push(change.release());
}
