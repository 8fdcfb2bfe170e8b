#pragma once

#include <QImage>
#include <QWidget>

// One page of the preview: the sheet's picture, shared with the other
// pages (a blank page shows white paper). A double click is reported.
class PageSurface : public QWidget {
    Q_OBJECT
public:
    explicit PageSurface(QWidget *parent = nullptr);

    const QImage &sheet() const { return m_sheet; }
    void setSheet(const QImage &sheet);

signals:
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    QImage m_sheet;
};
