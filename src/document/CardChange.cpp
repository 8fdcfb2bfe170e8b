#include "CardChange.h"

#include "CardDocument.h"

#include <algorithm>
#include <utility>

namespace {

// Merged changes share one id; their keys tell whether they may merge.
constexpr int MergeableId = 1;

template <typename Item>
bool same(const Item &a, const Item &b)
{
    return a.Visible == b.Visible && !CardDocument::compare(a, b);
}

// Every item whose state differs; an item created since `before` was
// taken did not exist then, which is what a hidden copy of it shows.
template <typename Item, typename States, typename Get>
void differences(int beforeCount, int afterCount, Get get, const CardData &before, const CardData &after,
                 States &states)
{
    for (int i = 1; i <= afterCount; ++i) {
        const Item &now = *get(after, i);
        Item then = now;
        if (i <= beforeCount)
            then = *get(before, i);
        else
            then.Visible = false;
        if (!same(then, now))
            states.push_back({i, then, now});
    }
}

} // namespace

CardChange::CardChange(CardDocument &doc, const QString &text, const QString &mergeKey)
    : QUndoCommand(text), m_doc(doc), m_mergeKey(mergeKey)
{
}

std::unique_ptr<CardChange> CardChange::between(CardDocument &doc, const CardData &before, const QString &text,
                                                const QString &mergeKey)
{
    std::unique_ptr<CardChange> change(new CardChange(doc, text, mergeKey));
    const CardData &after = doc.data();
    differences<CardLabel>(before.labelCount(), after.labelCount(),
                           [](const CardData &card, int i) { return card.Label(i); }, before, after, change->m_labels);
    differences<CardLogo>(before.logoCount(), after.logoCount(),
                          [](const CardData &card, int i) { return card.Logo(i); }, before, after, change->m_logos);
    differences<CardCode>(before.codeCount(), after.codeCount(),
                          [](const CardData &card, int i) { return card.Code(i); }, before, after, change->m_codes);
    if (before.stackingOrder() != after.stackingOrder())
        change->m_stacking.emplace(before.stackingOrder(), after.stackingOrder());
    const Appearance then{before.background(), before.Effects};
    const Appearance now{after.background(), after.Effects};
    if (!(then.background == now.background) || then.effects != now.effects)
        change->m_appearance.emplace(then, now);
    if (before.width() != after.width() || before.height() != after.height())
        change->m_size.emplace(QSizeF(before.width(), before.height()), QSizeF(after.width(), after.height()));
    if (before.mergeList != after.mergeList || before.mergeCopies != after.mergeCopies)
        change->m_merge.emplace(std::pair(before.mergeList, before.mergeCopies),
                                std::pair(after.mergeList, after.mergeCopies));
    const bool empty = change->m_labels.empty() && change->m_logos.empty() && change->m_codes.empty() && !change->m_stacking
                       && !change->m_appearance && !change->m_size && !change->m_merge;
    return empty ? nullptr : std::move(change);
}

void CardChange::undo()
{
    apply(false);
}

void CardChange::redo()
{
    if (std::exchange(m_applied, false))
        return;
    apply(true);
}

void CardChange::apply(bool forward)
{
    const auto pick = [forward](const auto &pair) -> const auto & { return forward ? pair.second : pair.first; };
    if (m_size)
        m_doc.setSize(pick(*m_size).width(), pick(*m_size).height());
    if (m_appearance)
        m_doc.restoreAppearance(pick(*m_appearance).background, pick(*m_appearance).effects);
    for (const auto &state : m_labels)
        m_doc.editLabel(state.index, [&](CardLabel &label) { label = forward ? state.after : state.before; });
    for (const auto &state : m_logos)
        m_doc.editLogo(state.index, [&](CardLogo &logo) { logo = forward ? state.after : state.before; });
    for (const auto &state : m_codes)
        m_doc.editCode(state.index, [&](CardCode &code) { code = forward ? state.after : state.before; });
    if (m_stacking)
        m_doc.setStackingOrder(pick(*m_stacking));
    if (m_merge)
        m_doc.setMerge(pick(*m_merge).first, pick(*m_merge).second);
}

int CardChange::id() const
{
    return m_mergeKey.isEmpty() ? -1 : MergeableId;
}

bool CardChange::mergeWith(const QUndoCommand *other)
{
    const auto *next = dynamic_cast<const CardChange *>(other);
    if (!next || next->m_mergeKey != m_mergeKey || &next->m_doc != &m_doc)
        return false;
    // This change keeps what was before it; the next one brings what is
    // after both.
    const auto join = [](auto &mine, const auto &theirs) {
        for (const auto &state : theirs) {
            auto it = std::find_if(mine.begin(), mine.end(), [&](const auto &s) { return s.index == state.index; });
            if (it == mine.end())
                mine.push_back(state);
            else
                it->after = state.after;
        }
    };
    join(m_labels, next->m_labels);
    join(m_logos, next->m_logos);
    join(m_codes, next->m_codes);
    const auto chain = [](auto &mine, const auto &theirs) {
        if (!theirs)
            return;
        if (mine)
            mine->second = theirs->second;
        else
            mine = theirs;
    };
    chain(m_stacking, next->m_stacking);
    chain(m_appearance, next->m_appearance);
    chain(m_size, next->m_size);
    chain(m_merge, next->m_merge);
    // Typing a text and taking it back leaves no step.
    const bool unchanged = std::all_of(m_labels.begin(), m_labels.end(), [](const auto &s) { return same(s.before, s.after); })
                           && std::all_of(m_logos.begin(), m_logos.end(), [](const auto &s) { return same(s.before, s.after); })
                           && std::all_of(m_codes.begin(), m_codes.end(), [](const auto &s) { return same(s.before, s.after); })
                           && (!m_stacking || m_stacking->first == m_stacking->second)
                           && (!m_appearance || (m_appearance->first.background == m_appearance->second.background
                                                 && m_appearance->first.effects == m_appearance->second.effects))
                           && (!m_size || m_size->first == m_size->second)
                           && (!m_merge || m_merge->first == m_merge->second);
    setObsolete(unchanged);
    return true;
}
