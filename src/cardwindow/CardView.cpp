#include "CardView.h"

#include "document/CardItemPainter.h"
#include "document/CardRenderer.h"
#include "document/CardData.h"
#include "platform/Surface.h"
#include "platform/Units.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPen>

#include <cmath>

CardView::CardView(const CardData *card, const Surface &surface, const SelectionFrame &frame,
                   const SnapGuides &guides, QWidget *parent)
    : QWidget(parent), m_card(card), m_surface(surface), m_frame(frame), m_guides(guides)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
}

quint64 CardView::key(CardItemRef item)
{
    return (quint64(item.kind) << 32) | quint32(item.index);
}

QRect CardView::itemArea(CardItemRef item) const
{
    if (item.kind == CardItemRef::LabelItem) {
        const CardLabel *label = m_card->Label(item.index);
        return label && label->Visible ? CardItemPainter::labelBounds(*label, m_tpp).toAlignedRect() : QRect();
    }
    if (item.kind == CardItemRef::CodeItem) {
        const CardCode *code = m_card->Code(item.index);
        return code && code->Visible ? CardItemPainter::codeBounds(*code, m_tpp).toAlignedRect() : QRect();
    }
    const CardLogo *logo = m_card->Logo(item.index);
    return logo && logo->Visible ? CardItemPainter::logoBounds(*logo, m_tpp).toAlignedRect() : QRect();
}

QRect CardView::frameArea(const QRectF &twips) const
{
    const QRectF px(twips.left() / m_tpp, twips.top() / m_tpp, twips.width() / m_tpp, twips.height() / m_tpp);
    return px.toAlignedRect().adjusted(-1, -1, 1, 1);
}

void CardView::updateItem(CardItemRef item)
{
    const quint64 k = key(item);
    const QRect now = itemArea(item);
    update(m_shown.value(k));
    update(now);
    m_shown.insert(k, now);
}

void CardView::updateFrame(const QRectF &oldTwips, bool oldVisible)
{
    if (oldVisible)
        update(frameArea(oldTwips));
    const SelectionFrame &bord = m_frame;
    if (bord.visible)
        update(frameArea(bord.rect));
}

void CardView::setCard(const CardData *card)
{
    m_card = card;
    updateAll();
}

void CardView::setTwipsPerPixel(double twipsPerPixel)
{
    m_tpp = twipsPerPixel;
    updateAll();
}

void CardView::updateGuides(const SnapGuides &old)
{
    for (const SnapGuides *g : {&old, &m_guides}) {
        if (g->x)
            update(QRect(int(std::floor(*g->x / m_tpp)) - 1, 0, 3, height()));
        if (g->y)
            update(QRect(0, int(std::floor(*g->y / m_tpp)) - 1, width(), 3));
    }
}

void CardView::updateAll()
{
    m_shown.clear();
    update();
}

void CardView::paintEvent(QPaintEvent *event)
{
    QPainter p(this);
    const QRect dirty = event->rect();
    const QImage &image = m_surface.image();

    // The surface's picture is the card's only background.
    const QRect fromImage = dirty.intersected(image.rect());
    if (!fromImage.isEmpty())
        p.drawImage(fromImage.topLeft(), image, fromImage);
    const QRegion uncovered = QRegion(dirty).subtracted(QRegion(image.rect()));
    for (const QRect &r : uncovered)
        p.fillRect(r, Colors::toQColor(m_surface.backColor(), palette()));

    p.setRenderHint(QPainter::TextAntialiasing);
    for (const CardItemRef &item : m_card->stackingOrder()) {
        const QRect area = itemArea(item);
        if (area.isEmpty())
            continue;
        // Remember everything the item was drawn over, so that the next
        // update clears it even if the item changed without one.
        const quint64 k = key(item);
        const QRect known = m_shown.value(k);
        if (known != area)
            m_shown.insert(k, known.isNull() ? area : known.united(area));
        if (!area.intersects(dirty))
            continue;
        CardRenderer::paintItem(p, *m_card, item, m_tpp, palette());
    }

    // Guides of a snapped drag, thin lines across the whole card.
    if (m_guides.x || m_guides.y) {
        p.setPen(QPen(QColor(220, 0, 160), 1, Qt::DashLine));
        if (m_guides.x)
            p.drawLine(QPointF(*m_guides.x / m_tpp, 0), QPointF(*m_guides.x / m_tpp, height()));
        if (m_guides.y)
            p.drawLine(QPointF(0, *m_guides.y / m_tpp), QPointF(width(), *m_guides.y / m_tpp));
    }

    const SelectionFrame &bord = m_frame;
    if (bord.visible) {
        const QRectF px(bord.rect.left() / m_tpp, bord.rect.top() / m_tpp,
                        bord.rect.width() / m_tpp, bord.rect.height() / m_tpp);
        QPen pen(Qt::black, 1, Qt::DotLine);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawRect(px.adjusted(0.5, 0.5, -0.5, -0.5));
    }
}

