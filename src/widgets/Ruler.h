#pragma once

#include "platform/Colors.h"
#include "platform/Surface.h"

#include <QPointF>
#include <QWidget>

class QMenu;

// A graduated scale along one edge of a window: ten ticks per unit and the
// number of whole units at every unit, on its own persistent picture in
// twips. Orientation 0 runs along the width with the ticks standing on the
// bottom edge; any other value runs along the height, ticks on the right.
// The unit is chosen from a right-click menu or through RulerMode. A
// position marker is drawn by inverting pixels, so marking the same place
// twice leaves the scale as it was.
//
// Properties are not kept between runs: every ruler starts with the
// defaults below.
class Ruler : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int RulerMode READ RulerMode WRITE setRulerMode NOTIFY rulerModeChanged)
    Q_PROPERTY(int Orientation READ Orientation WRITE setOrientation NOTIFY orientationChanged)
    Q_PROPERTY(int BackColor READ BackColor WRITE setBackColor NOTIFY backColorChanged)
    Q_PROPERTY(int ForeColor READ ForeColor WRITE setForeColor NOTIFY foreColorChanged)
    Q_PROPERTY(bool movable READ isMovable WRITE setMovable)
public:
    explicit Ruler(QWidget *parent = nullptr);

    // 0 "Centimeter", 1 "Inch", 2 "Pixel * 100", 3 "Twip * 1000" (see
    // RulerScale). Setting it redraws the scale; other values are ignored.
    int RulerMode() const { return m_mode; }
    void setRulerMode(int mode);

    // 0 horizontal, anything else vertical. Setting it redraws the scale.
    int Orientation() const { return m_orientation; }
    void setOrientation(int orientation);

    // Background and drawing colours (system colours allowed). Setting one
    // redraws the scale in it.
    OleColor BackColor() const { return m_backColor; }
    void setBackColor(OleColor color);
    OleColor ForeColor() const { return m_foreColor; }
    void setForeColor(OleColor color);

    // The scale of what the ruler measures, shown `factor` times its size
    // (a zoomed card): the units are that much longer on screen. 1 at first.
    void setScale(double factor);

    // Clears the picture, forgets the marker and draws the scale for the
    // current size, unit and colours, numbers in the widget's font.
    void Tracer_Graduations();

    // Moves the marker, a line across the ruler at `position` twips along
    // it: the new line is inverted in, then the previous one inverted out,
    // which leaves the scale clean where it stood (and the marker in place
    // when the position did not change). 0 or less takes the marker away.
    // Resizing or redrawing the ruler forgets it.
    void Marquer_Position(double position);

    // While movable, dragging with the left button moves the ruler inside
    // its parent, keeping the point first pressed under the pointer.
    bool isMovable() const { return m_movable; }
    void setMovable(bool movable) { m_movable = movable; }

signals:
    void rulerModeChanged(int mode);
    void orientationChanged(int orientation);
    void backColorChanged(OleColor color);
    void foreColorChanged(OleColor color);
    // A mouse button went down over the ruler, at `position` in twips of
    // the ruler.
    void mousePressed(Qt::MouseButton button, const QPointF &position);
    // The pointer moved over the ruler (or dragged from it), at `position`
    // in twips of the ruler.
    void MouseMoved(Qt::MouseButtons buttons, const QPointF &position);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    // The tooltip background and the button text colours of the system.
    static constexpr OleColor DefaultBackColor = Colors::system(Colors::InfoBackground);
    static constexpr OleColor DefaultForeColor = Colors::system(Colors::ButtonText);

    bool horizontal() const { return m_orientation == 0; }
    bool pictureFits() const;
    void invertLine(double position);
    void showModeMenu(const QPoint &globalPos);

    int m_mode = 0;
    double m_scale = 1;
    double m_unit = 570.0;
    int m_orientation = 0;
    OleColor m_backColor = DefaultBackColor;
    OleColor m_foreColor = DefaultForeColor;
    double m_marker = 0;
    bool m_movable = false;
    QPointF m_grab;
    Surface m_picture;
    // The unit menu ("Kontext"), one checkable entry per mode, popped up
    // when the right button is released over the ruler.
    QMenu *m_menu = nullptr;
};
