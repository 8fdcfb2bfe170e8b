#include "CodeEditor.h"

#include "document/CodeSymbol.h"
#include "document/MergeFields.h"
#include "platform/CommonDialog.h"
#include "platform/Prompts.h"
#include "platform/TextConv.h"
#include "platform/Units.h"

#include <cmath>

namespace {

// Sizes of a new code, in millimetres: width (or side) and bar height.
struct DefaultSize {
    double width;
    double height;
};

DefaultSize defaultSize(CardCode::Kind kind)
{
    switch (kind) {
    case CardCode::EAN13: return {37, 15};
    case CardCode::Code128: return {40, 12};
    case CardCode::QR:
    case CardCode::DataMatrix: break;
    }
    return {20, 20};
}

// Millimetres to a tenth, as the size boxes show them ("20", "17,6").
QString mmText(double twips)
{
    return TextConv::fromSingle(float(std::round(twips / Units::TwipsPerMm * 10.0) / 10.0));
}

bool inRange(const QString &text)
{
    const std::optional<double> mm = TextConv::toNumber(text);
    return mm && *mm >= CodeEditor::SmallestMm && *mm <= CodeEditor::LargestMm;
}

} // namespace

QStringList CodeEditor::kindNames()
{
    QStringList names;
    for (int kind = 0; kind < CardCode::KindCount; ++kind)
        names.append(CardCode::kindName(CardCode::Kind(kind)));
    return names;
}

const QStringList &CodeEditor::correctionNames()
{
    static const QStringList names{QStringLiteral("L"), QStringLiteral("M"), QStringLiteral("Q"), QStringLiteral("H")};
    return names;
}

const QStringList &CodeEditor::modeNames()
{
    static const QStringList names{QStringLiteral("Texte"), QStringLiteral("Adresse web"), QStringLiteral("Contact")};
    return names;
}

void CodeEditor::setCode(const CardCode &code, bool isNew)
{
    m_original = code;
    m_isNew = isNew;
    m_kind = code.kind;
    m_correction = code.correction;
    m_mode = CodeContent::modeOf(code.content);
    m_contact = {};
    m_text.clear();
    if (m_mode == CodeContent::Mode::Contact)
        m_contact = CodeContent::parseVCard(code.content).value_or(CodeContent::Contact{});
    else
        m_text = code.content;
    m_fore = code.ForeColor;
    m_transparent = code.BackColor == CardCode::Transparent;
    m_opaqueBack = m_transparent ? Colors::White : code.BackColor;
    if (isNew)
        setKind(code.kind);
    else
        showSize(code.Width, code.Height);
}

void CodeEditor::setKind(CardCode::Kind kind)
{
    m_kind = kind;
    if (m_isNew) {
        const DefaultSize size = defaultSize(kind);
        showSize(Units::mmToTwips(size.width), Units::mmToTwips(size.height));
    }
}

void CodeEditor::showSize(double width, double height)
{
    m_keptWidth = width;
    m_keptHeight = height;
    m_sizeText = m_shownSize = mmText(width);
    m_heightText = m_shownHeight = mmText(height);
}

double CodeEditor::twipsOf(const QString &text, const QString &shown, double kept) const
{
    if (text == shown)
        return kept;
    const std::optional<double> mm = TextConv::toNumber(text);
    return mm ? Units::mmToTwips(*mm) : kept;
}

QString CodeEditor::content() const
{
    if (m_mode != CodeContent::Mode::Contact)
        return m_text;
    return m_contact.isEmpty() ? QString() : CodeContent::vCard(m_contact);
}

bool CodeEditor::chooseColor(CommonDialog &dialog)
{
    dialog.Color = m_fore;
    dialog.Flags = CommonDialog::RgbInit;
    dialog.CancelError = true;
    if (!dialog.ShowColor())
        return false;
    m_fore = dialog.Color;
    return true;
}

CardCode CodeEditor::code() const
{
    CardCode code = m_original;
    code.kind = m_kind;
    code.content = content();
    code.correction = m_correction;
    code.Width = float(twipsOf(m_sizeText, m_shownSize, m_keptWidth));
    code.Height = CardCode::isSquare(m_kind) ? code.Width
                                             : float(twipsOf(m_heightText, m_shownHeight, m_keptHeight));
    code.ForeColor = m_fore;
    code.BackColor = m_transparent ? CardCode::Transparent : m_opaqueBack;
    return code;
}

bool CodeEditor::validate(Prompts &prompts) const
{
    const auto refuse = [&prompts](const QString &message) {
        prompts.msgBox(message, Msg::OkOnly | Msg::Exclamation, QStringLiteral("Code"));
        return false;
    };
    const QString text = content();
    if (text.isEmpty())
        return refuse(QStringLiteral("Le code n'a pas de contenu."));
    if (MergeFields::names(text).isEmpty()) {
        const CodeSymbol symbol = CodeSymbol::encode(m_kind, text, m_correction);
        if (!symbol.valid())
            return refuse(symbol.error());
    }
    if (!inRange(m_sizeText) || (heightEnabled() && !inRange(m_heightText)))
        return refuse(QStringLiteral("La taille doit être comprise entre 5 et 200 mm."));
    return true;
}
