#pragma once

#include "platform/Surface.h"

#include <QWidget>

// An etched horizontal separator: a line in the system's button-shadow
// colour with a white line one pixel below it. It is always 30 twips (two
// screen pixels) high, whatever a layout or a caller asks, and as wide as
// it is made; both lines follow its width.
class Line3D : public QWidget {
    Q_OBJECT
public:
    explicit Line3D(QWidget *parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    static constexpr double HeightTwips = 30.0;

    void draw();

    Surface m_picture;
};
