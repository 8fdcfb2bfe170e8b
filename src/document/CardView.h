#pragma once

#include "CardItemRef.h"

#include <QHash>
#include <QRect>
#include <QWidget>
#include <optional>

class frmProjet;

// The widget that shows a card window's card surface: the surface's
// persistent picture, then the visible items in stacking order, then the
// selection frame, all clipped to the card. It turns mouse events into the
// card window's item and surface handlers (twips, item coordinates).
class CardView : public QWidget {
    Q_OBJECT
public:
    explicit CardView(frmProjet *card, QWidget *parent = nullptr);

    // Repaints the old and the new area of one item.
    void updateItem(CardItemRef item);
    // Repaints the old and the new area of the selection frame.
    void updateFrame(const QRectF &oldTwips, bool oldVisible);
    // Repaints everything and forgets the areas remembered for items.
    void updateAll();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    // Current pixel area of an item (empty when it does not exist or is
    // hidden).
    QRect itemArea(CardItemRef item) const;
    static QRect frameArea(const QRectF &twips);
    static quint64 key(CardItemRef item);
    QPointF toTwips(const QMouseEvent *event) const;
    // The point in an item's own coordinates (twips).
    QPointF inItem(CardItemRef item, const QPointF &cardTwips) const;
    bool contains(CardItemRef item, const QPointF &cardTwips) const;
    void itemDown(CardItemRef item, Qt::MouseButton button, const QPointF &p);
    void itemMove(CardItemRef item, Qt::MouseButtons buttons, const QPointF &p);
    void itemUp(CardItemRef item, Qt::MouseButton button, const QPointF &p);

    frmProjet *m_card;
    // Where each item was last shown, to repaint it away when it moves.
    QHash<quint64, QRect> m_shown;
    // The item that took the mouse at the last press; it receives the moves
    // and releases until every button is up.
    std::optional<CardItemRef> m_captured;
    bool m_capturedSurface = false;
    bool m_clickPending = false;
};
