#pragma once

#include "SheetFields.h"
#include "SheetFormat.h"

#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <optional>

// The card's size in millimetres, held to four decimals (in ten-thousandths
// of a millimetre) as the sheet arithmetic needs: twips / 56.7, rounded
// half to even.
struct CardSize {
    qint64 width = 0;
    qint64 height = 0;

    static constexpr qint64 PerMm = 10000;

    // From a picture at screen resolution (15 twips per pixel): a 318 x 204
    // pixel card is 4770 x 3060 twips, 84.1270 x 53.9683 mm.
    static CardSize fromPixels(int widthPixels, int heightPixels);

    bool isEmpty() const { return width <= 0 || height <= 0; }

private:
    // From the card picture's size in twips.
    static CardSize fromTwips(qint64 widthTwips, qint64 heightTwips);
};

enum class SheetTarget { Preview, Print };

// Everything that places the cards of one sheet.
struct SheetLayoutInput {
    SheetFields::Grid grid;
    // The stock's card size of an extended format line.
    std::optional<SheetFormat::Stock> stock;
    CardSize card;
    SheetTarget target = SheetTarget::Preview;
    // Percent; printing only, the preview ignores it.
    int zoomPercent = 100;
    // The sheet's width and height in millimetres as it is printed.
    QSizeF paperMm;
};

// Where every card of a sheet goes, in millimetres from the sheet's
// top-left corner; print, PDF and preview all paint from it. Every sheet of
// a job is laid out alike.
//
// A plain format runs rows of cards from (X, Y): after each card X becomes
// X + W + HGAP rounded to a whole millimetre (halves to even), after each
// row Y becomes Y + H + VGAP rounded likewise and X goes back to the field
// value. The preview paints and steps by the card's size W x H; printing by
// (W + 4) x (H + 2).
//
// An extended format paints every card at the stock's card size, at
// X + i x (card width + HGAP), Y + j x (card height + VGAP), unrounded, for
// print and preview alike.
//
// Printing at a zoom scales the whole page about its top-left corner.
// Cards that run off the sheet are clipped by it: those partly on it are
// listed, those wholly off it are not; both are counted as off the sheet.
class SheetLayout {
public:
    static SheetLayout compute(const SheetLayoutInput &input);

    // The cards to paint, row by row, left to right.
    const QList<QRectF> &cards() const { return m_cards; }
    bool fits() const { return m_offSheet == 0; }
    // A French sentence saying how many cards run off the sheet; empty when
    // the grid fits.
    QString overflowText() const;

private:
    QList<QRectF> m_cards;
    // Cards of the grid (ACROSS x DOWN), listed or not, and those not
    // wholly on the sheet.
    int m_gridCount = 0;
    int m_offSheet = 0;
};
