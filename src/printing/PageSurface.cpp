#include "PageSurface.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPaintEvent>
#include <QPointer>

namespace {

// The pages that drew their own picture last, newest first: older ones give
// theirs back and draw it again when shown.
constexpr int KeptPictures = 6;
QList<QPointer<PageSurface>> &drawnLast()
{
    static QList<QPointer<PageSurface>> pages;
    return pages;
}

} // namespace

PageSurface::PageSurface(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

PageSurface::~PageSurface()
{
    drawnLast().removeAll(this);
}

void PageSurface::setSheet(const QImage &sheet)
{
    m_sheet = sheet;
    m_render = nullptr;
    update();
}

void PageSurface::setSheet(std::function<QImage()> render)
{
    m_sheet = QImage();
    m_render = std::move(render);
    update();
}

void PageSurface::paintEvent(QPaintEvent *event)
{
    if (m_sheet.isNull() && m_render) {
        m_sheet = m_render();
        QList<QPointer<PageSurface>> &pages = drawnLast();
        pages.removeAll(this);
        pages.prepend(this);
        while (pages.size() > KeptPictures) {
            if (PageSurface *old = pages.takeLast())
                old->m_sheet = QImage();
        }
    }
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
