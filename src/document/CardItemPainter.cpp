#include "CardItemPainter.h"

#include "CodeSymbol.h"

#include "platform/Colors.h"
#include "platform/Units.h"
#include "platform/VectorPicture.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>

namespace CardItemPainter {

namespace {

// The label's font sized for the painter's device at `twipsPerPixel`.
QFont deviceFont(const QPainter &painter, const CardLabel &label, double twipsPerPixel)
{
    QFont f = label.font();
    const QPaintDevice *device = painter.device();
    const double dpi = device && device->logicalDpiY() > 0 ? device->logicalDpiY() : CardLabel::measureDpi();
    const double scale = Units::ScreenTwipsPerPixel / twipsPerPixel;
    f.setPointSizeF(f.pointSizeF() * CardLabel::measureDpi() / dpi * scale);
    return f;
}

} // namespace

void paintLabel(QPainter &painter, const CardLabel &label, double twipsPerPixel, const QPalette &palette)
{
    if (!(twipsPerPixel > 0))
        return;
    const QFont f = deviceFont(painter, label, twipsPerPixel);
    const QFontMetricsF metrics(f, painter.device());
    painter.save();
    painter.setFont(f);
    painter.setPen(Colors::toQColor(label.ForeColor, palette));
    const double x = label.Left / twipsPerPixel;
    const double width = label.Width() / twipsPerPixel;
    double baseline = label.Top / twipsPerPixel + metrics.ascent();
    for (const QString &line : CardLabel::lines(label.Caption())) {
        // Lines of a centred or right-aligned label sit in its width.
        double left = x;
        if (label.alignment() != CardLabel::AlignLeft) {
            const double room = width - metrics.horizontalAdvance(line);
            left += label.alignment() == CardLabel::AlignCentre ? room / 2 : room;
        }
        painter.drawText(QPointF(left, baseline), line);
        baseline += metrics.lineSpacing();
    }
    painter.restore();
}

void paintLogo(QPainter &painter, const CardLogo &logo, double twipsPerPixel)
{
    if (logo.Picture().isNull() || !(twipsPerPixel > 0))
        return;
    const QRectF bounds = logoBounds(logo, twipsPerPixel);
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    // A picture with a vector form is drawn from it: shapes in a PDF,
    // pixels at the target's own resolution elsewhere.
    if (logo.Stretch()) {
        if (!VectorPicture::draw(painter, bounds, logo.Picture()))
            painter.drawImage(bounds, logo.Picture());
    } else {
        const QRectF natural(bounds.topLeft(),
                             QSizeF(Units::fromPixels(logo.Picture().width()) / twipsPerPixel,
                                    Units::fromPixels(logo.Picture().height()) / twipsPerPixel));
        painter.setClipRect(bounds, Qt::IntersectClip);
        if (!VectorPicture::draw(painter, natural, logo.Picture()))
            painter.drawImage(natural, logo.Picture());
    }
    painter.restore();
}

QRectF labelBounds(const CardLabel &label, double twipsPerPixel)
{
    const QRectF exact(label.Left / twipsPerPixel, label.Top / twipsPerPixel,
                       label.Width() / twipsPerPixel, label.Height() / twipsPerPixel);
    // An italic or heavy glyph may reach past its advance by a fraction of
    // the line height.
    const double margin = 2.0 + exact.height() / 4.0;
    return exact.adjusted(-margin, -2.0, margin, 2.0);
}

void paintCode(QPainter &painter, const CardCode &code, double twipsPerPixel)
{
    if (!(twipsPerPixel > 0))
        return;
    const QRectF bounds = codeBounds(code, twipsPerPixel);
    const CodeSymbol symbol = CodeSymbol::of(code);
    painter.save();
    // Modules are whole shapes side by side: smoothing their edges would
    // leave seams between them.
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (symbol.valid()) {
        symbol.paint(painter, bounds, code.ForeColor, code.BackColor);
    } else {
        painter.setPen(QPen(Colors::toQColor(code.ForeColor), 0));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(bounds.adjusted(0, 0, -1, -1));
    }
    painter.restore();
}

QRectF codeBounds(const CardCode &code, double twipsPerPixel)
{
    return QRectF(code.Left / twipsPerPixel, code.Top / twipsPerPixel, code.Width / twipsPerPixel,
                  code.Height / twipsPerPixel);
}

QRectF logoBounds(const CardLogo &logo, double twipsPerPixel)
{
    return QRectF(logo.Left / twipsPerPixel, logo.Top / twipsPerPixel,
                  logo.Width() / twipsPerPixel, logo.Height() / twipsPerPixel);
}

} // namespace CardItemPainter
