#pragma once

#include "SheetFields.h"
#include "SheetFormat.h"
#include "SheetLayout.h"

#include <QPageSize>
#include <QSizeF>

#include <optional>

class CardData;

// Everything a print, a PDF or a preview needs besides the card: the grid,
// the paper and the print dialog's other settings, read and checked.
struct SheetJob {
    // The Windows print quality codes and the resolution each gives the
    // pictures of the card.
    enum Quality { Draft = -1, Low = -2, Normal = -3, High = -4 };

    SheetFields::Grid grid;
    // The stock's card size of an extended format line.
    std::optional<SheetFormat::Stock> stock;
    int paperCode = 9;
    // The custom paper size (code 256), millimetres.
    QSizeF customMm;
    bool landscape = false;
    int quality = Normal;
    bool grayscale = false;
    int zoomPercent = 100;
    int sheets = 1;
    // Whether the cut-mark outline is drawn around every card at all, and
    // in white (the "no cut marks" box) rather than light grey.
    bool cutMarks = true;
    bool noCutMarks = false;

    int dpi() const;
    QPageSize pageSize() const;
    // The sheet's width and height in millimetres, as it comes out
    // (landscape swaps them); empty for a paper that cannot be had.
    QSizeF paperMm() const;

    // The card's size in millimetres, from its picture at screen resolution.
    static CardSize cardSize(const CardData &card);
    // Where the cards of every sheet go.
    SheetLayout layout(const CardSize &card, SheetTarget target) const;
};
