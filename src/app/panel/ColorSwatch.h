#pragma once

#include "platform/Colors.h"

#include <QFrame>

// A clickable colour square of the background page, showing its colour.
class ColorSwatch : public QFrame {
    Q_OBJECT
public:
    explicit ColorSwatch(QWidget *parent = nullptr);

    OleColor backColor() const { return m_color; }
    void setBackColor(OleColor color);

    QSize sizeHint() const override;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    OleColor m_color = Colors::White;
    bool m_pressed = false;
};
