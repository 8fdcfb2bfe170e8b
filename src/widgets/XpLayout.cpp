#include "XpLayout.h"

namespace XpLayout {

QRect contentArea(QSize button)
{
    return QRect(QPoint(4, 4), QPoint(button.width() - 4 - 1, button.height() - 4 - 1));
}

Placement place(QSize button, QSize picture, QSize caption, int position)
{
    const QRect area = contentArea(button);
    const int al = area.left();
    const int at = area.top();
    const int aw = area.width();
    const int ah = area.height();
    Placement out;
    const bool hasPicture = !picture.isEmpty();
    const bool hasCaption = !caption.isEmpty();
    if (!hasPicture) {
        out.caption = area;
        return out;
    }
    const int pw = picture.width();
    const int ph = picture.height();
    if (!hasCaption) {
        out.picture = QRect(al + (aw - pw) / 2, at + (ah - ph) / 2, pw, ph);
        return out;
    }
    const int tw = caption.width();
    const int th = caption.height();
    int pl = 0, pt = 0, cl = 0, ct = 0;
    switch (position) {
    case 0: // picture above
        pt = at + (ah - (ph + Gap + th)) / 2;
        ct = pt + ph + Gap;
        pl = al + (aw - pw) / 2;
        cl = al + (aw - tw) / 2;
        break;
    case 3: // picture below
        ct = at + (ah - (th + Gap + ph)) / 2;
        pt = ct + th + Gap;
        pl = al + (aw - pw) / 2;
        cl = al + (aw - tw) / 2;
        break;
    case 2: // picture right
        cl = al + (aw - (tw + Gap + pw)) / 2;
        pl = cl + tw + Gap;
        pt = at + (ah - ph) / 2;
        ct = at + (ah - th) / 2;
        break;
    default: // picture left
        pl = al + (aw - (pw + Gap + tw)) / 2;
        cl = pl + pw + Gap;
        pt = at + (ah - ph) / 2;
        ct = at + (ah - th) / 2;
        break;
    }
    out.picture = QRect(pl, pt, pw, ph);
    out.caption = QRect(cl, ct, tw, th);
    return out;
}

QChar accessKey(const QString &caption)
{
    if (caption.size() < 2)
        return {};
    qsizetype at = caption.indexOf(u'&');
    if (at < 0 || at == caption.size() - 1)
        return {};
    if (caption.at(at + 1) == u'&') {
        // An escaped ampersand: look once more, after the pair.
        at = caption.indexOf(u'&', at + 2);
        if (at < 0 || at == caption.size() - 1 || caption.at(at + 1) == u'&')
            return {};
    }
    return caption.at(at + 1).toLower();
}

std::optional<QSize> pictureSize(int pictureSize, bool hasPicture, QSize ownSize)
{
    switch (pictureSize) {
    case 0: return QSize(16, 16);
    case 1: return QSize(32, 32);
    case 2: return hasPicture ? ownSize : QSize(32, 32);
    default: return std::nullopt;
    }
}

} // namespace XpLayout
