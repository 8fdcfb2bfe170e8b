#pragma once

#include <QChar>
#include <QRect>
#include <QSize>
#include <QString>

#include <optional>

// Where the XP-style button puts its picture and caption, and the rules that
// follow from its caption and picture settings. Plain arithmetic in the
// button's pixels.
namespace XpLayout {

// Gap between the picture and the caption.
constexpr int Gap = 4;
// Left and right text margins inside the caption rectangle.
constexpr int TextMargin = 1;

// The area inside the face: (4, 4, W - 4, H - 4).
QRect contentArea(QSize button);

struct Placement {
    QRect picture; // empty without a picture
    QRect caption; // empty without a caption
};

// Places a picture of `picture` size (empty: none) and a caption measured
// at `caption` (empty: none) in the content area of a button of `button`
// size. `position`: 0 picture above the caption, 1 left of it (also any
// unknown value), 2 right of it, 3 below it. Halves are whole pixels,
// truncated toward zero.
Placement place(QSize button, QSize picture, QSize caption, int position);

// The access key of a caption, in lower case, or a null character. Two
// ampersands in a row stand for one and are skipped once.
QChar accessKey(const QString &caption);

// The size a picture is drawn at for a PictureSize value: 0 16 x 16, 1
// 32 x 32, 2 the picture's own size (32 x 32 without a picture); nothing
// for other values, which leave the size as it is.
std::optional<QSize> pictureSize(int pictureSize, bool hasPicture, QSize ownSize);

} // namespace XpLayout
