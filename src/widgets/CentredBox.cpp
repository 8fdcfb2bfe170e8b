#include "CentredBox.h"

CentredBox::CentredBox(QWidget *parent) : QFrame(parent)
{
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setBackgroundRole(QPalette::Window);
    setAutoFillBackground(true);
}

void CentredBox::setChild(QWidget *child)
{
    m_child = child;
    if (child) {
        child->setParent(this);
        recentre();
    }
}

QPoint CentredBox::centredPosition(const QSize &area, const QSize &item)
{
    return QPoint(area.width() / 2 - item.width() / 2, area.height() / 2 - item.height() / 2);
}

void CentredBox::recentre()
{
    if (!m_child)
        return;
    const QRect inner = contentsRect();
    m_child->move(inner.topLeft() + centredPosition(inner.size(), m_child->size()));
}

void CentredBox::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    recentre();
}
