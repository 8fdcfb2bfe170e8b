#include "PageSurface.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPaintEvent>

PageSurface::PageSurface(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PageSurface::setSheet(const QImage &sheet)
{
    m_sheet = sheet;
    update();
}

void PageSurface::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    if (!m_sheet.rect().contains(event->rect()))
        painter.fillRect(event->rect(), Qt::white);
    if (!m_sheet.isNull())
        painter.drawImage(event->rect().topLeft(), m_sheet, event->rect());
}

void PageSurface::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
    QWidget::mouseDoubleClickEvent(event);
}
