#include "ImageEffects.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace ImageEffects {

namespace {

// How far softening and relief reach, in twips: one screen pixel.
constexpr double ReachTwips = 15.0;

int clampByte(double v)
{
    // Rounded half up; NaN and out-of-range values end at the bounds.
    if (!(v > 0))
        return 0;
    return v >= 255 ? 255 : int(v + 0.5);
}

// The picture in a format whose pixels are plain 0xAARRGGBB words.
bool prepare(QImage &image)
{
    if (image.isNull())
        return false;
    switch (image.format()) {
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
    // Card pictures are opaque: their premultiplied words are plain ones.
    case QImage::Format_ARGB32_Premultiplied: break;
    default:
        image = image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
        break;
    }
    return !image.isNull();
}

// Rewrites each colour component through a table.
void mapComponents(QImage &image, const std::array<quint8, 256> &table)
{
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = line[x];
            line[x] = qRgba(table[qRed(p)], table[qGreen(p)], table[qBlue(p)], qAlpha(p));
        }
    }
}

std::array<quint8, 256> table(auto &&f)
{
    std::array<quint8, 256> t{};
    for (int i = 0; i < 256; ++i)
        t[std::size_t(i)] = quint8(clampByte(f(i)));
    return t;
}

int luminance(QRgb p)
{
    return (299 * qRed(p) + 587 * qGreen(p) + 114 * qBlue(p) + 500) / 1000;
}

void greyscale(QImage &image)
{
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int l = luminance(line[x]);
            line[x] = qRgba(l, l, l, qAlpha(line[x]));
        }
    }
}

// A box filter of radius `r` pixels (fractional: the two outer taps weigh
// the fraction) along one line of `n` pixels `stride` apart, edges
// extended. A running sum keeps the cost independent of the radius.
void boxLine(QRgb *data, int n, int stride, double r, std::vector<QRgb> &ext, std::vector<quint8> &mean)
{
    const int whole = int(std::floor(r));
    const double frac = r - whole;
    const double weight = 2.0 * whole + 1.0 + 2.0 * frac;
    const int pad = whole + 1;
    ext.resize(std::size_t(n + 2 * pad));
    for (int i = -pad; i < n + pad; ++i)
        ext[std::size_t(i + pad)] = data[std::ptrdiff_t(std::clamp(i, 0, n - 1)) * stride];
    const QRgb *e = ext.data() + pad; // e[i] for i in -pad .. n + pad - 1
    long long sr = 0, sg = 0, sb = 0;
    for (int k = -whole; k <= whole; ++k) {
        sr += qRed(e[k]);
        sg += qGreen(e[k]);
        sb += qBlue(e[k]);
    }
    // Whole radius (the screen's): the mean of each possible sum, rounded,
    // looked up instead of divided.
    const long long w = 2LL * whole + 1;
    if (frac == 0 && mean.size() != std::size_t(255 * w + 1)) {
        mean.resize(std::size_t(255 * w + 1));
        for (long long sum = 0; sum <= 255 * w; ++sum)
            mean[std::size_t(sum)] = quint8((2 * sum + w) / (2 * w));
    }
    for (int i = 0; i < n; ++i) {
        if (frac == 0) {
            data[std::ptrdiff_t(i) * stride] =
                qRgba(mean[std::size_t(sr)], mean[std::size_t(sg)], mean[std::size_t(sb)], qAlpha(e[i]));
        } else {
            double vr = double(sr), vg = double(sg), vb = double(sb);
            const QRgb a = e[i - whole - 1], b = e[i + whole + 1];
            vr += frac * (qRed(a) + qRed(b));
            vg += frac * (qGreen(a) + qGreen(b));
            vb += frac * (qBlue(a) + qBlue(b));
            data[std::ptrdiff_t(i) * stride] =
                qRgba(clampByte(vr / weight), clampByte(vg / weight), clampByte(vb / weight), qAlpha(e[i]));
        }
        const QRgb in = e[i + whole + 1], out = e[i - whole];
        sr += qRed(in) - qRed(out);
        sg += qGreen(in) - qGreen(out);
        sb += qBlue(in) - qBlue(out);
    }
}

