#pragma once

#include <QImage>

// One request of the "Palette 2D" effects: a kind and an amount.
struct ImageEffect {
    enum Kind { Brightness = 1, Gamma = 2, Greyscale = 3, Inversion = 4, Blur = 5, Emboss = 6, Engrave = 7 };
    int kind = 0;
    int amount = 0;

    friend bool operator==(const ImageEffect &, const ImageEffect &) = default;
};

// Whole-picture filters, changing a card picture in place. Distances are in
// card units (twips), so a picture rendered for a 600-dpi printer gets the
// same look as the screen's 15 twips per pixel: a softening or relief one
// screen pixel wide is 6.25 printer pixels wide.
//
// The effects read the amount as the menu gives it: brightness adds it to
// each component (negative darkens); gamma raises each component to the
// power amount / 30; inversion gives amount - component; emboss and
// engrave scale their relief by amount / 100. Alpha is kept.
namespace ImageEffects {

// Applies `effect` to every pixel of `image`; an unknown kind, an empty
// picture or a resolution that is not positive changes nothing.
void apply(QImage &image, const ImageEffect &effect, double twipsPerPixel);

} // namespace ImageEffects
