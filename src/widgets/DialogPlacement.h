#pragma once

#include <QRect>
#include <QWidget>

// A dialog places itself over the main frame: left = frame left + frame
// width / 2 - own width / 2, top likewise with the heights.
inline void centreOverFrame(QWidget &dialog, const QWidget &frame)
{
    const QRect outer = frame.frameGeometry();
    dialog.move(outer.left() + outer.width() / 2 - dialog.width() / 2,
                outer.top() + outer.height() / 2 - dialog.height() / 2);
}
