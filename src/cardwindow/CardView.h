#pragma once

#include "document/CardItemRef.h"

#include <QHash>
#include <QRect>
#include <QWidget>
#include <optional>

class CardData;
class Surface;

// The selection frame drawn around an item (twips on the card).
struct SelectionFrame {
    QRectF rect;
    bool visible = false;
    std::optional<CardItemRef> item;
};

// The lines an item being dragged snapped to (twips on the card), drawn
// across the card as guides.
struct SnapGuides {
    std::optional<double> x;
    std::optional<double> y;
    bool operator==(const SnapGuides &) const = default;
};

// The widget that shows a card: the surface's persistent picture, then the
// document's visible items in stacking order, then the selection frame, all
// clipped to the card. It turns mouse events into gestures on the items and
// on the empty card (twips, in the item's own coordinates for an item).
class CardView : public QWidget {
    Q_OBJECT
public:
    CardView(const CardData *card, const Surface &surface, const SelectionFrame &frame, const SnapGuides &guides,
             QWidget *parent = nullptr);

    // The card shown: the document's own, or a copy filled from a list.
    void setCard(const CardData *card);

    // The scale the card is shown at: 15 twips per pixel at 100 %.
    double twipsPerPixel() const { return m_tpp; }
    void setTwipsPerPixel(double twipsPerPixel);

    // Repaints the old and the new area of one item.
    void updateItem(CardItemRef item);
    // Repaints the old and the new area of the selection frame.
    void updateFrame(const QRectF &oldTwips, bool oldVisible);
    // Repaints everything and forgets the areas remembered for items.
    void updateAll();
    // Repaints where guide lines were and are.
    void updateGuides(const SnapGuides &old);

signals:
    // While a button is held the item pressed receives the moves; a left
    // press and release that ends over the same item is also a click.
    void itemPressed(CardItemRef item, Qt::MouseButton button, const QPointF &local);
    void itemMoved(CardItemRef item, Qt::MouseButtons buttons, Qt::KeyboardModifiers keys, const QPointF &local);
    void itemClicked(CardItemRef item);
    void itemDoubleClicked(CardItemRef item);
    void surfacePressed(Qt::MouseButton button, const QPointF &twips);
    void surfaceMoved(Qt::MouseButtons buttons, const QPointF &twips);
    // The item under the pointer, or none (the empty card, or the pointer
    // left the card).
    void hovered(std::optional<CardItemRef> item);
    // Every button is up again.
    void gestureEnded();
    // An arrow key: one step in `direction` (a unit along one axis), a
    // tenth of one with Shift.
    void nudged(const QPoint &direction, bool fine);
    // Ctrl and the wheel: a step in (1) or out (-1) around a point of the
    // view (pixels).
    void zoomAsked(int steps, const QPoint &at);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    // Current pixel area of an item (empty when it does not exist or is
    // hidden).
    QRect itemArea(CardItemRef item) const;
    QRect frameArea(const QRectF &twips) const;
    static quint64 key(CardItemRef item);
    QPointF toTwips(const QMouseEvent *event) const;
    // The point in an item's own coordinates (twips).
    QPointF inItem(CardItemRef item, const QPointF &cardTwips) const;
    bool contains(CardItemRef item, const QPointF &cardTwips) const;

    const CardData *m_card;
    const Surface &m_surface;
    const SelectionFrame &m_frame;
    const SnapGuides &m_guides;
    double m_tpp = 15;
    // Where each item was last shown, to repaint it away when it moves.
    QHash<quint64, QRect> m_shown;
    // The item that took the mouse at the last press; it receives the moves
    // and releases until every button is up.
    std::optional<CardItemRef> m_captured;
    bool m_capturedSurface = false;
    bool m_clickPending = false;
};
