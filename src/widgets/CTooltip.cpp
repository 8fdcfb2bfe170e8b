#include "CTooltip.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWidget>

// The window of a tip: paints the content it is given, never takes the
// mouse or the focus.
class TipWindow : public QWidget {
public:
    explicit TipWindow(QWidget *tool)
        : QWidget(tool, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowTransparentForInput
                            | Qt::WindowDoesNotAcceptFocus)
    {
        setAttribute(Qt::WA_ShowWithoutActivating);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        setFont(QApplication::font("QTipLabel"));
    }

    void setLook(const TipContent &content, const TipLook::Geometry &geometry)
    {
        m_content = content;
        m_geometry = geometry;
        resize(geometry.size);
        if (content.balloon)
            setMask(TipLook::shape(geometry, content));
        else
            clearMask();
        update();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        TipLook::paint(p, m_geometry, m_content, font(), palette());
    }

private:
    TipContent m_content;
    TipLook::Geometry m_geometry;
};

CTooltip::CTooltip(QObject *parent)
    : QObject(parent)
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &CTooltip::onTimer);
}

CTooltip::~CTooltip()
{
    Destroy();
}

QColor CTooltip::packed(int rgb)
{
    return QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
}

// ---- Properties --------------------------------------------------------------

void CTooltip::setTipText(const QString &text)
{
    m_tipText = text;
    m_content.lines = TipLook::lines(text);
    relayout();
}

void CTooltip::setTitle(const QString &title)
{
    m_title = title;
    if (m_window && !m_title.isEmpty() && m_icon != 0) {
        m_content.title = m_title;
        m_content.icon = m_icon;
        relayout();
    }
}

void CTooltip::setIcon(int icon)
{
    m_icon = icon;
    if (m_window && !m_title.isEmpty() && m_icon != 0) {
        m_content.title = m_title;
        m_content.icon = m_icon;
        relayout();
    }
}

void CTooltip::setForeColor(int rgb)
{
    m_foreColor = rgb;
    if (m_window) {
        m_content.text = packed(rgb);
        relayout();
    }
}

void CTooltip::setBackColor(int rgb)
{
    m_backColor = rgb;
    if (m_window) {
        m_content.back = packed(rgb);
        relayout();
    }
}

// ---- Life --------------------------------------------------------------------

void CTooltip::Create(QWidget *tool, const QRect &area)
{
    Destroy();
    m_tool = tool;
    m_area = area;
    m_pointer.reset();
    if (!tool)
        return;

    m_content.balloon = m_style == 1;
    m_content.lines = TipLook::lines(m_tipText);
    m_content.title.clear();
    m_content.icon = 0;
    if (!m_title.isEmpty() || m_icon != 0) {
        m_content.title = m_title;
        m_content.icon = m_icon;
    }
    m_content.text = m_foreColor != 0 ? std::optional<QColor>(packed(m_foreColor)) : std::nullopt;
    m_content.back = m_backColor != 0 ? std::optional<QColor>(packed(m_backColor)) : std::nullopt;
    m_activeDelay = m_delayTime < 0 ? 500 : m_delayTime;
    m_activeVisible = m_visibleTime < 0 ? 5000 : m_visibleTime;
    m_activeCentered = m_centered;

    m_window = new TipWindow(tool);
    tool->installEventFilter(this);
    m_toolGone = connect(tool, &QObject::destroyed, this, &CTooltip::Destroy);
    // Created as the pointer moves over the tool: the delay starts now.
    sync(m_tracker.create());
}

void CTooltip::Destroy()
{
    m_timer.stop();
    m_tracker.destroy();
    disconnect(m_toolGone);
    if (m_tool)
        m_tool->removeEventFilter(this);
    delete m_window.data();
    m_window = nullptr;
}

QWidget *CTooltip::window() const
{
    return m_window;
}

QWidget *CTooltip::tool() const
{
    return m_tool;
}

// ---- Showing -----------------------------------------------------------------

void CTooltip::sync(bool restartTimer)
{
    if (!m_window)
        return;
    switch (m_tracker.state()) {
    case TipTracker::Waiting:
        if (restartTimer) {
            if (m_activeDelay <= 0) {
                onTimer();
                return;
            }
            m_timer.start(m_activeDelay);
        }
        break;
    case TipTracker::Showing:
        if (!m_window->isVisible())
            showTip();
        if (restartTimer) {
            if (m_activeVisible > 0)
                m_timer.start(m_activeVisible);
            else
                m_timer.stop();
        }
        break;
    default:
        m_timer.stop();
        break;
    }
    if (m_tracker.state() != TipTracker::Showing)
        m_window->hide();
}

void CTooltip::onTimer()
{
    sync(m_tracker.timerElapsed());
}

QRect CTooltip::anchorArea() const
{
    if (!m_tool)
        return {};
    return m_area.isEmpty() ? m_tool->rect() : m_area;
}

void CTooltip::showTip()
{
    if (!m_tool || m_content.isEmpty())
        return;
    relayout();
    m_window->show();
}

void CTooltip::relayout()
{
    if (!m_window || !m_tool)
        return;
    const QFont font = m_window->font();
    const TipLook::Geometry first = TipLook::measure(m_content, font, true, 0);
    const QRect local = anchorArea();
    const QRect anchor(m_tool->mapToGlobal(local.topLeft()), local.size());
    const QPoint pointer = m_pointer ? *m_pointer : m_tool->mapFromGlobal(QCursor::pos());
    std::optional<int> pointerX;
    if (local.contains(pointer))
        pointerX = m_tool->mapToGlobal(pointer).x();
    const QScreen *screen = m_tool->screen();
    const QRect room = screen ? screen->availableGeometry() : QRect(anchor.topLeft() - QPoint(4000, 4000), QSize(8000, 8000));
    const TipLook::Placement at = TipLook::place(first.size, anchor, pointerX, room, m_activeCentered, m_content.balloon);
    m_window->setLook(m_content, TipLook::measure(m_content, font, at.below, at.stemX));
    m_window->move(at.topLeft);
}

bool CTooltip::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_tool || !m_window)
        return false;
    switch (event->type()) {
    case QEvent::MouseMove: {
        const QPoint p = static_cast<QMouseEvent *>(event)->position().toPoint();
        m_pointer = p;
        if (anchorArea().contains(p)) {
            sync(m_tracker.pointerInside());
        } else {
            m_tracker.pointerOutside();
            sync(false);
        }
        break;
    }
    case QEvent::Leave:
    case QEvent::Hide:
        m_tracker.pointerOutside();
        sync(false);
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
        m_tracker.pressed();
        sync(false);
        break;
    default:
        break;
    }
    return false;
}
