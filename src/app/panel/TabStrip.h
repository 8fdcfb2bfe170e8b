#pragma once

#include <QStringList>
#include <QWidget>

class QPainter;

// The tool panel's tab strip: tabs laid out two to a row above a
// framed pane, so that four French tab captions fit a narrow panel (a
// QTabBar would need one long row). The row holding the selected tab is
// drawn next to the pane, as multi-row tab strips do. Pages are separate
// widgets placed over the pane by the owner.
class TabStrip : public QWidget {
    Q_OBJECT
public:
    explicit TabStrip(QWidget *parent = nullptr);

    int addTab(const QString &text);
    int count() const { return int(m_tabs.size()); }

    // 0-based; -1 when there are no tabs.
    int currentIndex() const { return m_current; }
    // Emits currentChanged when the selection changes.
    void setCurrentIndex(int index);

    void setRowHeight(int pixels);
    QRect tabRect(int index) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void currentChanged(int index);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    // Height of the tab rows; the pane starts there.
    int tabAreaHeight() const;
    int tabAt(const QPoint &pos) const;
    int rowCount() const;
    void drawCaption(QPainter &painter, const QRect &rect, const QString &text, bool selected) const;
    // Display row (0 = top) of a logical row.
    int displayRow(int logicalRow) const;

    QStringList m_tabs;
    int m_current = -1;
    int m_perRow = 2;
    int m_rowHeight = 19;
};
