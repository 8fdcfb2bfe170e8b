#include "CardDocument.h"

CardDocument::Changes CardDocument::compare(const CardLabel &a, const CardLabel &b)
{
    CardDocument::Changes changes;
    if (a.Left != b.Left || a.Top != b.Top)
        changes |= CardDocument::Position;
    if (a.Width() != b.Width() || a.Height() != b.Height())
        changes |= CardDocument::Size;
    if (a.Caption() != b.Caption())
        changes |= CardDocument::Text;
    if (a.FontName() != b.FontName() || a.FontSize() != b.FontSize() || a.FontBold() != b.FontBold()
        || a.FontItalic() != b.FontItalic() || a.FontUnderline() != b.FontUnderline()
        || a.FontStrikethru() != b.FontStrikethru() || a.ForeColor != b.ForeColor || a.AutoSize() != b.AutoSize()
        || a.alignment() != b.alignment())
        changes |= CardDocument::Style;
    return changes;
}

CardDocument::Changes CardDocument::compare(const CardLogo &a, const CardLogo &b)
{
    CardDocument::Changes changes;
    if (a.Left != b.Left || a.Top != b.Top)
        changes |= CardDocument::Position;
    if (a.Width() != b.Width() || a.Height() != b.Height())
        changes |= CardDocument::Size;
    // Pictures are compared by identity: a picture read again is a change.
    if (a.Picture().cacheKey() != b.Picture().cacheKey() || a.picturePath != b.picturePath
        || a.Stretch() != b.Stretch())
        changes |= CardDocument::Picture;
    return changes;
}

CardDocument::Changes CardDocument::compare(const CardCode &a, const CardCode &b)
{
    CardDocument::Changes changes;
    if (a.Left != b.Left || a.Top != b.Top)
        changes |= CardDocument::Position;
    if (a.Width != b.Width || a.Height != b.Height)
        changes |= CardDocument::Size;
    if (a.kind != b.kind || a.content != b.content || a.correction != b.correction || a.ForeColor != b.ForeColor
        || a.BackColor != b.BackColor)
        changes |= CardDocument::Content;
    return changes;
}

CardDocument::CardDocument(const QImage &placeholder, QObject *parent)
    : QObject(parent), m_card(placeholder)
{
}

const CardLabel *CardDocument::visibleLabel(int index) const
{
    const CardLabel *label = Label(index);
    return label && label->Visible ? label : nullptr;
}

const CardLogo *CardDocument::visibleLogo(int index) const
{
    const CardLogo *logo = Logo(index);
    return logo && logo->Visible ? logo : nullptr;
}

const CardCode *CardDocument::visibleCode(int index) const
{
    const CardCode *code = Code(index);
    return code && code->Visible ? code : nullptr;
}

void CardDocument::setLastCreated(CardItemRef item)
{
    if (item.kind == CardItemRef::LabelItem)
        m_card.NumLabel = item.index;
    else if (item.kind == CardItemRef::LogoItem)
        m_card.NumLogo = item.index;
}

void CardDocument::assign(const CardData &card)
{
    m_card = card;
    emit reset();
}

bool CardDocument::setSize(double widthTwips, double heightTwips)
{
    if (widthTwips == width() && heightTwips == height())
        return false;
    m_card.setSize(widthTwips, heightTwips);
    emit sizeChanged();
    return true;
}

void CardDocument::announce(CardItemRef item, bool wasVisible, bool visible, Changes changes)
{
    if (visible && !wasVisible)
        emit itemAdded(item);
    else if (!visible && wasVisible)
        emit itemRemoved(item);
    else if (changes)
        emit itemChanged(item, changes);
}

template <typename Item>
bool CardDocument::setItem(Item *item, CardItemRef ref, const Item &state)
{
    if (!item)
        return false;
    const Changes changes = compare(*item, state);
    const bool wasVisible = item->Visible;
    if (!changes && wasVisible == state.Visible)
        return false;
    *item = state;
    item->index = ref.index;
    announce(ref, wasVisible, state.Visible, changes);
    return true;
}

bool CardDocument::setLabel(int index, const CardLabel &state)
{
    return setItem(m_card.Label(index), {CardItemRef::LabelItem, index}, state);
}

bool CardDocument::setLogo(int index, const CardLogo &state)
{
    return setItem(m_card.Logo(index), {CardItemRef::LogoItem, index}, state);
}

bool CardDocument::setCode(int index, const CardCode &state)
{
    return setItem(m_card.Code(index), {CardItemRef::CodeItem, index}, state);
}

bool CardDocument::moveItem(CardItemRef item, const QPointF &topLeft)
{
    const auto place = [&topLeft](auto &state) {
        state.Left = float(topLeft.x());
        state.Top = float(topLeft.y());
    };
    return editItem(item, place);
}

bool CardDocument::setItemVisible(CardItemRef item, bool visible)
{
    const auto show = [visible](auto &state) { state.Visible = visible; };
    return editItem(item, show);
}

const CardLabel *CardDocument::createLabel(int index)
{
    const int before = labelCount();
    const CardLabel *label = m_card.createLabel(index);
    if (label && labelCount() != before)
        emit stackingChanged();
    return label;
}

const CardLogo *CardDocument::createLogo(int index)
{
    const int before = logoCount();
    const CardLogo *logo = m_card.createLogo(index);
    if (logo && logoCount() != before)
        emit stackingChanged();
    return logo;
}

const CardCode *CardDocument::createCode(int index)
{
    const int before = codeCount();
    const CardCode *code = m_card.createCode(index);
    if (code && codeCount() != before)
        emit stackingChanged();
    return code;
}

bool CardDocument::bringToFront(CardItemRef item)
{
    if (!m_card.bringToFront(item))
        return false;
    emit stackingChanged();
    return true;
}

bool CardDocument::sendToBack(CardItemRef item)
{
    if (!m_card.sendToBack(item))
        return false;
    emit stackingChanged();
    return true;
}

bool CardDocument::setMerge(const QString &list, int copies)
{
    if (list == m_card.mergeList && copies == m_card.mergeCopies)
        return false;
    m_card.mergeList = list;
    m_card.mergeCopies = copies;
    emit mergeChanged();
    return true;
}

bool CardDocument::setStackingOrder(const std::vector<CardItemRef> &order)
{
    if (order == m_card.stackingOrder())
        return false;
    m_card.setStackingOrder(order);
    emit stackingChanged();
    return true;
}

bool CardDocument::restoreAppearance(const CardBackground &background, const std::vector<ImageEffect> &effects)
{
    if (background == m_card.background() && effects == m_card.Effects)
        return false;
    m_card.setBackground(background);
    m_card.Effects = effects;
    emit backgroundChanged();
    return true;
}

bool CardDocument::setBackground(const CardBackground &background)
{
    if (background == m_card.background() && m_card.Effects.empty())
        return false;
    m_card.setBackground(background);
    m_card.Effects.clear();
    emit backgroundChanged();
    return true;
}

void CardDocument::addEffect(const ImageEffect &effect)
{
    m_card.Effects.push_back(effect);
    emit effectAdded(effect);
}

bool CardDocument::clearEffects()
{
    if (m_card.Effects.empty())
        return false;
    m_card.Effects.clear();
    emit backgroundChanged();
    return true;
}
