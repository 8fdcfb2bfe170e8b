#include "ColorGradient.h"

#include "GradientLines.h"
#include "GradientSurfacePaint.h"
#include "platform/PaintTarget.h"
#include "platform/Prompts.h"
#include "platform/Surface.h"

#include <QString>

#include <cmath>
#include <cstdint>
#include <limits>

namespace {

// Nearest whole number, halves to the even neighbour (the default rounding
// mode of the floating-point unit).
double roundEven(double v)
{
    return std::nearbyint(v);
}

// Sides beyond this many pixels are taken as an error rather than painted
// line by line for hours.
constexpr long long MaxPixels = 1 << 20;

struct Triple {
    int red, green, blue;
};

// The three bytes of a packed colour (values above 16777215 keep their low
// 24 bits).
Triple split(OleColor c)
{
    const auto u = static_cast<std::uint32_t>(c) & 0xFFFFFFu;
    return {int(u & 0xFFu), int((u >> 8) & 0xFFu), int((u >> 16) & 0xFFu)};
}

int blendComponent(int a, int b, double p)
{
    // a + (p / 100) x (b - a); for a > b this is exactly a - (p / 100) x (a - b).
    return int(roundEven(double(a) + (p / 100.0) * double(b - a)));
}

} // namespace

ColorGradient::ColorGradient()
{
    m_stops[0] = {Colors::Black, true};
    m_stops[10] = {Colors::White, true};
    refill();
}

void ColorGradient::SetColor(int index, OleColor color)
{
    if (index < 0 || index >= StopCount)
        return;
    if (color < 0) {
        UnSetColor(index);
        return;
    }
    m_stops[index] = {color, true};
    refill();
}

void ColorGradient::SetColorRGB(int index, int red, int green, int blue)
{
    const long long packed = red + 256LL * green + 65536LL * blue;
    if (packed < std::numeric_limits<OleColor>::min() || packed > std::numeric_limits<OleColor>::max())
        return;
    SetColor(index, OleColor(packed));
}

void ColorGradient::UnSetColor(int index)
{
    if (index < 1 || index > 9)
        return;
    m_stops[index].set = false;
    refill();
}

OleColor ColorGradient::GetColor(int index) const
{
    if (index < 0 || index >= StopCount)
        return 0;
    return m_stops[index].color;
}

bool ColorGradient::IsSet(int index) const
{
    return index >= 0 && index < StopCount && m_stops[index].set;
}

OleColor ColorGradient::blend(OleColor a, OleColor b, double p)
{
    if (!(p >= 0.0)) // below 0, or not a number
        p = 0.0;
    if (p > 100.0)
        p = 100.0;
    const Triple ta = split(a);
    const Triple tb = split(b);
    return Colors::rgb(blendComponent(ta.red, tb.red, p), blendComponent(ta.green, tb.green, p),
                       blendComponent(ta.blue, tb.blue, p));
}

void ColorGradient::refill()
{
    m_stops[0].set = true;
    m_stops[10].set = true;
    int a = 0;
    for (int b = 1; b < StopCount; ++b) {
        if (!m_stops[b].set)
            continue;
        const int span = b - a;
        for (int k = a + 1; k < b; ++k) {
            const double p = 100.0 - (100.0 / (10.0 * span)) * double(b - k) * 10.0;
            m_stops[k].color = blend(m_stops[a].color, m_stops[b].color, roundEven(p));
        }
        a = b;
    }
}

OleColor ColorGradient::colorAt(float q) const
{
    if (!(q >= 0.0f)) // below 0, or not a number
        q = 0.0f;
    if (q > 100.0f)
        q = 100.0f;
    int i = 10;
    for (int k = 0; k <= 9; ++k) {
        if (q < 10.0f * float(k)) {
            i = k;
            break;
        }
    }
    const int lo = i - 1;
    const float t = (q - float(10 * lo)) * 10.0f;
    return blend(m_stops[lo].color, m_stops[i].color, roundEven(t));
}

float ColorGradient::linePercent(long long i, long long n, bool reversed)
{
    const float q = float(double(i) / double(n) * 100.0);
    return reversed ? 100.0f - q : q;
}

bool ColorGradient::geometryOf(const PaintTarget &target, Geometry &g)
{
    const double width = target.width();
    const double height = target.height();
    g.tx = target.twipsPerPixelX();
    g.ty = target.twipsPerPixelY();
    if (!std::isfinite(width) || !std::isfinite(height) || !std::isfinite(g.tx) || !std::isfinite(g.ty)
        || !(g.tx > 0.0) || !(g.ty > 0.0))
        return false;
    const double pw = roundEven(width / g.tx);
    const double ph = roundEven(height / g.ty);
    if (!(pw >= 1.0 && ph >= 1.0 && pw <= double(MaxPixels) && ph <= double(MaxPixels)))
        return false;
    g.W = roundEven(width);
    g.H = roundEven(height);
    g.PW = static_cast<long long>(pw);
    g.PH = static_cast<long long>(ph);
    g.half = static_cast<long long>(roundEven(double(g.PH) / 2.0));
    return true;
}

void ColorGradient::circlesOf(const Geometry &g, Circles &out) const
{
    out.list.clear();
    out.cx = roundEven(g.W / 2.0);
    out.cy = roundEven(g.H / 2.0);
    const double r = roundEven(std::sqrt(out.cx * out.cx + out.cy * out.cy));
    // A half-diagonal of 0 would make the step 0: nothing to paint.
    if (!(r > 0.0))
        return;
    const float step = float(-r / 200.0);
    for (float s = float(r); s >= 0.0f; s += step) {
        const float q = float(double(s) / r * 100.0);
        out.list.push_back({s, colorAt(q)});
    }
}

void ColorGradient::PaintObject(PaintTarget &target, int kind)
{
    if (kind < 0 || kind >= KindCount) {
        if (m_prompts)
            m_prompts->msgBox(QStringLiteral("Nope"), Msg::OkOnly);
        return;
    }
    Geometry g;
    if (!geometryOf(target, g))
        return;
    // A Surface gets the same picture written straight into its pixels.
    auto *surface = dynamic_cast<Surface *>(&target);
    if (kind == 8) {
        if (surface)
            GradientSurfacePaint::circles(*surface, *this, g);
        else
            paintCircles(target, g);
    } else {
        if (!surface || !GradientSurfacePaint::lines(*surface, *this, kind, g))
            paintLines(target, kind, g);
    }
}

void ColorGradient::paintLines(PaintTarget &target, int kind, const Geometry &g) const
{
    const GradientLines lines = GradientLines::of(kind, g);
    const long long count = lines.count();
    for (long long n = 0; n < count; ++n) {
        const long long i = lines.at(n);
        const GradientLines::Ends e = lines.ends(i, g);
        target.line(e.x1, e.y1, e.x2, e.y2, colorAt(lines.percent(i)));
    }
}

void ColorGradient::paintCircles(PaintTarget &target, const Geometry &g) const
{
    Circles circles;
    circlesOf(g, circles);
    if (circles.list.empty())
        return;
    target.setFillStyle(PaintTarget::Solid);
    target.setRedraw(false);
    for (const Circle &c : circles.list) {
        target.setFillColor(c.color);
        target.circle(circles.cx, circles.cy, c.radius, target.fillColor());
        target.refresh();
    }
    target.setRedraw(true);
    target.refresh();
}
