#include "SheetLayout.h"

#include "platform/Units.h"

namespace {

// numerator / denominator rounded to the nearest whole number, halves to
// the even one (denominator > 0).
qint64 divideHalfEven(qint64 numerator, qint64 denominator)
{
    qint64 quotient = numerator / denominator;
    qint64 remainder = numerator % denominator;
    if (remainder < 0) {
        remainder += denominator;
        --quotient;
    }
    const qint64 twice = 2 * remainder;
    if (twice > denominator || (twice == denominator && quotient % 2 != 0))
        ++quotient;
    return quotient;
}

// A length in twips as ten-thousandths of a millimetre: twips / 56.7 to four
// decimals, that is twips x 100000 / 567.
qint64 twipsToMmTenThousandths(qint64 twips)
{
    return divideHalfEven(twips * 100000, 567);
}

} // namespace

CardSize CardSize::fromTwips(qint64 widthTwips, qint64 heightTwips)
{
    return CardSize{twipsToMmTenThousandths(widthTwips), twipsToMmTenThousandths(heightTwips)};
}

CardSize CardSize::fromPixels(int widthPixels, int heightPixels)
{
    const auto tpp = qint64(Units::ScreenTwipsPerPixel);
    return fromTwips(widthPixels * tpp, heightPixels * tpp);
}

SheetLayout SheetLayout::compute(const SheetLayoutInput &input)
{
    SheetLayout layout;
    const SheetFields::Grid &g = input.grid;
    if (g.across <= 0 || g.down <= 0)
        return layout;
    layout.m_gridCount = g.across * g.down;

    const bool print = input.target == SheetTarget::Print;
    const double zoom = print ? input.zoomPercent / 100.0 : 1.0;
    const QRectF sheet(QPointF(0, 0), input.paperMm);
    // Room for the rounding of a decimal length.
    const double slack = 1e-9;
    const QRectF inside = sheet.adjusted(-slack, -slack, slack, slack);
    const auto place = [&](double x, double y, double w, double h) {
        const QRectF card(x * zoom, y * zoom, w * zoom, h * zoom);
        if (!inside.contains(card))
            ++layout.m_offSheet;
        if (card.intersects(sheet))
            layout.m_cards.append(card);
    };

    if (input.stock) {
        // Tenths of a millimetre, exact.
        const qint64 w = input.stock->widthTenths;
        const qint64 h = input.stock->heightTenths;
        for (qint64 row = 0; row < g.down; ++row) {
            const qint64 y = g.y * 10 + row * (h + g.vgap * 10);
            for (qint64 col = 0; col < g.across; ++col) {
                const qint64 x = g.x * 10 + col * (w + g.hgap * 10);
                place(x / 10.0, y / 10.0, w / 10.0, h / 10.0);
            }
        }
        return layout;
    }

    // Ten-thousandths of a millimetre; X and Y stay whole millimetres.
    const qint64 unit = CardSize::PerMm;
    const qint64 w = input.card.width + (print ? 4 * unit : 0);
    const qint64 h = input.card.height + (print ? 2 * unit : 0);
    qint64 y = g.y;
    for (int row = 0; row < g.down; ++row) {
        qint64 x = g.x;
        for (int col = 0; col < g.across; ++col) {
            place(double(x), double(y), double(w) / unit, double(h) / unit);
            x = divideHalfEven(x * unit + w + g.hgap * unit, unit);
        }
        y = divideHalfEven(y * unit + h + g.vgap * unit, unit);
    }
    return layout;
}

QString SheetLayout::overflowText() const
{
    if (m_offSheet == 0)
        return {};
    const QString tail = QStringLiteral(" de la feuille : seule la partie qui tient sur la feuille est imprimée.");
    if (m_offSheet == 1)
        return QStringLiteral("Attention : 1 carte sur %1 dépasse").arg(m_gridCount) + tail;
    return QStringLiteral("Attention : %1 cartes sur %2 dépassent").arg(m_offSheet).arg(m_gridCount) + tail;
}
