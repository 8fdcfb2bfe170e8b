#pragma once

#include <QColor>
#include <QPolygon>
#include <QRect>
#include <QRegion>
#include <QStringList>

#include <optional>

class QFont;
class QPainter;
class QPalette;

// What a tooltip window shows.
struct TipContent {
    bool balloon = false; // a rounded balloon with a stem, or a plain box
    int icon = 0;         // beside the title: 1 information, 2 warning, 3 error
    QString title;        // the bold first line; empty: none
    QStringList lines;    // the text, one entry per line
    std::optional<QColor> text; // unset: the system's tooltip colours
    std::optional<QColor> back;

    bool isEmpty() const { return title.isEmpty() && (lines.isEmpty() || lines.join(QString()).isEmpty()); }
};

// Layout, placement and painting of a tooltip window, in pixels.
namespace TipLook {

// A tip text's lines: a carriage return, a line feed or both end a line.
QStringList lines(const QString &tipText);

struct Geometry {
    QSize size;   // the whole window, stem included
    QRect body;   // the box or the balloon without its stem
    QRect icon;   // empty without an icon
    QRect title;  // empty without a title
    QRect text;   // the lines
    int lineHeight = 0;
    QPolygon stem; // balloons only: base on the body, tip on the window edge
};

// Lays out `content` in `font`. `below`: the tip hangs below what it points
// at (the stem on top); `stemX`: where the stem's tip is, from the left.
Geometry measure(const TipContent &content, const QFont &font, bool below, int stemX);

struct Placement {
    QPoint topLeft;
    bool below = true;
    int stemX = 0; // from the window's left
};

// Places a window of `size` for the area `anchor` (screen pixels): below it,
// or above when there is no room below; centred on it or, with a balloon,
// its stem at `pointerX` when that lies over the area (else near the area's
// left); always within `screen`.
Placement place(QSize size, const QRect &anchor, std::optional<int> pointerX, const QRect &screen, bool centered,
                bool balloon);

// The window's outline (balloons: body and stem).
QRegion shape(const Geometry &g, const TipContent &content);

// Paints the tip. Colours unset in `content` come from the palette's
// tooltip roles.
void paint(QPainter &p, const Geometry &g, const TipContent &content, const QFont &font, const QPalette &palette);

} // namespace TipLook
