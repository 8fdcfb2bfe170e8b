#include "XpFace.h"

#include <QPainter>

#include <algorithm>
#include <cstdlib>

namespace XpFace {

namespace {

QColor q(OleColor c) { return QColor(Colors::red(c), Colors::green(c), Colors::blue(c)); }

// Shades a packed RGB colour by `d`: red and green move by d, blue by
// b x d / 192 (truncated toward zero), each kept within 0..255.
OleColor shade(OleColor rgb, int d)
{
    const int r = std::clamp(Colors::red(rgb) + d, 0, 255);
    const int g = std::clamp(Colors::green(rgb) + d, 0, 255);
    const int b = std::clamp(Colors::blue(rgb) + Colors::blue(rgb) * d / 192, 0, 255);
    return Colors::rgb(r, g, b);
}

// num / den rounded to the nearest integer, halves to even.
int roundHalfEven(int num, int den)
{
    if (den < 0) {
        num = -num;
        den = -den;
    }
    int quotient = num / den; // toward zero
    const int twiceRest = 2 * std::abs(num % den);
    const int sign = num < 0 ? -1 : 1;
    if (twiceRest > den || (twiceRest == den && quotient % 2 != 0))
        quotient += sign;
    return quotient;
}

// One-pixel lines and frames as the face rules give them: a line leaves
// out its second point, a frame its right and bottom edges.
void fill(QPainter &p, int x1, int y1, int x2, int y2, OleColor c)
{
    if (x2 > x1 && y2 > y1)
        p.fillRect(QRect(x1, y1, x2 - x1, y2 - y1), q(c));
}

void pixel(QPainter &p, int x, int y, OleColor c)
{
    fill(p, x, y, x + 1, y + 1, c);
}

void line(QPainter &p, int x1, int y1, int x2, int y2, OleColor c)
{
    // Only straight lines are used; the second point is left out.
    if (y1 == y2) {
        if (x2 > x1)
            fill(p, x1, y1, x2, y1 + 1, c);
        else if (x2 < x1)
            fill(p, x2 + 1, y1, x1 + 1, y1 + 1, c);
    } else if (x1 == x2) {
        if (y2 > y1)
            fill(p, x1, y1, x1 + 1, y2, c);
        else
            fill(p, x1, y2 + 1, x1 + 1, y1 + 1, c);
    }
}

void frame(QPainter &p, int x1, int y1, int x2, int y2, OleColor c)
{
    if (x2 <= x1 || y2 <= y1)
        return;
    fill(p, x1, y1, x2, y1 + 1, c);
    fill(p, x1, y2 - 1, x2, y2, c);
    fill(p, x1, y1, x1 + 1, y2, c);
    fill(p, x2 - 1, y1, x2, y2, c);
}


// The rounded XP face.
void paintStyle3(QPainter &p, int W, int H, const State &s, const Colours &c)
{
    if (!s.enabled) {
        const OleColor B = shade(c.back, 48);
        fill(p, 0, 0, W, H, shade(B, -24));
        frame(p, 0, 0, W, H, shade(B, -84));
        for (const QPoint &pt : {QPoint(1, 1), QPoint(1, H - 2), QPoint(W - 2, 1), QPoint(W - 2, H - 2)})
            pixel(p, pt.x(), pt.y(), shade(B, -72));
        return;
    }
    auto corners = [&](OleColor colour) {
        frame(p, 0, 0, W, H, colour);
        for (const QPoint &pt : {QPoint(1, 1), QPoint(1, H - 2), QPoint(W - 2, 1), QPoint(W - 2, H - 2)})
            pixel(p, pt.x(), pt.y(), colour);
    };
    if (s.pressed) {
        const OleColor P = shade(shade(c.back, 48), -32);
        for (int i = 1; i <= H; ++i)
            line(p, 0, H - i, W, H - i, shade(P, roundHalfEven(-i * 15, H)));
        corners(c.dark);
        line(p, 2, H - 2, W - 2, H - 2, shade(P, 16));
        line(p, 1, H - 3, W - 2, H - 3, shade(P, 10));
        line(p, W - 2, 2, W - 2, H - 2, shade(P, 5));
        line(p, W - 3, 3, W - 3, H - 3, P);
        line(p, 2, 1, W - 2, 1, shade(P, -32));
        line(p, 1, 2, W - 2, 2, shade(P, -24));
        line(p, 1, 2, 1, H - 2, shade(P, -32));
        line(p, 2, 2, 2, H - 2, shade(P, -22));
        return;
    }
    const OleColor N = shade(c.back, 48);
    for (int i = 1; i <= H; ++i)
        line(p, 0, i, W, i, shade(N, roundHalfEven(-i * 25, H)));
    corners(c.dark);
    // A coloured frame (focus or hover) with its lighter and darker lines.
    auto marks = [&](OleColor F, int bottom, int top, int second, int sides) {
        frame(p, 1, 2, W - 1, H - 2, F);
        line(p, 2, H - 2, W - 2, H - 2, shade(F, bottom));
        line(p, 2, 1, W - 2, 1, shade(F, top));
        line(p, 1, 2, W - 1, 2, shade(F, second));
        line(p, 2, 3, 2, H - 3, shade(F, sides));
        line(p, W - 3, 3, W - 3, H - 3, shade(F, sides));
    };
    if (s.focused) {
        marks(c.focus, -33, 65, 50, 31);
    } else {
        line(p, 2, H - 2, W - 2, H - 2, shade(N, -48));
        line(p, 1, H - 3, W - 2, H - 3, shade(N, -32));
        line(p, W - 2, 2, W - 2, H - 2, shade(N, -36));
        line(p, W - 3, 3, W - 3, H - 3, shade(N, -24));
        line(p, 2, 1, W - 2, 1, shade(N, 16));
        line(p, 1, 2, W - 2, 2, shade(N, 10));
        line(p, 1, 2, 1, H - 2, shade(N, -5));
        line(p, 2, 3, 2, H - 3, shade(N, -10));
    }
    if (s.hovered)
        marks(c.hover, -40, 90, 35, 20);
}

// The classic raised or sunken edge: a one-pixel edge, or a bevel of
// `depth` pixels whose rings fade toward the inside.
void classicEdge(QPainter &p, int W, int H, const State &s, const Colours &c, bool sunken)
{
    const OleColor light = sunken ? c.shadow : c.highlight;
    const OleColor dark = sunken ? c.highlight : c.shadow;
    const int depth = s.bevel < 2 ? 1 : std::clamp(s.bevelDepth, 1, std::max(1, std::min(W, H) / 2 - 1));
    for (int k = 0; k < depth; ++k) {
        const int fade = depth > 1 ? k * 40 / depth : 0;
        line(p, k, k, W - 1 - k, k, shade(light, -fade));
        line(p, k, k, k, H - 1 - k, shade(light, -fade));
        line(p, k, H - 1 - k, W - k, H - 1 - k, shade(dark, fade));
        line(p, W - 1 - k, k, W - 1 - k, H - 1 - k, shade(dark, fade));
    }
    // A focused, idle button gets an extra dark border.
    if (s.focused && !s.pressed)
        frame(p, 0, 0, W, H, c.dark);
}

} // namespace

void paint(QPainter &p, QSize size, const State &s, const Colours &c)
{
    const int W = size.width();
    const int H = size.height();
    if (W <= 0 || H <= 0)
        return;
    switch (s.style) {
    case 3:
        fill(p, 0, 0, W, H, c.back);
        paintStyle3(p, W, H, s, c);
        break;
    case 0:
        classicEdge(p, W, H, s, c, s.enabled && s.pressed);
        break;
    case 1:
        // Nothing while idle: the edge only under the mouse or pressed.
        if (s.enabled && (s.pressed || s.hovered))
            classicEdge(p, W, H, s, c, s.pressed);
        break;
    case 2: {
        // Its own background: light at the top, the base colour at the bottom.
        const OleColor top = shade(c.back, 48);
        for (int y = 0; y < H; ++y)
            line(p, 0, y, W, y, shade(top, -48 * y / std::max(1, H - 1)));
        if (s.enabled && (s.hovered || s.borderAlways))
            frame(p, 0, 0, W, H, c.fore);
        break;
    }
    default:
        break;
    }
}

QRegion windowRegion(QSize size)
{
    const int W = size.width();
    const int H = size.height();
    QRegion r(0, 0, W, H);
    // (x1, y1)-(x2, y2), right and bottom edges exclusive.
    auto cut = [&](int x1, int y1, int x2, int y2) { r -= QRegion(x1, y1, x2 - x1, y2 - y1); };
    cut(0, 0, 2, 1);
    cut(0, H - 1, 2, H);
    cut(W - 2, 0, W, 1);
    cut(W - 2, H - 1, W, H);
    cut(0, 1, 1, 2);
    cut(0, H - 2, 1, H - 1);
    cut(W - 1, 1, W, 2);
    cut(W - 1, H - 2, W, H - 1);
    return r;
}

} // namespace XpFace
