#include "TabStrip.h"

#include <QKeyEvent>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionTab>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>

TabStrip::TabStrip(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::TabFocus);
}

int TabStrip::addTab(const QString &text)
{
    m_tabs.append(text);
    if (m_current < 0)
        m_current = 0;
    updateGeometry();
    update();
    return count() - 1;
}

void TabStrip::setCurrentIndex(int index)
{
    if (index < 0 || index >= count() || index == m_current)
        return;
    m_current = index;
    update();
    emit currentChanged(index);
}

void TabStrip::setRowHeight(int pixels)
{
    m_rowHeight = qMax(1, pixels);
    updateGeometry();
    update();
}

int TabStrip::rowCount() const
{
    return (count() + m_perRow - 1) / m_perRow;
}

int TabStrip::displayRow(int logicalRow) const
{
    // The selected tab's row moves to the bottom, next to the pane; the
    // rows below it move up by one.
    const int rows = rowCount();
    const int selectedRow = m_current < 0 ? rows - 1 : m_current / m_perRow;
    if (logicalRow == selectedRow)
        return rows - 1;
    return logicalRow > selectedRow ? logicalRow - 1 : logicalRow;
}

int TabStrip::tabAreaHeight() const
{
    return rowCount() * m_rowHeight;
}

QRect TabStrip::tabRect(int index) const
{
    if (index < 0 || index >= count())
        return {};
    const int row = index / m_perRow;
    const int column = index % m_perRow;
    const int inRow = qMin(m_perRow, count() - row * m_perRow);
    const int left = width() * column / inRow;
    const int right = width() * (column + 1) / inRow;
    return QRect(left, displayRow(row) * m_rowHeight, right - left, m_rowHeight);
}

int TabStrip::tabAt(const QPoint &pos) const
{
    for (int i = 0; i < count(); ++i) {
        if (tabRect(i).contains(pos))
            return i;
    }
    return -1;
}

QSize TabStrip::sizeHint() const
{
    return QSize(200, tabAreaHeight() + 100);
}

QSize TabStrip::minimumSizeHint() const
{
    return QSize(0, 0);
}

void TabStrip::paintEvent(QPaintEvent *)
{
    QPainter painter(this);

    QStyleOptionTabWidgetFrame pane;
    pane.initFrom(this);
    pane.rect = QRect(0, tabAreaHeight() - 1, width(), height() - tabAreaHeight() + 1);
    pane.shape = QTabBar::RoundedNorth;
    pane.tabBarSize = QSize(width(), tabAreaHeight());
    style()->drawPrimitive(QStyle::PE_FrameTabWidget, &pane, &painter, this);

    // Unselected tabs first, then the selected one over its neighbours.
    for (int pass = 0; pass < 2; ++pass) {
        for (int i = 0; i < count(); ++i) {
            const bool selected = i == m_current;
            if (selected != (pass == 1))
                continue;
            QStyleOptionTab tab;
            tab.initFrom(this);
            tab.rect = tabRect(i);
            tab.text = m_tabs.at(i);
            tab.shape = QTabBar::RoundedNorth;
            const int column = i % m_perRow;
            const int inRow = qMin(m_perRow, count() - (i / m_perRow) * m_perRow);
            if (inRow == 1)
                tab.position = QStyleOptionTab::OnlyOneTab;
            else if (column == 0)
                tab.position = QStyleOptionTab::Beginning;
            else if (column == inRow - 1)
                tab.position = QStyleOptionTab::End;
            else
                tab.position = QStyleOptionTab::Middle;
            tab.state &= ~(QStyle::State_Selected | QStyle::State_HasFocus | QStyle::State_MouseOver);
            if (selected) {
                tab.state |= QStyle::State_Selected;
                if (hasFocus())
                    tab.state |= QStyle::State_HasFocus;
            }
            style()->drawControl(QStyle::CE_TabBarTabShape, &tab, &painter, this);
            drawCaption(painter, tab.rect, m_tabs.at(i), selected);
        }
    }
}

void TabStrip::drawCaption(QPainter &painter, const QRect &rect, const QString &text, bool selected) const
{
    // The style's own label leaves wide margins and elides; the captions
    // are drawn whole, in a smaller size if the tab is too narrow.
    QFont font = this->font();
    const QRect room = rect.adjusted(3, selected ? 0 : 1, -3, 0);
    for (int step = 0; step < 4 && QFontMetrics(font).horizontalAdvance(text) > room.width(); ++step)
        font.setPointSizeF(font.pointSizeF() * 0.9);
    painter.save();
    painter.setFont(font);
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(room, Qt::AlignCenter | Qt::TextSingleLine, text);
    painter.restore();
}

void TabStrip::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    const int index = tabAt(event->position().toPoint());
    if (index >= 0)
        setCurrentIndex(index);
}

void TabStrip::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Left:
        setCurrentIndex(m_current - 1);
        break;
    case Qt::Key_Right:
        setCurrentIndex(m_current + 1);
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}
