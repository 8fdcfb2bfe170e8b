#include "PicturePreview.h"

#include <QPaintEvent>
#include <QPainter>

PicturePreview::PicturePreview(QWidget *parent) : QWidget(parent) {}

void PicturePreview::setPicture(const QImage &picture)
{
    m_picture = picture;
    update();
}

void PicturePreview::paintEvent(QPaintEvent *event)
{
    if (m_picture.isNull() || width() <= 0 || height() <= 0)
        return;
    QPainter painter(this);
    painter.setClipRegion(event->region());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRectF(rect()), m_picture);
}
