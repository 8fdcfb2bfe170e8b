#include "PaperSizes.h"

#include <array>

namespace PaperSizes {

namespace {

struct Paper {
    const char16_t *text;
    // The paper the item names. Where the item and the Windows code of its
    // position disagree (items 28 to 30 name C3, C4 and C5 in another order
    // than the codes; 12 and 13 give the ISO sizes; 24 to 26 are the ANSI
    // sheets), the item wins: the user gets the paper shown. Folio (14) has
    // no identifier of its own.
    QPageSize::PageSizeId id;
};

// Item position + 1 is the code.
constexpr std::array<Paper, StandardCount> Papers = {{
    {u"Lettre US (215 x 279 mm)", QPageSize::Letter}, // 1
    {u"Petite lettre US (215 x 279 mm)", QPageSize::LetterSmall}, // 2
    {u"Tabloïd US (279 x 431 mm) ", QPageSize::Tabloid}, // 3
    {u"Ledger US (431 x 279 mm) ", QPageSize::Ledger}, // 4
    {u"Légal US (215 x 355 mm) ", QPageSize::Legal}, // 5
    {u"Statement US (139 x 215 mm) ", QPageSize::Statement}, // 6
    {u"Executive US (190 x 250 mm) ", QPageSize::Executive}, // 7
    {u"Format A3 (297 x 420 mm) ", QPageSize::A3}, // 8
    {u"Format A4 (210 x 297 mm)", QPageSize::A4}, // 9
    {u"Format A4 Petit (210 x 297 mm) ", QPageSize::A4Small}, // 10
    {u"Format A5 (148 x 210 mm) ", QPageSize::A5}, // 11
    {u"Format B4 (250 x 353 mm) ", QPageSize::B4}, // 12
    {u"Format B5 (176 x 250 mm)", QPageSize::B5}, // 13
    {u"Folio US (215 x 330 mm) ", QPageSize::Custom}, // 14
    {u"Quarto US (215 x 275 mm) ", QPageSize::Quarto}, // 15
    {u"254 x 355 mm", QPageSize::Imperial10x14}, // 16
    {u"279 x 431 mm", QPageSize::Tabloid}, // 17
    {u"Note US (215 x 279 mm)", QPageSize::Note}, // 18
    {u"Enveloppe US 9 (984 x 225 mm)", QPageSize::Envelope9}, // 19
    {u"Enveloppe US 10 (104 x 241 mm)", QPageSize::Envelope10}, // 20
    {u"Enveloppe US 11 (114 x 263 mm) ", QPageSize::Envelope11}, // 21
    {u"Enveloppe US 12 (123 x 279 mm) ", QPageSize::Envelope12}, // 22
    {u"Enveloppe US 14 (127 x 292 mm) ", QPageSize::Envelope14}, // 23
    {u"Feuille US de taille C", QPageSize::AnsiC}, // 24
    {u"Feuille US de taille D", QPageSize::AnsiD}, // 25
    {u"Feuille US de taille E", QPageSize::AnsiE}, // 26
    {u"Enveloppe DL (110 x 220 mm) ", QPageSize::DLE}, // 27
    {u"Enveloppe C3 (324 x 458 mm) ", QPageSize::EnvelopeC3}, // 28
    {u"Enveloppe C4 (229 x 324 mm) ", QPageSize::EnvelopeC4}, // 29
    {u"Enveloppe C5 (162 x 229 mm) ", QPageSize::C5E}, // 30
    {u"Enveloppe C6 (114 x 162 mm) ", QPageSize::EnvelopeC6}, // 31
    {u"Enveloppe C65 (114 x 229 mm) ", QPageSize::EnvelopeC65}, // 32
    {u"Enveloppe B4 (250 x 353 mm) ", QPageSize::EnvelopeB4}, // 33
    {u"Enveloppe B5 (176 x 250 mm) ", QPageSize::EnvelopeB5}, // 34
    {u"Enveloppe B6 (176 x 125 mm) ", QPageSize::EnvelopeB6}, // 35
    {u"Enveloppe (110 x 230 mm) ", QPageSize::EnvelopeItalian}, // 36
    {u"Enveloppe Monarch (098 x 195 mm)", QPageSize::EnvelopeMonarch}, // 37
    {u"Enveloppe (092 x 165 mm) ", QPageSize::EnvelopePersonal}, // 38
    {u"Fanfold US (377 x 279 mm)", QPageSize::FanFoldUS}, // 39
    {u"Fanfold German (215 x 304 mm)", QPageSize::FanFoldGerman}, // 40
    {u"Fanfold German Legal (215 x 330 mm)", QPageSize::FanFoldGermanLegal}, // 41
}};

} // namespace

const QStringList &itemTexts()
{
    static const QStringList texts = [] {
        QStringList list;
        for (const Paper &p : Papers)
            list.append(QString::fromUtf16(p.text));
        return list;
    }();
    return texts;
}

bool isStandard(int code)
{
    return code >= 1 && code <= StandardCount;
}

QString itemText(int code)
{
    return isStandard(code) ? itemTexts().at(code - 1) : QString();
}

QPageSize pageSize(int code, const QSizeF &customMm)
{
    if (code == Custom) {
        if (customMm.width() <= 0 || customMm.height() <= 0)
            return {};
        return QPageSize(customMm, QPageSize::Millimeter, QString(), QPageSize::ExactMatch);
    }
    if (!isStandard(code))
        return {};
    const QPageSize::PageSizeId id = Papers[std::size_t(code - 1)].id;
    if (id == QPageSize::Custom) // Folio: 8.5 x 13 inches
        return QPageSize(QSizeF(8.5, 13.0), QPageSize::Inch, QStringLiteral("Folio"), QPageSize::ExactMatch);
    return QPageSize(id);
}

QSizeF sheetSizeMm(int code, const QSizeF &customMm, bool landscape)
{
    const QPageSize page = pageSize(code, customMm);
    if (!page.isValid())
        return {};
    const QSizeF size = page.size(QPageSize::Millimeter);
    return landscape ? size.transposed() : size;
}

} // namespace PaperSizes
