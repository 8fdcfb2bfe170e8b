// The Window menu's arrangements of the card windows inside the frame.
#include "frmMenu.h"

#include "document/frmProjet.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStyle>

namespace {

bool isMinimised(const QMdiSubWindow *window)
{
    return window->windowState() & Qt::WindowMinimized;
}

} // namespace

void frmMenu::cascadeWindows()
{
    for (QMdiSubWindow *window : openSubWindows()) {
        if (window->windowState() & Qt::WindowMaximized)
            window->showNormal();
    }
    m_mdi->cascadeSubWindows();
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
