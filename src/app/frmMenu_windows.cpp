// The Window menu's arrangements of the card windows inside the frame.
#include "frmMenu.h"

#include "document/frmProjet.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStyle>

#include <algorithm>

namespace {

bool isMinimised(const QMdiSubWindow *window)
{
    return window->windowState() & Qt::WindowMinimized;
}

} // namespace

void frmMenu::cascadeWindows()
{
    // Each open window a title bar lower and to the right of the one
    // before, in the order they were opened, the active one last on top;
    // each keeps the size that shows its whole card, within what the area
    // leaves below its offset.
    QList<QMdiSubWindow *> windows;
    for (QMdiSubWindow *window : openSubWindows()) {
        if (!isMinimised(window))
            windows.append(window);
    }
    if (windows.isEmpty())
        return;
    const QRect area = m_mdi->viewport()->rect();
    const int step = m_mdi->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, m_mdi) + 4;
    QMdiSubWindow *active = m_mdi->activeSubWindow();
    for (int i = 0; i < int(windows.size()); ++i) {
        QMdiSubWindow *window = windows.at(i);
        if (window->windowState() & Qt::WindowMaximized)
            window->showNormal();
        const QPoint at(area.left() + i * step, area.top() + i * step);
        const QSize room(std::max(area.right() + 1 - at.x(), window->minimumSizeHint().width()),
                         std::max(area.bottom() + 1 - at.y(), window->minimumSizeHint().height()));
        window->setGeometry(QRect(at, window->sizeHint().boundedTo(room)));
        window->raise();
    }
    if (active && windows.contains(active))
        active->raise();
}

void frmMenu::tileWindows(Qt::Orientation stacking)
{
    // The active window first, then the others from the most recently
    // active; minimised windows keep their place at the bottom.
    QList<QMdiSubWindow *> windows;
    bool anyMinimised = false;
    const QList<QMdiSubWindow *> history = m_mdi->subWindowList(QMdiArea::ActivationHistoryOrder);
    for (auto it = history.crbegin(); it != history.crend(); ++it) {
        QMdiSubWindow *window = *it;
        if (window->isHidden() || !qobject_cast<frmProjet *>(window->widget()))
            continue;
        if (isMinimised(window))
            anyMinimised = true;
        else
            windows.append(window);
    }
    if (windows.isEmpty())
        return;

    QRect area = m_mdi->viewport()->rect();
    if (anyMinimised)
        area.setBottom(area.bottom() - m_mdi->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, m_mdi) - 8);
    const int count = int(windows.size());
    for (int i = 0; i < count; ++i) {
        QMdiSubWindow *window = windows.at(i);
        if (window->windowState() & Qt::WindowMaximized)
            window->showNormal();
        QRect cell;
        if (stacking == Qt::Vertical) {
            const int top = area.top() + area.height() * i / count;
            const int bottom = area.top() + area.height() * (i + 1) / count;
            cell = QRect(area.left(), top, area.width(), bottom - top);
        } else {
            const int left = area.left() + area.width() * i / count;
            const int right = area.left() + area.width() * (i + 1) / count;
            cell = QRect(left, area.top(), right - left, area.height());
        }
        window->setGeometry(cell);
    }
}

void frmMenu::setAllWindowsState(Qt::WindowState state)
{
    for (QMdiSubWindow *window : openSubWindows()) {
        switch (state) {
        case Qt::WindowMinimized: window->showMinimized(); break;
        case Qt::WindowMaximized: window->showMaximized(); break;
        default: window->showNormal(); break;
        }
    }
}

void frmMenu::arrangeIcons()
{
    // Minimised windows line up from the bottom left corner, row above row
    // when the area is too narrow.
    const QRect area = m_mdi->viewport()->rect();
    int x = area.left();
    int y = area.bottom() + 1;
    int rowHeight = 0;
    for (QMdiSubWindow *window : openSubWindows()) {
        if (!isMinimised(window))
            continue;
        const QSize size = window->size();
        if (x > area.left() && x + size.width() > area.right() + 1) {
            x = area.left();
            y -= rowHeight;
            rowHeight = 0;
        }
        rowHeight = qMax(rowHeight, size.height());
        window->move(x, y - size.height());
        x += size.width();
    }
}