QPointF CardView::toTwips(const QMouseEvent *event) const
{
    return event->position() * m_tpp;
}

QPointF CardView::inItem(CardItemRef item, const QPointF &cardTwips) const
{
    const std::optional<QRectF> rect = m_card->itemRect(item);
    return rect ? cardTwips - rect->topLeft() : cardTwips;
}

bool CardView::contains(CardItemRef item, const QPointF &cardTwips) const
{
    const std::optional<QRectF> rect = m_card->itemRect(item);
    return rect && rect->contains(cardTwips);
}

void CardView::mousePressEvent(QMouseEvent *event)
{
    const QPointF p = toTwips(event);
    // A press with no other button held starts a new gesture, even when the
    // release of the last one never came here (a context menu took it).
    const bool first = (event->buttons() & ~event->button()) == Qt::NoButton;
    if (first) {
        m_captured = m_card->itemAt(p);
        m_capturedSurface = !m_captured;
        m_clickPending = m_captured && event->button() == Qt::LeftButton;
    } else {
        // A second button while one is held belongs to the same target and
        // makes the gesture no click.
        m_clickPending = false;
    }
    if (m_captured)
        emit itemPressed(*m_captured, event->button(), inItem(*m_captured, p));
    else
        emit surfacePressed(event->button(), p);
    event->accept();
}

void CardView::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The second press of a double-click: the item (or the surface) gets a
    // double-click instead of a button down, and its release is no click.
    const QPointF p = toTwips(event);
    if ((event->buttons() & ~event->button()) == Qt::NoButton) {
        m_captured = m_card->itemAt(p);
        m_capturedSurface = !m_captured;
    }
    m_clickPending = false;
    if (m_captured && event->button() == Qt::LeftButton) {
        emit itemDoubleClicked(*m_captured);
    } else if (m_captured) {
        emit itemPressed(*m_captured, event->button(), inItem(*m_captured, p));
    } else {
        emit surfacePressed(event->button(), p);
    }
    event->accept();
}

void CardView::mouseMoveEvent(QMouseEvent *event)
{
    const QPointF p = toTwips(event);
    if (event->buttons() == Qt::NoButton) {
        // Every button is up: no gesture runs, even if its release went
        // elsewhere.
        const bool ended = m_captured || m_capturedSurface;
        m_captured.reset();
        m_capturedSurface = false;
        m_clickPending = false;
        if (ended)
            emit gestureEnded();
    }
    emit hovered(m_card->itemAt(p));
    if (m_captured) {
        emit itemMoved(*m_captured, event->buttons(), event->modifiers(), inItem(*m_captured, p));
    } else if (m_capturedSurface) {
        emit surfaceMoved(event->buttons(), p);
    } else if (const std::optional<CardItemRef> item = m_card->itemAt(p)) {
        emit itemMoved(*item, event->buttons(), event->modifiers(), inItem(*item, p));
    } else {
        emit surfaceMoved(event->buttons(), p);
    }
    event->accept();
}

void CardView::wheelEvent(QWheelEvent *event)
{
    // Ctrl and the wheel zoom around the pointer; the wheel alone scrolls
    // the window.
    if (!(event->modifiers() & Qt::ControlModifier) || event->angleDelta().y() == 0) {
        event->ignore();
        return;
    }
    emit zoomAsked(event->angleDelta().y() > 0 ? 1 : -1, event->position().toPoint());
    event->accept();
}

void CardView::leaveEvent(QEvent *event)
{
    // The pointer left the card: an item's help balloon goes with it.
    emit hovered(std::nullopt);
    QWidget::leaveEvent(event);
}

void CardView::keyPressEvent(QKeyEvent *event)
{
    QPoint direction;
    switch (event->key()) {
    case Qt::Key_Left: direction = QPoint(-1, 0); break;
    case Qt::Key_Right: direction = QPoint(1, 0); break;
    case Qt::Key_Up: direction = QPoint(0, -1); break;
    case Qt::Key_Down: direction = QPoint(0, 1); break;
    default: QWidget::keyPressEvent(event); return;
    }
    emit nudged(direction, event->modifiers() & Qt::ShiftModifier);
    event->accept();
}

void CardView::mouseReleaseEvent(QMouseEvent *event)
{
    const QPointF p = toTwips(event);
    const std::optional<CardItemRef> item = m_captured;
    const bool allUp = event->buttons() == Qt::NoButton;
    const bool click = m_clickPending && allUp && event->button() == Qt::LeftButton;
    if (allUp) {
        m_captured.reset();
        m_capturedSurface = false;
        m_clickPending = false;
    }
    if (item) {
        // A press and release over the same item is a click on it (a drag
        // moves the item with the pointer, so it ends over it too).
        if (click && contains(*item, p)) {
            emit itemClicked(*item);
        }
    }
    if (allUp)
        emit gestureEnded();
    event->accept();
}
