#pragma once

#include <QImage>
#include <QSize>
#include <QSizeF>

class CardLogo;

// A letter or a corner ornament placed on a card. At its natural size (15
// twips per pixel) a library letter of 300 pixels would be wider and
// taller than a whole 8,4 x 5,4 cm card; an ornament that large is shown
// smaller, keeping its proportions, so that its longer side takes
// MaxShareOfHeight of the card's height. Smaller pictures keep their
// natural size.
namespace Ornament {

// Gives `logo` the picture at that size: natural (not stretched) when it
// fits, otherwise stretched to it.
void fit(CardLogo &logo, const QImage &picture, double cardHeight);

} // namespace Ornament
