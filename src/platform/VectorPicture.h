#pragma once

#include <QByteArray>
#include <QImage>
#include <QRectF>

class QPainter;

// A picture that has a vector form besides its pixels (a metafile read
// through SVG). The pixels, at the picture's natural size, serve every
// place that handles pictures as images; drawing goes back to the vector
// form, so that a PDF or a printer gets shapes and an export or a zoomed
// view gets pixels at its own resolution.
//
// The vector form follows the image's data: a copy of the image shares it,
// an image whose pixels were changed (an effect, a reduction) is only
// pixels again.
namespace VectorPicture {

// Records `svg` (a self-contained SVG document) as the vector form of
// `picture`.
void remember(const QImage &picture, const QByteArray &svg);

// The vector form of `picture`; empty when it has none.
QByteArray svg(const QImage &picture);
bool has(const QImage &picture);

// Draws the vector form of `picture` stretched over `target` and returns
// true; false, drawing nothing, when it has none.
bool draw(QPainter &painter, const QRectF &target, const QImage &picture);

// The picture rendered from its SVG at `size`, transparent where the
// drawing leaves it; a null image when `svg` cannot be read.
QImage render(const QByteArray &svg, const QSize &size);

} // namespace VectorPicture
