#pragma once

#include "CardData.h"

#include <QUndoCommand>
#include <optional>
#include <vector>

class CardDocument;

// One step of a card's history: what an edit changed, from the card as it
// was before to the card as it is after. Only what differs is kept (the
// items that changed, the stacking, the background and its effects, the
// size), so a long history of small edits stays small; pictures are shared,
// never copied. Undoing and redoing go through the document's operations,
// so every view follows.
class CardChange : public QUndoCommand {
public:
    // The change from `before` to the document as it is now; null when
    // nothing differs. `mergeKey`, when not empty, lets the next change of
    // the same key join this one (typing in a text box, a run of nudges).
    static std::unique_ptr<CardChange> between(CardDocument &doc, const CardData &before, const QString &text,
                                                const QString &mergeKey = {});

    void undo() override;
    void redo() override;
    int id() const override;
    bool mergeWith(const QUndoCommand *other) override;

private:
    CardChange(CardDocument &doc, const QString &text, const QString &mergeKey);

    template <typename Item>
    struct ItemStates {
        int index = 0;
        Item before;
        Item after;
    };
    struct Appearance {
        CardBackground background;
        std::vector<ImageEffect> effects;
    };

    void apply(bool forward);

    CardDocument &m_doc;
    QString m_mergeKey;
    // The edit was made before the change was recorded: the first redo,
    // which the history runs when it takes the step, has nothing to do.
    bool m_applied = true;
    std::vector<ItemStates<CardLabel>> m_labels;
    std::vector<ItemStates<CardLogo>> m_logos;
    std::vector<ItemStates<CardCode>> m_codes;
    std::optional<std::pair<std::vector<CardItemRef>, std::vector<CardItemRef>>> m_stacking;
    std::optional<std::pair<Appearance, Appearance>> m_appearance;
    std::optional<std::pair<QSizeF, QSizeF>> m_size;
    std::optional<std::pair<std::pair<QString, int>, std::pair<QString, int>>> m_merge;
};
