#pragma once

#include "platform/Colors.h"

#include <QImage>
#include <QWidget>
#include <optional>

// The colour field `Couleurs` as a control: the field drawn at the control's
// size in device pixels (sharp on a high-density screen), a cross cursor,
// and the colour of the pixel under the pointer reported as it moves, with
// the buttons held. A left click and a double click are reported too; the
// release that ends a double click is no click.
class ColorFieldView : public QWidget {
    Q_OBJECT
public:
    explicit ColorFieldView(QWidget *parent = nullptr);


    QSize sizeHint() const override;

signals:
    void pointed(OleColor color, Qt::MouseButtons buttons);
    void clicked();
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    // The picture shown, in device pixels.
    const QImage &picture();
    // The colour of the picture's pixel under a point of the control;
    // nothing outside it.
    std::optional<OleColor> colorUnder(const QPointF &pos);
    // The device pixel under a point of the control.
    static QPoint devicePixel(const QPointF &pos, qreal devicePixelRatio);
    void point(const QPointF &pos, Qt::MouseButtons buttons);

    QImage m_picture;
    bool m_afterDoubleClick = false;
};
