#pragma once

#include "CardData.h"

#include <QObject>
#include <utility>

// The card being edited. It holds the card's content (a CardData) and
// changes it only through its own operations, each of which tells what
// changed: the card window, the tool panel, the status bar and any other
// view observe these signals instead of being told by hand, and a change
// that changes nothing says nothing.
//
// Items are never destroyed: deleting one hides it (itemRemoved), showing
// it again adds it back (itemAdded).
class CardDocument : public QObject {
    Q_OBJECT
public:
    // What changed in an item that stayed visible (or hidden).
    enum Change : unsigned {
        Position = 0x01,  // left, top
        Size = 0x02,      // width, height
        Text = 0x04,      // a label's text
        Style = 0x08,     // a label's font, colour or auto-size
        Picture = 0x10,   // a logo's picture, picture path or stretch
        Content = 0x20,   // a code's kind, content, correction or colours
    };
    Q_DECLARE_FLAGS(Changes, Change)

    explicit CardDocument(const QImage &placeholder = {}, QObject *parent = nullptr);

    // The whole content, for drawing, saving or keeping a copy.
    const CardData &data() const { return m_card; }

    double width() const { return m_card.width(); }
    double height() const { return m_card.height(); }
    const CardLabel *Label(int index) const { return m_card.Label(index); }
    const CardLogo *Logo(int index) const { return m_card.Logo(index); }
    int labelCount() const { return m_card.labelCount(); }
    int logoCount() const { return m_card.logoCount(); }
    const CardCode *Code(int index) const { return m_card.Code(index); }
    int codeCount() const { return m_card.codeCount(); }
    const CardCode *visibleCode(int index) const;
    // A label or logo that exists and is visible.
    const CardLabel *visibleLabel(int index) const;
    const CardLogo *visibleLogo(int index) const;
    const std::vector<CardItemRef> &stackingOrder() const { return m_card.stackingOrder(); }
    std::optional<QRectF> itemRect(CardItemRef item) const { return m_card.itemRect(item); }
    std::optional<CardItemRef> itemAt(const QPointF &cardTwips) const { return m_card.itemAt(cardTwips); }
    CardBackground background() const { return m_card.background(); }
    const std::vector<ImageEffect> &effects() const { return m_card.Effects; }
    // Index of the label and of the logo slot created last (NumLabel,
    // NumLogo): bookkeeping of the add commands, not part of the card.
    int NumLabel() const { return m_card.NumLabel; }
    int NumLogo() const { return m_card.NumLogo; }
    void setLastCreated(CardItemRef item);

    // Replaces the whole content (a project read, a wizard's card).
    void assign(const CardData &card);

    bool setSize(double widthTwips, double heightTwips);

    // Changes a copy of an item with `edit`, then gives the item that state
    // (its index stays). False when the item does not exist or nothing
    // changed.
    template <typename Edit>
    bool editLabel(int index, Edit &&edit);
    template <typename Edit>
    bool editLogo(int index, Edit &&edit);
    template <typename Edit>
    bool editCode(int index, Edit &&edit);
    bool moveItem(CardItemRef item, const QPointF &topLeft);
    bool setItemVisible(CardItemRef item, bool visible);

    // Creates item `index` hidden, as CardData does; null when it cannot.
    const CardLabel *createLabel(int index);
    const CardLogo *createLogo(int index);
    const CardCode *createCode(int index);

    bool bringToFront(CardItemRef item);
    bool sendToBack(CardItemRef item);
    // A whole stacking order given back (undo, redo).
    bool setStackingOrder(const std::vector<CardItemRef> &order);

    // A new description: the background is painted again from it, which
    // forgets the effects. False when neither changed.
    bool setBackground(const CardBackground &background);
    void addEffect(const ImageEffect &effect);
    // Forgets the effects; false when there were none.
    bool clearEffects();
    // A description and the effects over it given back together (undo,
    // redo).
    bool restoreAppearance(const CardBackground &background, const std::vector<ImageEffect> &effects);

    // The list the card is merged with and the copies of each record; an
    // empty list: no merge.
    const QString &mergeList() const { return m_card.mergeList; }
    int mergeCopies() const { return m_card.mergeCopies; }
    bool setMerge(const QString &list, int copies);

    // What differs between two states of an item (visibility aside).
    static Changes compare(const CardLabel &a, const CardLabel &b);
    static Changes compare(const CardLogo &a, const CardLogo &b);
    static Changes compare(const CardCode &a, const CardCode &b);

signals:
    void itemAdded(CardItemRef item);
    void itemRemoved(CardItemRef item);
    void itemChanged(CardItemRef item, CardDocument::Changes what);
    void stackingChanged();
    // The description changed or the effects were forgotten: the
    // background is to be painted again.
    void backgroundChanged();
    // One more effect, to apply over the background as it shows.
    void effectAdded(const ImageEffect &effect);
    void sizeChanged();
    // Another list, or other copies.
    void mergeChanged();
    // Everything changed.
    void reset();

private:
    bool setLabel(int index, const CardLabel &state);
    bool setLogo(int index, const CardLogo &state);
    bool setCode(int index, const CardCode &state);
    template <typename Item>
    bool setItem(Item *item, CardItemRef ref, const Item &state);
    // A copy of `item` changed by `edit`, given back through `set`.
    template <typename Item, typename Edit, typename Set>
    static bool editCopy(const Item *item, Edit &&edit, Set set);
    // Applies `edit` to item `item` of whichever kind.
    template <typename Edit>
    bool editItem(CardItemRef item, Edit &&edit);
    // Signals the difference between an item's old and new visibility
    // and properties.
    void announce(CardItemRef item, bool wasVisible, bool visible, Changes changes);

    CardData m_card;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(CardDocument::Changes)

template <typename Item, typename Edit, typename Set>
bool CardDocument::editCopy(const Item *item, Edit &&edit, Set set)
{
    if (!item)
        return false;
    Item state = *item;
    std::forward<Edit>(edit)(state);
    return set(state);
}

template <typename Edit>
bool CardDocument::editLabel(int index, Edit &&edit)
{
    return editCopy(Label(index), std::forward<Edit>(edit), [&](const CardLabel &s) { return setLabel(index, s); });
}

template <typename Edit>
bool CardDocument::editLogo(int index, Edit &&edit)
{
    return editCopy(Logo(index), std::forward<Edit>(edit), [&](const CardLogo &s) { return setLogo(index, s); });
}

template <typename Edit>
bool CardDocument::editCode(int index, Edit &&edit)
{
    return editCopy(Code(index), std::forward<Edit>(edit), [&](const CardCode &s) { return setCode(index, s); });
}

template <typename Edit>
bool CardDocument::editItem(CardItemRef item, Edit &&edit)
{
    switch (item.kind) {
    case CardItemRef::LabelItem:
        return editLabel(item.index, edit);
    case CardItemRef::LogoItem:
        return editLogo(item.index, edit);
    case CardItemRef::CodeItem:
        return editCode(item.index, edit);
    }
    return false;
}
