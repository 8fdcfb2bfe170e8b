#pragma once

#include "CardData.h"

#include <QImage>
#include <QPalette>
#include <QRectF>

class QPainter;
class Surface;

// The one routine that draws a card, at any resolution and onto any paint
// target: the background painted from the card's description at the
// target's resolution, the card's effects replayed on it, then (flattened)
// every visible logo and every visible label. The card window, the export,
// the clipboard, the outside editor, the print, the PDF and the preview all
// draw through it.
//
// Resolutions are twips per device pixel: 15 on screen, 2.4 for a 600-dpi
// printer.
namespace CardRenderer {

// Paints the background described by `card` over the whole of `surface`
// (sized by the caller to the card, at its own twips per pixel): white with
// a light grey edge line one pixel inside the card, the three-colour
// gradient (then the edge line), or the picture stretched over the card
// (proportions not kept, no edge line). `picture` is the background picture
// when the caller already has it; otherwise it is read from the card's
// path. Effects are not applied. False when a picture background cannot be
// read: the surface is then left white.
bool paintBackground(const CardData &card, Surface &surface, const QImage *picture = nullptr);

// Applies the card's effects, oldest first, to a picture of its background
// made at `twipsPerPixel`.
void replayEffects(const CardData &card, QImage &image, double twipsPerPixel);

// The card's background with its effects, as a picture of the card at
// `twipsPerPixel`. `ok` (when given) tells whether a picture background
// could be read.
QImage background(const CardData &card, double twipsPerPixel, bool *ok = nullptr,
                  const QImage *picture = nullptr);

// One visible item drawn at its place, in device pixels at `twipsPerPixel`
// (a hidden or missing item draws nothing).
void paintItem(QPainter &painter, const CardData &card, CardItemRef item, double twipsPerPixel,
               const QPalette &palette);

// The items as a flattened card has them, whatever their stacking on
// screen: every visible logo by index, then every visible code by index,
// then every visible label by index, so every label lies above every logo
// and code.
void paintFlattenedItems(QPainter &painter, const CardData &card, double twipsPerPixel,
                         const QPalette &palette);

// The flattened card as an opaque picture at `twipsPerPixel`.
QImage flatten(const CardData &card, double twipsPerPixel, const QPalette &palette = QPalette());

// Draws the flattened card stretched over `target` (the painter's device
// coordinates), on any device: `background` (from background(), made once
// for a whole job at the resolution pictures need) is drawn over the card,
// logos as pictures, labels as text, so a PDF or a printer keeps them
// vector.
void paint(QPainter &painter, const CardData &card, const QRectF &target, const QImage &background,
           const QPalette &palette = QPalette());

} // namespace CardRenderer
