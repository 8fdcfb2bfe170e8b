#include "CardView.h"

#include "CardItemPainter.h"
#include "CardRenderer.h"
#include "frmProjet.h"
#include "platform/Units.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPen>

namespace {

constexpr double Tpp = Units::ScreenTwipsPerPixel;

} // namespace

CardView::CardView(frmProjet *card, QWidget *parent)
    : QWidget(parent), m_card(card)
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
        if (!label || !label->Visible)
            return {};
        return CardItemPainter::labelBounds(*label, Tpp).toAlignedRect();
    }
    const CardLogo *logo = m_card->Logo(item.index);
    if (!logo || !logo->Visible)
        return {};
    return CardItemPainter::logoBounds(*logo, Tpp).toAlignedRect();
}

QRect CardView::frameArea(const QRectF &twips)
{
    const QRectF px(twips.left() / Tpp, twips.top() / Tpp, twips.width() / Tpp, twips.height() / Tpp);
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
    const frmProjet::Frame &bord = m_card->bord();
    if (bord.visible)
        update(frameArea(bord.rect));
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
    const QImage &image = m_card->Picture1().image();

    // The surface's picture is the card's only background.
    const QRect fromImage = dirty.intersected(image.rect());
    if (!fromImage.isEmpty())
        p.drawImage(fromImage.topLeft(), image, fromImage);
    const QRegion uncovered = QRegion(dirty).subtracted(QRegion(image.rect()));
    for (const QRect &r : uncovered)
        p.fillRect(r, Colors::toQColor(m_card->Picture1().backColor(), palette()));

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
        CardRenderer::paintItem(p, m_card->doc(), item, Tpp, palette());
    }

    const frmProjet::Frame &bord = m_card->bord();
    if (bord.visible) {
        const QRectF px(bord.rect.left() / Tpp, bord.rect.top() / Tpp,
                        bord.rect.width() / Tpp, bord.rect.height() / Tpp);
        QPen pen(Qt::black, 1, Qt::DotLine);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawRect(px.adjusted(0.5, 0.5, -0.5, -0.5));
    }
}

QPointF CardView::toTwips(const QMouseEvent *event) const
{
    return event->position() * Tpp;
}

QPointF CardView::inItem(CardItemRef item, const QPointF &cardTwips) const
{
    if (item.kind == CardItemRef::LabelItem) {
        const CardLabel *label = m_card->Label(item.index);
        return label ? cardTwips - QPointF(label->Left, label->Top) : cardTwips;
    }
    const CardLogo *logo = m_card->Logo(item.index);
    return logo ? cardTwips - QPointF(logo->Left, logo->Top) : cardTwips;
}

bool CardView::contains(CardItemRef item, const QPointF &cardTwips) const
{
    const std::optional<QRectF> rect = m_card->doc().itemRect(item);
    return rect && rect->contains(cardTwips);
}

void CardView::itemDown(CardItemRef item, Qt::MouseButton button, const QPointF &p)
{
    const QPointF local = inItem(item, p);
    if (item.kind == CardItemRef::LabelItem)
        m_card->Label_MouseDown(item.index, button, local.x(), local.y());
    else
        m_card->Logo_MouseDown(item.index, button, local.x(), local.y());
}

void CardView::itemMove(CardItemRef item, Qt::MouseButtons buttons, const QPointF &p)
{
    const QPointF local = inItem(item, p);
    if (item.kind == CardItemRef::LabelItem)
        m_card->Label_MouseMove(item.index, buttons, local.x(), local.y());
    else
        m_card->Logo_MouseMove(item.index, buttons, local.x(), local.y());
}

void CardView::itemUp(CardItemRef item, Qt::MouseButton button, const QPointF &p)
{
    const QPointF local = inItem(item, p);
    if (item.kind == CardItemRef::LabelItem)
        m_card->Label_MouseUp(item.index, button, local.x(), local.y());
    else
        m_card->Logo_MouseUp(item.index, button, local.x(), local.y());
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
        itemDown(*m_captured, event->button(), p);
    else
        m_card->Picture1_MouseDown(event->button(), p.x(), p.y());
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
        if (m_captured->kind == CardItemRef::LabelItem)
            m_card->Label_DblClick(m_captured->index);
        else
            m_card->Logo_DblClick(m_captured->index);
    } else if (m_captured) {
        itemDown(*m_captured, event->button(), p);
    } else {
        m_card->Picture1_MouseDown(event->button(), p.x(), p.y());
    }
    event->accept();
}

void CardView::mouseMoveEvent(QMouseEvent *event)
{
    const QPointF p = toTwips(event);
    if (event->buttons() == Qt::NoButton) {
        // Every button is up: no gesture runs, even if its release went
        // elsewhere.
        m_captured.reset();
        m_capturedSurface = false;
        m_clickPending = false;
    }
    m_card->pointerOver(m_card->itemAt(p));
    if (m_captured) {
        itemMove(*m_captured, event->buttons(), p);
    } else if (m_capturedSurface) {
        m_card->Picture1_MouseMove(event->buttons(), p.x(), p.y());
    } else if (const std::optional<CardItemRef> item = m_card->itemAt(p)) {
        itemMove(*item, event->buttons(), p);
    } else {
        m_card->Picture1_MouseMove(event->buttons(), p.x(), p.y());
    }
    event->accept();
}

void CardView::leaveEvent(QEvent *event)
{
    // The pointer left the card: an item's help balloon goes with it.
    m_card->pointerOver(std::nullopt);
    QWidget::leaveEvent(event);
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
        itemUp(*item, event->button(), p);
        // A press and release over the same item is a click on it (a drag
        // moves the item with the pointer, so it ends over it too).
        if (click && contains(*item, p)) {
            if (item->kind == CardItemRef::LabelItem)
                m_card->Label_Click(item->index);
            else
                m_card->Logo_Click(item->index);
        }
    }
    event->accept();
}
