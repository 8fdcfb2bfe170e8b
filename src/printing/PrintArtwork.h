#pragma once

#include "document/CardData.h"

#include <QImage>
#include <QPalette>
#include <QSize>
#include <QSizeF>

// The card made ready once for a whole print, PDF or preview: its
// background rendered with its effects, and its logos, each at the
// resolution the job asks for, but never finer than their own pixels, so
// big pictures are not stored or drawn larger than they can show. Every
// copy then draws the same pictures: a PDF stores each of them once.
class PrintArtwork {
public:
    PrintArtwork() = default;
    // `dpi`: the resolution pictures need; `cardMm`: the size each copy is
    // drawn at on the sheet (empty: pictures are not reduced).
    PrintArtwork(const CardData &card, double dpi, const QSizeF &cardMm, const QPalette &palette);

    const CardData &card() const { return m_card; }
    const QImage &background() const { return m_background; }
    const QPalette &palette() const { return m_palette; }
    // The card's picture size on screen, in pixels: the cut-mark outline
    // is one of those pixels wide.
    QSize screenPixels() const { return m_screenPixels; }

private:
    // The twips per pixel of the background: `dpi`, unless the background
    // picture has fewer pixels than that over the card.
    static double backgroundTwipsPerPixel(const CardData &card, double dpi, const QImage &picture);
    void reduceLogos(double dpi, const QSizeF &cardMm);

    CardData m_card;
    QImage m_background;
    QPalette m_palette;
    QSize m_screenPixels;
};
