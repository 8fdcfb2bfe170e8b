#include "CardLabel.h"

#include "platform/Units.h"

#include <QFontMetricsF>
#include <QImage>
#include <QRegularExpression>
#include <QStringList>

#include <algorithm>

namespace {

// A label measures its text as a 96-dpi screen shows it, whatever the
// screen the program runs on: one pixel is then 15 twips.
constexpr int MeasureDpi = 96;

const QImage &measureDevice()
{
    static const QImage device = [] {
        QImage image(1, 1, QImage::Format_ARGB32_Premultiplied);
        const int dotsPerMeter = qRound(MeasureDpi / 0.0254);
        image.setDotsPerMeterX(dotsPerMeter);
        image.setDotsPerMeterY(dotsPerMeter);
        return image;
    }();
    return device;
}

// Type sizes outside this range are kept in the model as given, but drawn
// and measured within it, so a corrupt size neither fails nor draws
// glyphs the size of a house.
constexpr double MinPoints = 1.0;
constexpr double MaxPoints = 1638.0;

} // namespace

CardLabel::CardLabel()
    : m_fontName(QStringLiteral("Arial"))
{
    fit();
}

void CardLabel::setCaption(const QString &text)
{
    m_caption = text;
    if (m_autoSize)
        fit();
}

void CardLabel::setFontName(const QString &name)
{
    m_fontName = name;
    if (m_autoSize)
        fit();
}

void CardLabel::setFontSize(float points)
{
    m_fontSize = points;
    if (m_autoSize)
        fit();
}

void CardLabel::setFontBold(bool on)
{
    m_bold = on;
    if (m_autoSize)
        fit();
}

void CardLabel::setFontItalic(bool on)
{
    m_italic = on;
    if (m_autoSize)
        fit();
}

void CardLabel::setFontUnderline(bool on)
{
    m_underline = on;
    if (m_autoSize)
        fit();
}

void CardLabel::setFontStrikethru(bool on)
{
    m_strike = on;
    if (m_autoSize)
        fit();
}

QFont CardLabel::font() const
{
    QFont f(m_fontName);
    double points = m_fontSize;
    if (!(points >= MinPoints)) // also catches NaN
        points = MinPoints;
    points = std::min(points, MaxPoints);
    f.setPointSizeF(points);
    f.setBold(m_bold);
    f.setItalic(m_italic);
    f.setUnderline(m_underline);
    f.setStrikeOut(m_strike);
    return f;
}

void CardLabel::setSize(float width, float height)
{
    m_width = width;
    m_height = height;
}

void CardLabel::setAutoSize(bool on)
{
    m_autoSize = on;
    if (on)
        fit();
}

QStringList CardLabel::lines(const QString &text)
{
    static const QRegularExpression breaks(QStringLiteral("\r\n|\r|\n"));
    return text.split(breaks);
}

QSizeF CardLabel::textSize(const QString &text, const QFont &font)
{
    const QFontMetricsF metrics(font, &measureDevice());
    const QStringList rows = lines(text);
    double widest = 0;
    for (const QString &row : rows)
        widest = std::max(widest, metrics.horizontalAdvance(row));
    const double height = metrics.lineSpacing() * rows.size();
    return QSizeF(Units::fromPixels(widest), Units::fromPixels(height));
}

double CardLabel::measureDpi()
{
    return MeasureDpi;
}

void CardLabel::copyLookFrom(const CardLabel &other)
{
    m_caption = other.m_caption;
    m_fontName = other.m_fontName;
    m_fontSize = other.m_fontSize;
    m_bold = other.m_bold;
    m_italic = other.m_italic;
    m_underline = other.m_underline;
    m_strike = other.m_strike;
    ForeColor = other.ForeColor;
    m_autoSize = other.m_autoSize;
    m_alignment = other.m_alignment;
    m_width = other.m_width;
    m_height = other.m_height;
}

void CardLabel::fit()
{
    const QSizeF size = textSize(m_caption, font());
    const float oldWidth = m_width;
    m_width = float(size.width());
    m_height = float(size.height());
    // A centred label keeps its centre, a right-aligned one its right edge.
    if (m_alignment == AlignCentre)
        Left += (oldWidth - m_width) / 2;
    else if (m_alignment == AlignRight)
        Left += oldWidth - m_width;
}
