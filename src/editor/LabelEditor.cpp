#include "LabelEditor.h"

#include "platform/CommonDialog.h"
#include "platform/Prompts.h"
#include "platform/TextConv.h"

namespace {

// The sizes a label can be drawn at (the card draws within them).
constexpr double SmallestSize = 1.0;
constexpr double LargestSize = 1638.0;

} // namespace

LabelEditor::LabelEditor(FontList fonts) : m_fonts(std::move(fonts)) {}

const QStringList &LabelEditor::sizes()
{
    static const QStringList list{QStringLiteral("8"),  QStringLiteral("9"),  QStringLiteral("10"),
                                  QStringLiteral("11"), QStringLiteral("12"), QStringLiteral("14"),
                                  QStringLiteral("16"), QStringLiteral("18"), QStringLiteral("20"),
                                  QStringLiteral("22"), QStringLiteral("24"), QStringLiteral("26"),
                                  QStringLiteral("28"), QStringLiteral("30")};
    return list;
}

void LabelEditor::Control_Texte(int index, const CardLabel &label)
{
    m_index = index;
    m_labelA = CardLabel();
    m_labelA.setFontName(label.FontName());
    m_labelA.setFontSize(label.FontSize());
    setText(label.Caption());
    setFontText(label.FontName());
    setSizeText(TextConv::fromSingle(label.FontSize()));
    applyColor(label.ForeColor);
    m_shape = Colors::resolve(label.ForeColor);
    m_labelA.setFontUnderline(label.FontUnderline());
    setBold(label.FontBold());
    m_labelA.setAlignment(label.alignment());
}

void LabelEditor::setAlignment(CardLabel::Alignment alignment)
{
    m_labelA.setAlignment(alignment);
}

void LabelEditor::setText(const QString &text)
{
    m_text = text;
    m_labelA.setCaption(text);
}

bool LabelEditor::setFontText(const QString &text)
{
    m_fontText = text;
    const QString listed = m_fonts.find(text);
    if (listed.isEmpty())
        return false;
    m_labelA.setFontName(listed);
    return true;
}

bool LabelEditor::setSizeText(const QString &text)
{
    m_sizeText = text;
    const std::optional<double> points = TextConv::toNumber(text);
    if (!points || *points < SmallestSize || *points > LargestSize)
        return false;
    m_labelA.setFontSize(float(*points));
    return true;
}

void LabelEditor::setBold(bool on)
{
    m_labelA.setFontBold(on);
}

void LabelEditor::applyColor(OleColor color)
{
    m_labelA.ForeColor = color;
    m_opaque = color == Colors::White;
}

void LabelEditor::pointed(OleColor color, bool rightButton)
{
    m_shape = color;
    if (rightButton)
        applyColor(color);
}

void LabelEditor::click()
{
    applyColor(m_shape);
}

bool LabelEditor::doubleClick(CommonDialog &dialog)
{
    dialog.Color = m_shape;
    dialog.Flags = CommonDialog::RgbInit | CommonDialog::FullOpen;
    dialog.CancelError = true;
    if (!dialog.ShowColor())
        return false;
    m_labelA.ForeColor = dialog.Color;
    return true;
}

QString LabelEditor::emptyTextMessage()
{
    return QStringLiteral("Avant de valider veuillez compléter le texte.");
}

bool LabelEditor::validate(Prompts &prompts) const
{
    if (!m_text.isEmpty())
        return true;
    prompts.msgBox(emptyTextMessage(), Msg::OkOnly | Msg::Exclamation);
    return false;
}

void LabelEditor::writeBack(CardLabel &label) const
{
    label.setAlignment(m_labelA.alignment());
    label.setCaption(m_labelA.Caption());
    label.setFontName(m_labelA.FontName());
    label.setFontSize(m_labelA.FontSize());
    label.ForeColor = m_labelA.ForeColor;
    label.setFontBold(m_labelA.FontBold());
}
