// The card windows inside the frame's area and the Window menu's
// arrangements of them.
#include "CardWindows.h"

#include "cardwindow/frmProjet.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QStyle>

CardWindows::CardWindows(QMdiArea *area, QObject *parent)
    : QObject(parent), m_area(area)
{
    connect(m_area, &QMdiArea::subWindowActivated, this, &CardWindows::activated);
}

void CardWindows::detach()
{
    disconnect(m_area, nullptr, this, nullptr);
    m_area = nullptr;
}

// --- Card windows ----------------------------------------------------------

QList<QMdiSubWindow *> CardWindows::openSubWindows() const
{
    // A closed window stays in the area's list until it is deleted; it is
    // hidden from the moment it closed.
    QList<QMdiSubWindow *> open;
    if (!m_area)
        return open;
    for (QMdiSubWindow *window : m_area->subWindowList(QMdiArea::CreationOrder)) {
        if (!window->isHidden() && qobject_cast<frmProjet *>(window->widget()))
            open.append(window);
    }
    return open;
}

frmProjet *CardWindows::activeCard() const
{
    if (!m_area)
        return nullptr;
    QMdiSubWindow *window = m_area->currentSubWindow();
    if (!window || window->isHidden()) {
        // The area forgets its current window while the frame is inactive
        // (a message box is up); the most recently active open one is
        // still the active child.
        window = nullptr;
        const QList<QMdiSubWindow *> history = m_area->subWindowList(QMdiArea::ActivationHistoryOrder);
        for (auto it = history.crbegin(); it != history.crend(); ++it) {
            if (!(*it)->isHidden()) {
                window = *it;
                break;
            }
        }
    }
    return window ? qobject_cast<frmProjet *>(window->widget()) : nullptr;
}

QList<frmProjet *> CardWindows::cards() const
{
    QList<frmProjet *> list;
    for (QMdiSubWindow *window : openSubWindows())
        list.append(qobject_cast<frmProjet *>(window->widget()));
    return list;
}

QMdiSubWindow *CardWindows::subWindowOf(const frmProjet *card) const
{
    for (QMdiSubWindow *window : openSubWindows()) {
        if (window->widget() == card)
            return window;
    }
    return nullptr;
}

QMdiSubWindow *CardWindows::add(frmProjet *card)
{
    const frmProjet *previous = activeCard();
    const QMdiSubWindow *previousWindow = previous ? subWindowOf(previous) : nullptr;
    const bool maximised = previousWindow && previousWindow->isMaximized();

    const int alreadyOpen = int(openSubWindows().size());
    QMdiSubWindow *window = m_area->addSubWindow(card);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowIcon(m_area->window()->windowIcon());
    // A card window opens big enough to show an 8.4 x 5.4 cm card with its
    // rulers and scroll bars, and no bigger than the area.
    const QSize area = m_area->viewport()->size();
    QSize size = window->sizeHint().expandedTo(QSize(480, 340));
    if (area.width() > 100 && area.height() > 100)
        size = size.boundedTo(area);
    window->resize(size);
    // Each new window opens a title bar lower and to the right of the one
    // before, starting again at the corner after a few.
    const int step = m_area->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, window) + 4;
    const int offset = (alreadyOpen % 8) * step;
    window->move(offset, offset);
    if (maximised)
        window->showMaximized();
    else
        window->show();
    show(window);
    return window;
}

void CardWindows::show(QMdiSubWindow *window)
{
    if (!window || window->isHidden())
        return;
    m_area->setActiveSubWindow(window);
    // Activation normally follows the area's signal; an inactive frame
    // (hidden, or behind a dialog) does not send it.
    activated(window);
}

void CardWindows::activated(QMdiSubWindow *window)
{
    // Only a change of active card window runs the card's activation step,
    // not the frame regaining the focus.
    if (!window || window == m_lastActivated)
        return;
    m_lastActivated = window;
    if (auto *card = qobject_cast<frmProjet *>(window->widget()))
        emit cardActivated(card);
}

bool CardWindows::closeActive()
{
    frmProjet *card = activeCard();
    if (!card)
        return false;
    QMdiSubWindow *window = subWindowOf(card);
    if (!window)
        return false;
    // The window active before this one takes over, as on a desktop (the
    // area on its own would pick the next one in its creation order).
    QPointer<QMdiSubWindow> next;
    const QList<QMdiSubWindow *> history = m_area->subWindowList(QMdiArea::ActivationHistoryOrder);
    for (auto it = history.crbegin(); it != history.crend(); ++it) {
        if (*it != window && !(*it)->isHidden()) {
            next = *it;
            break;
        }
    }
    if (!window->close())
        return false;
    if (m_lastActivated == window)
        m_lastActivated = nullptr;
    if (next && !next->isHidden())
        show(next);
    return true;
}

bool CardWindows::closeAll()
{
    while (activeCard()) {
        if (!closeActive())
            return false;
    }
    return true;
}

namespace {

bool isMinimised(const QMdiSubWindow *window)
{
    return window->windowState() & Qt::WindowMinimized;
}

} // namespace

void CardWindows::cascade()
{
    for (QMdiSubWindow *window : openSubWindows()) {
        if (window->windowState() & Qt::WindowMaximized)
            window->showNormal();
    }
    m_area->cascadeSubWindows();
}

void CardWindows::tile(Qt::Orientation stacking)
{
    // The active window first, then the others from the most recently
    // active; minimised windows keep their place at the bottom.
    QList<QMdiSubWindow *> windows;
    bool anyMinimised = false;
    const QList<QMdiSubWindow *> history = m_area->subWindowList(QMdiArea::ActivationHistoryOrder);
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

    QRect area = m_area->viewport()->rect();
    if (anyMinimised)
        area.setBottom(area.bottom() - m_area->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, m_area) - 8);
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

void CardWindows::setAllStates(Qt::WindowState state)
{
    for (QMdiSubWindow *window : openSubWindows()) {
        switch (state) {
        case Qt::WindowMinimized: window->showMinimized(); break;
        case Qt::WindowMaximized: window->showMaximized(); break;
        default: window->showNormal(); break;
        }
    }
}

void CardWindows::arrangeIcons()
{
    // Minimised windows line up from the bottom left corner, row above row
    // when the area is too narrow.
    const QRect area = m_area->viewport()->rect();
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

void CardWindows::fillWindowList(QMenu *menu)
{
    menu->clear();
    const frmProjet *active = activeCard();
    int number = 0;
    for (QMdiSubWindow *window : openSubWindows()) {
        auto *card = qobject_cast<frmProjet *>(window->widget());
        if (!card)
            continue;
        ++number;
        QAction *entry = menu->addAction(QStringLiteral("&%1 %2").arg(number).arg(card->Caption()));
        entry->setCheckable(true);
        entry->setChecked(card == active);
        connect(entry, &QAction::triggered, this, [this, window] { show(window); });
    }
}
