#include "CardData.h"

#include <algorithm>

CardData::CardData(const QImage &placeholder)
{
    CardLogo &logo = m_logos.emplace_back();
    logo.index = 1;
    logo.setPicture(placeholder);
    logo.Left = 120;
    logo.Top = 480;

    CardLabel &label = m_labels.emplace_back();
    label.index = 1;
    label.setFontName(QStringLiteral("Arial"));
    label.setFontSize(8.25f);
    label.ForeColor = Colors::system(Colors::WindowText);
    label.setAutoSize(true);
    label.setCaption(QStringLiteral("ZONE DE TEXTE"));
    label.Left = 120;
    label.Top = 120;

    m_stack = {{CardItemRef::LogoItem, 1}, {CardItemRef::LabelItem, 1}};
}

void CardData::setSize(double widthTwips, double heightTwips)
{
    m_width = widthTwips;
    m_height = heightTwips;
}

CardBackground CardData::background() const
{
    return {NumFond, Color1, Color2, Color3, NumOption, BackgroundPicture};
}

void CardData::setBackground(const CardBackground &background)
{
    NumFond = background.NumFond;
    Color1 = background.Color1;
    Color2 = background.Color2;
    Color3 = background.Color3;
    NumOption = background.NumOption;
    BackgroundPicture = background.picture;
}

CardLabel *CardData::Label(int index)
{
    return index >= 1 && index <= labelCount() ? &m_labels[std::size_t(index - 1)] : nullptr;
}

CardLogo *CardData::Logo(int index)
{
    return index >= 1 && index <= logoCount() ? &m_logos[std::size_t(index - 1)] : nullptr;
}

const CardLabel *CardData::Label(int index) const
{
    return index >= 1 && index <= labelCount() ? &m_labels[std::size_t(index - 1)] : nullptr;
}

const CardLogo *CardData::Logo(int index) const
{
    return index >= 1 && index <= logoCount() ? &m_logos[std::size_t(index - 1)] : nullptr;
}

CardCode *CardData::Code(int index)
{
    return index >= 1 && index <= codeCount() ? &m_codes[std::size_t(index - 1)] : nullptr;
}

const CardCode *CardData::Code(int index) const
{
    return index >= 1 && index <= codeCount() ? &m_codes[std::size_t(index - 1)] : nullptr;
}

namespace {

template <typename Item>
Item *createItem(std::deque<Item> &items, std::vector<CardItemRef> &stack, CardItemRef::Kind kind, int index)
{
    const int count = int(items.size());
    if (index >= 1 && index <= count)
        return &items[std::size_t(index - 1)];
    if (index != count + 1 || index > CardData::MaxItemIndex)
        return nullptr;
    // References to the elements of a deque survive an append.
    const Item &first = items.front();
    Item &item = items.emplace_back();
    item.index = index;
    item.copyLookFrom(first);
    item.Left = first.Left;
    item.Top = first.Top;
    item.Visible = false;
    stack.push_back({kind, index});
    return &item;
}

} // namespace

CardLabel *CardData::createLabel(int index)
{
    return createItem(m_labels, m_stack, CardItemRef::LabelItem, index);
}

CardLogo *CardData::createLogo(int index)
{
    return createItem(m_logos, m_stack, CardItemRef::LogoItem, index);
}

CardCode *CardData::createCode(int index)
{
    if (index >= 1 && index <= codeCount())
        return &m_codes[std::size_t(index - 1)];
    if (index != codeCount() + 1 || index > MaxItemIndex)
        return nullptr;
    CardCode &code = m_codes.emplace_back();
    code.index = index;
    code.Visible = false;
    m_stack.push_back({CardItemRef::CodeItem, index});
    return &code;
}

bool CardData::bringToFront(CardItemRef item)
{
    const auto it = std::find(m_stack.begin(), m_stack.end(), item);
    if (it == m_stack.end() || it + 1 == m_stack.end())
        return false;
    std::rotate(it, it + 1, m_stack.end());
    return true;
}

bool CardData::sendToBack(CardItemRef item)
{
    const auto it = std::find(m_stack.begin(), m_stack.end(), item);
    if (it == m_stack.end() || it == m_stack.begin())
        return false;
    std::rotate(m_stack.begin(), it, it + 1);
    return true;
}

void CardData::setStackingOrder(const std::vector<CardItemRef> &order)
{
    m_stack.clear();
    for (const CardItemRef &item : order) {
        if (itemExists(item) && std::find(m_stack.begin(), m_stack.end(), item) == m_stack.end())
            m_stack.push_back(item);
    }
}

bool CardData::isOnTop(CardItemRef item) const
{
    return !m_stack.empty() && m_stack.back() == item;
}

bool CardData::itemExists(CardItemRef item) const
{
    switch (item.kind) {
    case CardItemRef::LabelItem:
        return Label(item.index) != nullptr;
    case CardItemRef::LogoItem:
        return Logo(item.index) != nullptr;
    case CardItemRef::CodeItem:
        return Code(item.index) != nullptr;
    }
    return false;
}

std::optional<QRectF> CardData::itemRect(CardItemRef item) const
{
    if (item.kind == CardItemRef::CodeItem) {
        const CardCode *code = Code(item.index);
        if (!code || !code->Visible)
            return std::nullopt;
        return QRectF(code->Left, code->Top, code->Width, code->Height);
    }
    if (item.kind == CardItemRef::LabelItem) {
        const CardLabel *label = Label(item.index);
        if (!label || !label->Visible)
            return std::nullopt;
        return QRectF(label->Left, label->Top, label->Width(), label->Height());
    }
    const CardLogo *logo = Logo(item.index);
    if (!logo || !logo->Visible)
        return std::nullopt;
    return QRectF(logo->Left, logo->Top, logo->Width(), logo->Height());
}

std::optional<CardItemRef> CardData::itemAt(const QPointF &p) const
{
    for (auto it = m_stack.rbegin(); it != m_stack.rend(); ++it) {
        const std::optional<QRectF> rect = itemRect(*it);
        if (rect && rect->contains(p))
            return *it;
    }
    return std::nullopt;
}
