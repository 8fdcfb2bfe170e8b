#pragma once

#include "platform/Colors.h"

#include <QIcon>
#include <QImage>
#include <QSize>

class QPixmap;

// A picture shown on an XP-style button: a bitmap, whose pixels of the
// button's mask colour are transparent, or an icon, which brings its own
// transparency. It renders itself at any drawn size and screen density.
class XpPicture {
public:
    XpPicture() = default;
    XpPicture(const QImage &bitmap);
    XpPicture(const QPixmap &bitmap);
    XpPicture(const QIcon &icon);

    bool isNull() const { return m_bitmap.isNull() && m_icon.isNull(); }
    // Its own size in pixels (32 x 32 for an icon that names none).
    QSize size() const;

    // The picture drawn at `size` pixels for a device of `dpr` pixels per
    // pixel, transparent where a bitmap has `maskColor` (packed RGB).
    QImage render(QSize size, qreal dpr, OleColor maskColor) const;
    // The disabled look: the picture flattened onto white, then every pixel
    // that is not white drawn as an embossed mark, once one pixel right and
    // down in `light`, then in place in `dark`. One pixel larger than
    // `size` in both directions.
    QImage renderDisabled(QSize size, qreal dpr, OleColor maskColor, const QColor &light, const QColor &dark) const;
    // A flat copy in one colour: the shadow a lifted picture leaves.
    QImage silhouette(QSize size, qreal dpr, OleColor maskColor, const QColor &colour) const;

private:
    bool isIcon() const { return !m_icon.isNull(); }

    QImage m_bitmap;
    QIcon m_icon;
};
