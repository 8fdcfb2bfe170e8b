#pragma once

#include <QFrame>
#include <QPointer>

// A sunken box in the window background colour that keeps one child
// centred in it: left = inner width / 2 - child width / 2, top likewise (a
// child larger than the box overflows it on every side and is clipped).
// The child is centred again whenever the box is resized; call recentre()
// after the child changed size.
class CentredBox : public QFrame {
    Q_OBJECT
public:
    explicit CentredBox(QWidget *parent = nullptr);

    // Makes `child` the centred child (reparenting it to the box).
    void setChild(QWidget *child);
    void recentre();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    // Where an item of `item` size goes inside an area of `area` size.
    static QPoint centredPosition(const QSize &area, const QSize &item);

    QPointer<QWidget> m_child;
};
