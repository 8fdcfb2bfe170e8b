#include "TipLook.h"

#include <QApplication>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QStyle>

#include <algorithm>

namespace TipLook {

namespace {

constexpr int StemHeight = 12;
constexpr int StemWidth = 14;
// A balloon's stem stands this far from its left edge unless centred.
constexpr int StemOffset = 20;
constexpr int Radius = 6;
constexpr int IconSide = 16;

int margin(const TipContent &c) { return c.balloon ? 8 : 4; }

QFont titleFont(const QFont &font)
{
    QFont bold = font;
    bold.setBold(true);
    return bold;
}

QPainterPath outline(const Geometry &g, const TipContent &content)
{
    QPainterPath path;
    if (!content.balloon) {
        path.addRect(QRectF(g.body));
        return path;
    }
    path.addRoundedRect(QRectF(g.body), Radius, Radius);
    QPainterPath stem;
    stem.addPolygon(QPolygonF(g.stem));
    stem.closeSubpath();
    return path.united(stem);
}

} // namespace

QStringList lines(const QString &tipText)
{
    QString text = tipText;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text.split(u'\n');
}

Geometry measure(const TipContent &content, const QFont &font, bool below, int stemX)
{
    Geometry g;
    const int m = margin(content);
    const QFontMetrics fm(font);
    g.lineHeight = fm.height();
    int textWidth = 0;
    for (const QString &line : content.lines)
        textWidth = std::max(textWidth, fm.horizontalAdvance(line));
    const int textHeight = g.lineHeight * int(content.lines.size());

    int titleWidth = 0;
    int titleHeight = 0;
    const bool withIcon = !content.title.isEmpty() && content.icon >= 1 && content.icon <= 3;
    if (!content.title.isEmpty()) {
        const QFontMetrics bold(titleFont(font));
        titleWidth = bold.horizontalAdvance(content.title) + (withIcon ? IconSide + 6 : 0);
        titleHeight = std::max(bold.height(), withIcon ? IconSide : 0);
    }
    const int gap = titleHeight > 0 && textHeight > 0 ? (content.balloon ? 6 : 2) : 0;
    const QSize inner(std::max(titleWidth, textWidth), titleHeight + gap + textHeight);
    const QSize bodySize = inner + QSize(2 * m, 2 * m);
    const int stem = content.balloon ? StemHeight : 0;
    g.size = QSize(bodySize.width(), bodySize.height() + stem);
    g.body = QRect(QPoint(0, below ? stem : 0), bodySize);

    const QPoint origin = g.body.topLeft() + QPoint(m, m);
    if (!content.title.isEmpty()) {
        int x = origin.x();
        if (withIcon) {
            g.icon = QRect(x, origin.y() + (titleHeight - IconSide) / 2, IconSide, IconSide);
            x += IconSide + 6;
        }
        g.title = QRect(x, origin.y(), titleWidth - (x - origin.x()), titleHeight);
    }
    g.text = QRect(origin.x(), origin.y() + titleHeight + gap, textWidth, textHeight);

    if (content.balloon) {
        // The stem's base sits on the body clear of the rounded corners.
        const int w = g.size.width();
        const int tipX = std::clamp(stemX, 1, std::max(1, w - 2));
        const int baseLeft = std::clamp(tipX - StemWidth / 2, Radius, std::max(Radius, w - Radius - StemWidth));
        if (below) {
            const int y = g.body.top();
            g.stem = QPolygon({QPoint(baseLeft, y + 1), QPoint(tipX, 0), QPoint(baseLeft + StemWidth, y + 1)});
        } else {
            const int y = g.body.bottom();
            g.stem = QPolygon({QPoint(baseLeft, y), QPoint(tipX, g.size.height() - 1), QPoint(baseLeft + StemWidth, y)});
        }
    }
    return g;
}

Placement place(QSize size, const QRect &anchor, std::optional<int> pointerX, const QRect &screen, bool centered,
                bool balloon)
{
    Placement out;
    int pointX = anchor.left() + std::min(StemOffset, anchor.width() / 2);
    if (centered)
        pointX = anchor.center().x();
    else if (pointerX && *pointerX >= anchor.left() && *pointerX <= anchor.right())
        pointX = *pointerX;

    int top = anchor.bottom() + 1;
    if (top + size.height() - 1 > screen.bottom() && anchor.top() - size.height() >= screen.top()) {
        out.below = false;
        top = anchor.top() - size.height();
    }
    int left = centered ? pointX - size.width() / 2 : pointX - (balloon ? StemOffset : 0);
    left = std::clamp(left, screen.left(), std::max(screen.left(), screen.right() + 1 - size.width()));
    top = std::clamp(top, screen.top(), std::max(screen.top(), screen.bottom() + 1 - size.height()));
    out.topLeft = QPoint(left, top);
    out.stemX = pointX - left;
    return out;
}

QRegion shape(const Geometry &g, const TipContent &content)
{
    return QRegion(outline(g, content).toFillPolygon().toPolygon(), Qt::WindingFill);
}

void paint(QPainter &p, const Geometry &g, const TipContent &content, const QFont &font, const QPalette &palette)
{
    const QColor back = content.back.value_or(palette.color(QPalette::Active, QPalette::ToolTipBase));
    const QColor text = content.text.value_or(palette.color(QPalette::Active, QPalette::ToolTipText));
    // A one-pixel border exactly along the window's outline: the outline in
    // the text colour, the outline less one pixel on every side over it.
    const QRegion outer = shape(g, content);
    const QRegion inner = outer & outer.translated(1, 0) & outer.translated(-1, 0) & outer.translated(0, 1)
                          & outer.translated(0, -1);
    p.save();
    p.setClipRegion(outer);
    p.fillRect(outer.boundingRect(), text);
    p.setClipRegion(inner);
    p.fillRect(inner.boundingRect(), back);
    p.restore();

    p.save();
    if (!g.icon.isEmpty()) {
        const QStyle::StandardPixmap kind = content.icon == 2   ? QStyle::SP_MessageBoxWarning
                                            : content.icon == 3 ? QStyle::SP_MessageBoxCritical
                                                                : QStyle::SP_MessageBoxInformation;
        QApplication::style()->standardIcon(kind).paint(&p, g.icon);
    }
    p.setPen(text);
    if (!g.title.isEmpty()) {
        p.setFont(titleFont(font));
        p.drawText(g.title, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, content.title);
    }
    p.setFont(font);
    for (int i = 0; i < content.lines.size(); ++i) {
        const QRect line(g.text.left(), g.text.top() + i * g.lineHeight, g.text.width(), g.lineHeight);
        p.drawText(line, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, content.lines.at(i));
    }
    p.restore();
}

} // namespace TipLook
