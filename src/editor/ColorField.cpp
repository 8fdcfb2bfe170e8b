#include "ColorField.h"

#include <QRgb>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// The pure hue of a row, red, green and blue between 0 and 1: six ramps
// between red, yellow, green, cyan, blue, magenta and red again.
std::array<double, 3> pureHue(int row, int rows)
{
    const double h = rows > 1 ? 6.0 * row / (rows - 1) : 0.0;
    const int sector = std::min(int(h), 5);
    const double t = h - sector;
    switch (sector) {
    case 0: return {1.0, t, 0.0};
    case 1: return {1.0 - t, 1.0, 0.0};
    case 2: return {0.0, 1.0, t};
    case 3: return {0.0, 1.0 - t, 1.0};
    case 4: return {t, 0.0, 1.0};
    default: return {1.0, 0.0, 1.0 - t};
    }
}

// One channel at a lightness between 0 and 1: towards black in the left
// half, towards white in the right half.
int channel(double hue, double lightness)
{
    const double v = lightness <= 0.5 ? hue * 2.0 * lightness : hue + (1.0 - hue) * (2.0 * lightness - 1.0);
    return int(std::lround(v * 255.0));
}

QRgb rgbAt(const std::array<double, 3> &hue, int column, int columns)
{
    const double lightness = columns > 1 ? double(column) / (columns - 1) : 0.5;
    return qRgb(channel(hue[0], lightness), channel(hue[1], lightness), channel(hue[2], lightness));
}

} // namespace

namespace ColorField {

QImage picture(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        const std::array<double, 3> hue = pureHue(y, image.height());
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] = rgbAt(hue, x, image.width());
    }
    return image;
}

} // namespace ColorField
