#include "SheetFormat.h"

#include "PaperSizes.h"

namespace {

const QString CrLf = QStringLiteral("\r\n");

std::optional<int> readPiece(const QStringList &pieces, int index, int min, int max)
{
    if (index >= pieces.size())
        return std::nullopt;
    return SheetFields::readWholeNumber(pieces.at(index), min, max);
}

} // namespace

SheetFormat::SheetFormat(const QString &line) : m_text(line), m_bar(line.indexOf(u'|'))
{
    const QString fieldPart = line.mid(m_bar + 1).trimmed();
    // An empty field part has no piece at all, not one empty piece.
    if (!fieldPart.isEmpty())
        m_pieces = fieldPart.split(u'.');

    using namespace SheetFields;
    while (m_readable < 4 && readPiece(m_pieces, m_readable, 0, MaxValue))
        ++m_readable;
    const std::optional<int> across = readPiece(m_pieces, Across, 0, MaxValue);
    const std::optional<int> down = readPiece(m_pieces, Down, 0, MaxValue);
    if (m_readable < 4 || !across || !down || *across * *down > MaxCards)
        return;
    m_complete = true;
    m_count = *across * *down;

    const std::optional<int> width = readPiece(m_pieces, 6, 1, MaxValue);
    const std::optional<int> height = readPiece(m_pieces, 7, 1, MaxValue);
    if (!width || !height)
        return;
    m_stock = Stock{*width, *height};
    m_paper = readPiece(m_pieces, 8, 1, PaperSizes::StandardCount);
}

QString SheetFormat::name() const
{
    return hasName() ? m_text.left(m_bar).trimmed() : QString();
}

void SheetFormat::applyTo(SheetFields::Texts &fields) const
{
    for (int i = 0; i < SheetFields::Count && i < m_pieces.size(); ++i)
        fields[std::size_t(i)] = m_pieces.at(i);
}

QString SheetFormat::extraPieces() const
{
    if (!m_stock)
        return {};
    QString extra = QStringLiteral(".%1.%2").arg(m_stock->widthTenths).arg(m_stock->heightTenths);
    if (m_paper)
        extra += u'.' + QString::number(*m_paper);
    return extra;
}

QString SheetFormat::description() const
{
    // Each part shows one field; an incomplete line shows the parts up to
    // the first field that cannot be read.
    const auto piece = [this](int i) { return i < m_pieces.size() ? m_pieces.at(i) : QString(); };
    const QString parts[4] = {
        QStringLiteral("Dimension vers la gauche : ") + piece(0) + QStringLiteral(" Mm"),
        QStringLiteral("    -     Dimension en hauteur : ") + piece(1) + QStringLiteral(" Mm"),
        CrLf + QStringLiteral("Espacement horizontal : ") + piece(2) + QStringLiteral(" Mm"),
        QStringLiteral("         -     Espacement vertical : ") + piece(3) + QStringLiteral(" Mm"),
    };
    QString text;
    for (int i = 0; i < m_readable; ++i)
        text += parts[i];
    if (!m_complete)
        return text.isEmpty() ? incompleteText() : text + CrLf + incompleteText();

    text += CrLf + CrLf + QStringLiteral("Nombre d'étiquettes par planche : ") + QString::number(m_count);
    if (m_stock) {
        text += CrLf + QStringLiteral("Format de la carte : ") + formatTenths(m_stock->widthTenths) + QStringLiteral(" x ")
            + formatTenths(m_stock->heightTenths) + QStringLiteral(" mm");
    }
    if (m_paper)
        text += CrLf + QStringLiteral("Papier : ") + PaperSizes::itemText(*m_paper).trimmed();
    return text;
}

QString SheetFormat::incompleteText()
{
    return QStringLiteral("Ce format est incomplet : il ne peut pas être imprimé.");
}

QString SheetFormat::formatTenths(int tenths)
{
    const QString whole = QString::number(tenths / 10);
    return tenths % 10 == 0 ? whole : whole + u',' + QString::number(tenths % 10);
}
