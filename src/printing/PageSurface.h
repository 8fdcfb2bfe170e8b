#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

// One page of the preview: the sheet's picture, shared with the other
// pages (a blank page shows white paper). A double click is reported.
class PageSurface : public QWidget {
    Q_OBJECT
public:
    explicit PageSurface(QWidget *parent = nullptr);
    ~PageSurface() override;

    void setSheet(const QImage &sheet);
    // A page of its own, drawn the first time it is shown; only the pages
    // shown last keep their picture, so a long job costs little memory.
    void setSheet(std::function<QImage()> render);

signals:
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    QImage m_sheet;
    std::function<QImage()> m_render;
};