void blur(QImage &image, double radius)
{
    if (!(radius > 0))
        return;
    auto *bits = reinterpret_cast<QRgb *>(image.bits());
    const int stride = int(image.bytesPerLine() / 4);
    std::vector<QRgb> line;
    std::vector<quint8> mean;
    for (int y = 0; y < image.height(); ++y)
        boxLine(bits + std::ptrdiff_t(y) * stride, image.width(), 1, radius, line, mean);
    for (int x = 0; x < image.width(); ++x)
        boxLine(bits + x, image.height(), stride, radius, line, mean);
}

// Relief: each pixel compares the brightness one reach up and left with the
// brightness one reach down and right (sampled between pixels when the
// reach is fractional), around a middle grey. Engraving reverses the light.
void relief(QImage &image, double reach, double depth, bool engrave)
{
    const int w = image.width();
    const int h = image.height();
    std::vector<float> lum(std::size_t(w) * std::size_t(h));
    for (int y = 0; y < h; ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < w; ++x)
            lum[std::size_t(y) * std::size_t(w) + std::size_t(x)] = float(luminance(line[x]));
    }
    auto sample = [&](double x, double y) {
        x = std::clamp(x, 0.0, double(w - 1));
        y = std::clamp(y, 0.0, double(h - 1));
        const int x0 = int(x), y0 = int(y);
        const int x1 = std::min(x0 + 1, w - 1), y1 = std::min(y0 + 1, h - 1);
        const double fx = x - x0, fy = y - y0;
        auto l = [&](int xx, int yy) { return double(lum[std::size_t(yy) * std::size_t(w) + std::size_t(xx)]); };
        return (l(x0, y0) * (1 - fx) + l(x1, y0) * fx) * (1 - fy) + (l(x0, y1) * (1 - fx) + l(x1, y1) * fx) * fy;
    };
    const double sign = engrave ? -1.0 : 1.0;
    const int whole = int(reach);
    if (whole == reach) {
        // A whole number of pixels (the screen's one): no sampling between
        // pixels.
        auto l = [&](int x, int y) {
            return lum[std::size_t(std::clamp(y, 0, h - 1)) * std::size_t(w) + std::size_t(std::clamp(x, 0, w - 1))];
        };
        for (int y = 0; y < h; ++y) {
            auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
            for (int x = 0; x < w; ++x) {
                const double diff = double(l(x - whole, y - whole)) - double(l(x + whole, y + whole));
                const int v = clampByte(128.0 + sign * depth * diff / 2.0);
                line[x] = qRgba(v, v, v, qAlpha(line[x]));
            }
        }
        return;
    }
    for (int y = 0; y < h; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const double diff = sample(x - reach, y - reach) - sample(x + reach, y + reach);
            const int v = clampByte(128.0 + sign * depth * diff / 2.0);
            line[x] = qRgba(v, v, v, qAlpha(line[x]));
        }
    }
}

} // namespace

void apply(QImage &image, const ImageEffect &effect, double twipsPerPixel)
{
    if (!(twipsPerPixel > 0) || !prepare(image))
        return;
    const double reach = ReachTwips / twipsPerPixel;
    const int amount = effect.amount;
    switch (effect.kind) {
    case ImageEffect::Brightness:
        mapComponents(image, table([amount](int c) { return double(c) + amount; }));
        break;
    case ImageEffect::Gamma: {
        const double exponent = amount / 30.0;
        if (!(exponent > 0))
            return;
        mapComponents(image, table([exponent](int c) { return 255.0 * std::pow(c / 255.0, exponent); }));
        break;
    }
    case ImageEffect::Greyscale: greyscale(image); break;
    case ImageEffect::Inversion:
        mapComponents(image, table([amount](int c) { return double(amount) - c; }));
        break;
    case ImageEffect::Blur: blur(image, reach); break;
    case ImageEffect::Emboss: relief(image, reach, amount / 100.0, false); break;
    case ImageEffect::Engrave: relief(image, reach, amount / 100.0, true); break;
    default: break;
    }
}

} // namespace ImageEffects
