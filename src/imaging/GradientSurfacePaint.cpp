#include "GradientSurfacePaint.h"

#include "GradientLines.h"
#include "platform/Surface.h"

#include <QColor>
#include <QImage>
#include <QRect>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

namespace GradientSurfacePaint {

namespace {

QRgb opaque(OleColor c)
{
    return qRgb(Colors::red(c), Colors::green(c), Colors::blue(c));
}

QRgb *rowOf(QImage &image, int y)
{
    return reinterpret_cast<QRgb *>(image.scanLine(y));
}

// Pixel ends of line i, as the Surface maps twips to pixels.
struct PixelLine {
    int x1, y1, x2, y2;
};

PixelLine pixelLine(const Surface &s, const GradientLines &l, long long i, const ColorGradient::Geometry &g)
{
    const GradientLines::Ends e = l.ends(i, g);
    return {s.toPixelX(e.x1), s.toPixelY(e.y1), s.toPixelX(e.x2), s.toPixelY(e.y2)};
}

// Straight bands: each line fills one row (horizontal lines) or one column
// (vertical lines) over the same span of the other axis; a later line on
// the same row or column wins.
struct Bands {
    std::vector<QRgb> color; // per row or column
    std::vector<char> drawn;
    int from = 0, to = -1;   // span across, clipped to the picture
};

Bands bandsOf(const Surface &s, const ColorGradient &gradient, const GradientLines &l,
              const ColorGradient::Geometry &g, bool horizontal)
{
    const int along = horizontal ? s.pixelHeight() : s.pixelWidth();
    const int across = horizontal ? s.pixelWidth() : s.pixelHeight();
    Bands b;
    b.color.resize(size_t(along));
    b.drawn.assign(size_t(along), 0);
    const long long count = l.count();
    for (long long n = 0; n < count; ++n) {
        const long long i = l.at(n);
        const PixelLine p = pixelLine(s, l, i, g);
        const int at = horizontal ? p.y1 : p.x1;
        b.from = horizontal ? std::min(p.x1, p.x2) : std::min(p.y1, p.y2);
        b.to = horizontal ? std::max(p.x1, p.x2) : std::max(p.y1, p.y2);
        if (at < 0 || at >= along)
            continue;
        b.color[size_t(at)] = opaque(gradient.colorAt(l.percent(i)));
        b.drawn[size_t(at)] = 1;
    }
    b.from = std::max(b.from, 0);
    b.to = std::min(b.to, across - 1);
    return b;
}

void horizontalBands(Surface &s, const ColorGradient &gradient, const GradientLines &l,
                     const ColorGradient::Geometry &g)
{
    const Bands b = bandsOf(s, gradient, l, g, true);
    QImage &image = s.image();
    for (int y = 0; b.from <= b.to && y < image.height(); ++y) {
        if (b.drawn[size_t(y)]) {
            QRgb *row = rowOf(image, y);
            std::fill(row + b.from, row + b.to + 1, b.color[size_t(y)]);
        }
    }
}

// Vertical bands are written row by row: every row between the span's ends
// gets the same runs of column colours.
void verticalBands(Surface &s, const ColorGradient &gradient, const GradientLines &l,
                   const ColorGradient::Geometry &g)
{
    const Bands b = bandsOf(s, gradient, l, g, false);
    QImage &image = s.image();
    const int w = image.width();
    std::vector<std::pair<int, int>> runs; // first column, length
    for (int x = 0; x < w;) {
        if (!b.drawn[size_t(x)]) {
            ++x;
            continue;
        }
        const int start = x;
        while (x < w && b.drawn[size_t(x)])
            ++x;
        runs.emplace_back(start, x - start);
    }
    for (int y = b.from; y <= b.to; ++y) {
        QRgb *row = rowOf(image, y);
        for (const auto &[start, length] : runs)
            std::memcpy(row + start, b.color.data() + start, sizeof(QRgb) * size_t(length));
    }
}

// The pixels of one sloping line as the Surface draws it, where nothing cuts
// it: for each row from its upper end down, the columns it sets, relative
// to its upper end. Empty when the drawing is not such a line.
struct LineShape {
    int rows = 0;
    std::vector<int> start;   // per row, index of its first column; one more at the end
    std::vector<int> columns; // column offsets, row after row
    int minOffset = 0, maxOffset = 0;
};

LineShape shapeOf(const PixelLine &p)
{
    const int dx = p.x2 - p.x1, dy = p.y2 - p.y1;
    if (dy <= 0 || dx == 0)
        return {};
    // A picture of one twip per pixel with a margin all round, so that
    // nothing is cut off.
    const int margin = 2;
    const int left = std::min(0, dx);
    const int ox = margin - left, oy = margin;
    Surface scratch(double(std::abs(dx) + 1 + 2 * margin), double(dy + 1 + 2 * margin), 1.0);
    scratch.setBackColor(Colors::Black);
    scratch.cls();
    scratch.line(ox, oy, ox + dx, oy + dy, Colors::White);
    const QImage &image = scratch.image();
    if (image.width() != std::abs(dx) + 1 + 2 * margin || image.height() != dy + 1 + 2 * margin)
        return {};
    const QRgb ink = qRgb(255, 255, 255);
    LineShape shape;
    shape.minOffset = std::numeric_limits<int>::max();
    shape.maxOffset = std::numeric_limits<int>::min();
    for (int y = 0; y < image.height(); ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        const int r = y - oy;
        if (r >= 0 && r <= dy)
            shape.start.push_back(int(shape.columns.size()));
        for (int x = 0; x < image.width(); ++x) {
            if (row[x] != ink)
                continue;
            if (r < 0 || r > dy)
                return {};
            shape.columns.push_back(x - ox);
            shape.minOffset = std::min(shape.minOffset, x - ox);
            shape.maxOffset = std::max(shape.maxOffset, x - ox);
        }
    }
    if (shape.columns.empty())
        return {};
    shape.start.push_back(int(shape.columns.size()));
    shape.rows = dy + 1;
    return shape;
}

// Diagonal lines: every line is the same shape moved sideways by one pixel
// from the previous one, so the shape is drawn once; then on each row, the
// pixels one column of the shape sets across all the lines are a run of
// the lines' colours, laid down in one copy. False when the lines are not
// such copies of one another.
bool diagonalBands(Surface &s, const ColorGradient &gradient, const GradientLines &l,
                   const ColorGradient::Geometry &g)
{
    const long long count = l.count();
    const PixelLine first = pixelLine(s, l, l.at(0), g);
    const int sigma = count > 1 ? pixelLine(s, l, l.at(1), g).x1 - first.x1 : 1;
    if (sigma != 1 && sigma != -1)
        return false;
    // Colours by the column of each line's upper end.
    const long long lastShift = first.x1 + sigma * (count - 1);
    const long long minShift = std::min<long long>(first.x1, lastShift);
    const long long maxShift = std::max<long long>(first.x1, lastShift);
    std::vector<QRgb> byShift(static_cast<size_t>(count));
    for (long long n = 0; n < count; ++n) {
        const long long i = l.at(n);
        const PixelLine p = pixelLine(s, l, i, g);
        if (p.y1 != first.y1 || p.y2 != first.y2 || p.x1 != first.x1 + sigma * n
            || p.x2 - p.x1 != first.x2 - first.x1)
            return false;
        byShift[static_cast<size_t>(p.x1 - minShift)] = opaque(gradient.colorAt(l.percent(i)));
    }
    const LineShape shape = shapeOf(first);
    if (shape.rows == 0)
        return false;
    QImage &image = s.image();
    const long long w = image.width(), h = image.height();
    for (int r = 0; r < shape.rows; ++r) {
        const long long y = first.y1 + r;
        if (y < 0 || y >= h)
            continue;
        QRgb *row = rowOf(image, int(y));
        const int begin = shape.start[size_t(r)], end = shape.start[size_t(r) + 1];
        // Where two lines set the same pixel, the one drawn later wins. When
        // the lines move right as they are drawn, a pixel's later line
        // reaches it through a column further left: columns are laid down
        // right to left then (left to right otherwise).
        for (int k = 0; k < end - begin; ++k) {
            const int c = shape.columns[size_t(sigma > 0 ? end - 1 - k : begin + k)];
            const long long from = std::max(0LL, minShift + c);
            const long long to = std::min(w - 1, maxShift + c);
            if (from <= to)
                std::memcpy(row + from, byShift.data() + (from - c - minShift), sizeof(QRgb) * size_t(to - from + 1));
        }
    }
    return true;
}

// Concentric circles: a pixel takes the colour of the smallest circle that
// covers its centre, a circle covering up to half a pixel beyond its radius
// (its outline is one pixel wide). On each row the span a circle covers
// grows with its radius; walking from the smallest circle outwards, every
// circle only adds the pixels left and right of the span already painted,
// so each pixel is written once.
void paintRings(QImage &image, double cx, double cy, const std::vector<double> &radii,
                const std::vector<QRgb> &colors)
{
    const int w = image.width(), h = image.height();
    const double ox = cx - 0.5; // a pixel's centre is half a pixel from its corner
    for (int y = 0; y < h; ++y) {
        const double dy = double(y) + 0.5 - cy;
        const double dy2 = dy * dy;
        QRgb *row = rowOf(image, y);
        int left = 0, right = -1; // span painted so far, empty
        for (size_t k = radii.size(); k-- > 0;) {
            const double r = radii[k] + 0.5;
            const double rest = r * r - dy2;
            if (rest < 0.0)
                continue;
            const double half = std::sqrt(rest);
            const int l = std::max(0, int(std::ceil(ox - half)));
            const int r2 = std::min(w - 1, int(std::floor(ox + half)));
            if (l > r2)
                continue;
            const QRgb c = colors[k];
            if (left > right) {
                std::fill(row + l, row + r2 + 1, c);
            } else {
                if (l < left)
                    std::fill(row + l, row + left, c);
                if (r2 > right)
                    std::fill(row + right + 1, row + r2 + 1, c);
            }
            left = std::min(left > right ? l : left, l);
            right = std::max(right, r2);
        }
    }
}

} // namespace

bool lines(Surface &surface, const ColorGradient &gradient, int kind, const ColorGradient::Geometry &g)
{
    if (surface.image().isNull())
        return true; // nothing to draw on, as each line would find
    const GradientLines l = GradientLines::of(kind, g);
    switch (l.shape) {
    case GradientLines::Horizontal: horizontalBands(surface, gradient, l, g); break;
    case GradientLines::Vertical: verticalBands(surface, gradient, l, g); break;
    default:
        if (!diagonalBands(surface, gradient, l, g))
            return false;
        break;
    }
    surface.refresh();
    return true;
}

void circles(Surface &surface, const ColorGradient &gradient, const ColorGradient::Geometry &g)
{
    ColorGradient::Circles circles;
    gradient.circlesOf(g, circles);
    if (circles.list.empty())
        return;
    surface.setFillStyle(PaintTarget::Solid);
    surface.setRedraw(false);
    QImage &image = surface.image();
    if (!image.isNull()) {
        const double tpp = surface.twipsPerPixel();
        std::vector<double> radii;
        std::vector<QRgb> colors;
        radii.reserve(circles.list.size());
        colors.reserve(circles.list.size());
        for (const ColorGradient::Circle &c : circles.list) {
            radii.push_back(double(c.radius) / tpp);
            colors.push_back(opaque(c.color));
        }
        paintRings(image, surface.toPixelX(circles.cx), surface.toPixelY(circles.cy), radii, colors);
    }
    surface.setFillColor(circles.list.back().color);
    surface.setRedraw(true);
    surface.refresh();
}

} // namespace GradientSurfacePaint
