#pragma once

#include <QImage>
#include <QWidget>

// A picture drawn over the whole of the control, scaled to its size. Only
// the part on screen is drawn, so a control far larger than its window
// costs no more than a small one.
class PicturePreview : public QWidget {
    Q_OBJECT
public:
    explicit PicturePreview(QWidget *parent = nullptr);

    const QImage &picture() const { return m_picture; }
    void setPicture(const QImage &picture);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_picture;
};
