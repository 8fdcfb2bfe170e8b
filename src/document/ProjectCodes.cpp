#include "ProjectCodes.h"

#include "CardData.h"
#include "CodeSymbol.h"
#include "MergeFields.h"
#include "platform/TextConv.h"

#include <algorithm>
#include <cmath>

namespace ProjectCodes {

namespace {

const QString Section = QStringLiteral("CODE");
const QString Count = QStringLiteral("Nombre");
// Content pieces a reader looks for at most: a QR code's largest content
// in pieces of the smallest reasonable length.
constexpr int MaxPieces = 8000;
// Far beyond any card, within a single's exact integers.
constexpr double MaxTwips = 1.0e7;

QString section(int number)
{
    return Section + u' ' + QString::number(number);
}

std::optional<float> twips(const QString &text, double low)
{
    const std::optional<double> v = TextConv::toNumber(text);
    if (!v || !std::isfinite(*v) || *v < low || *v > MaxTwips)
        return std::nullopt;
    return float(*v);
}

std::optional<CardCode> readOne(const ProfileFile &in, int number)
{
    const QString name = section(number);
    auto value = [&](const QString &key) { return in.readString(name, key); };
    CardCode code;
    code.index = number;
    const std::optional<CardCode::Kind> kind = CardCode::kindFromKey(value(QStringLiteral("Type")));
    if (!kind)
        return std::nullopt;
    code.kind = *kind;
    QString stored;
    for (int piece = 1; piece <= MaxPieces; ++piece) {
        const QString key = QStringLiteral("Contenu") + QString::number(piece);
        if (!in.contains(name, key))
            break;
        stored += value(key);
    }
    code.content = unescape(stored);
    if (code.kind == CardCode::QR)
        code.correction = CardCode::correctionFromKey(value(QStringLiteral("Correction"))).value_or(CardCode::M);
    const std::optional<float> left = twips(value(QStringLiteral("Left")), -MaxTwips);
    const std::optional<float> top = twips(value(QStringLiteral("Top")), -MaxTwips);
    const std::optional<float> width = twips(value(QStringLiteral("Width")), 1);
    const std::optional<float> height = twips(value(QStringLiteral("Height")), 1);
    code.Left = left.value_or(0);
    code.Top = top.value_or(0);
    code.Width = width.value_or(code.Width);
    code.Height = CardCode::isSquare(code.kind) ? code.Width : height.value_or(code.Height);
    code.ForeColor = TextConv::toInt32(value(QStringLiteral("ForeColor"))).value_or(0);
    const std::optional<std::int32_t> back = TextConv::toInt32(value(QStringLiteral("BackColor")));
    code.BackColor = back && *back >= 0 ? *back : CardCode::Transparent;
    if (!drawable(code))
        return std::nullopt;
    return code;
}

} // namespace

QString escape(const QString &content)
{
    QString out;
    out.reserve(content.size());
    for (const QChar c : content) {
        if (c == u'\\')
            out += QStringLiteral("\\\\");
        else if (c == u'\n')
            out += QStringLiteral("\\n");
        else if (c != u'\r')
            out += c;
    }
    return out;
}

QString unescape(const QString &stored)
{
    QString out;
    out.reserve(stored.size());
    for (qsizetype i = 0; i < stored.size(); ++i) {
        const QChar c = stored[i];
        if (c == u'\\' && i + 1 < stored.size() && (stored[i + 1] == u'n' || stored[i + 1] == u'\\')) {
            out += stored[++i] == u'n' ? QChar(u'\n') : QChar(u'\\');
        } else {
            out += c;
        }
    }
    return out;
}

QString unreadableMessage(const QList<int> &numbers)
{
    if (numbers.isEmpty())
        return {};
    QStringList list;
    for (const int n : numbers)
        list.append(QString::number(n));
    if (numbers.size() == 1)
        return QStringLiteral("Le code %1 de ce projet ne peut pas être lu : il est laissé de côté.").arg(list.first());
    return QStringLiteral("Les codes %1 de ce projet ne peuvent pas être lus : ils sont laissés de côté.")
        .arg(list.join(QStringLiteral(", ")));
}

bool drawable(const CardCode &code)
{
    return !MergeFields::names(code.content).isEmpty() || CodeSymbol::of(code).valid();
}

void write(ProfileFile &out, const std::vector<CardCode> &codes)
{
    if (codes.empty())
        return;
    int number = 0;
    for (const CardCode &code : codes) {
        const QString name = section(++number);
        out.writeString(name, QStringLiteral("Type"), CardCode::kindKey(code.kind));
        const QString stored = escape(code.content);
        for (int piece = 0; piece * PieceLength < stored.size() || piece == 0; ++piece)
            out.writeString(name, QStringLiteral("Contenu") + QString::number(piece + 1),
                            stored.mid(piece * PieceLength, PieceLength));
        if (code.kind == CardCode::QR)
            out.writeString(name, QStringLiteral("Correction"), CardCode::correctionKey(code.correction));
        out.writeString(name, QStringLiteral("Left"), TextConv::fromSingle(code.Left));
        out.writeString(name, QStringLiteral("Top"), TextConv::fromSingle(code.Top));
        out.writeString(name, QStringLiteral("Width"), TextConv::fromSingle(code.Width));
        out.writeString(name, QStringLiteral("Height"), TextConv::fromSingle(code.Height));
        out.writeString(name, QStringLiteral("ForeColor"), QString::number(code.ForeColor));
        out.writeString(name, QStringLiteral("BackColor"), QString::number(code.BackColor));
    }
    out.writeString(Section, Count, QString::number(codes.size()));
}

std::vector<CardCode> read(const ProfileFile &in, QList<int> &unreadable)
{
    std::vector<CardCode> codes;
    const std::optional<std::int32_t> count = TextConv::toInt32(in.readString(Section, Count));
    if (!count || *count <= 0)
        return codes;
    // The count is the file's word, but only sections present are codes.
    for (int number = 1; number <= std::min<std::int32_t>(*count, CardData::MaxItemIndex); ++number) {
        if (in.keys(section(number)).isEmpty())
            break;
        if (std::optional<CardCode> code = readOne(in, number)) {
            code->index = int(codes.size()) + 1;
            codes.push_back(*code);
        } else {
            unreadable.append(number);
        }
    }
    return codes;
}

} // namespace ProjectCodes
