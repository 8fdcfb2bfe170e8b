#include "Balloon.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QStyle::StandardPixmap iconPixmap(int icon)
{
    switch (icon) {
    case 2: return QStyle::SP_MessageBoxWarning;
    case 3: return QStyle::SP_MessageBoxCritical;
    default: return QStyle::SP_MessageBoxInformation;
    }
}

} // namespace

Balloon::Balloon(QObject *parent)
    : QObject(parent)
{
}

Balloon::~Balloon()
{
    Destroy();
}

QString Balloon::displayText(const QString &tipText)
{
    QString text = tipText;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text;
}

void Balloon::setTitle(const QString &title)
{
    m_title = title;
    refresh();
}

void Balloon::setTipText(const QString &text)
{
    m_text = text;
    refresh();
}

void Balloon::refresh()
{
    if (!m_popup)
        return;
    m_titleLabel->setText(m_title);
    m_titleLabel->parentWidget()->setVisible(!m_title.isEmpty() || Icon != 0);
    m_textLabel->setText(displayText(m_text));
    m_popup->adjustSize();
}

void Balloon::Create(QWidget *tool, const QRect &area)
{
    Destroy();
    m_tool = tool;
    if (!tool)
        return;

    // A window of its own that never takes the focus nor the mouse: the
    // pointer under it still moves over the tool.
    auto *popup = new QFrame(tool, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowTransparentForInput);
    popup->setAttribute(Qt::WA_ShowWithoutActivating);
    popup->setAttribute(Qt::WA_TransparentForMouseEvents);
    popup->setFrameShape(QFrame::Box);
    popup->setForegroundRole(QPalette::ToolTipText);
    popup->setBackgroundRole(QPalette::ToolTipBase);
    popup->setAutoFillBackground(true);

    auto *layout = new QVBoxLayout(popup);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->setSpacing(2);

    auto *titleRow = new QWidget(popup);
    auto *titleLayout = new QHBoxLayout(titleRow);
    titleLayout->setContentsMargins(0, 0, 0, 0);
    titleLayout->setSpacing(4);
    if (Icon != 0) {
        auto *icon = new QLabel(titleRow);
        const int side = popup->style()->pixelMetric(QStyle::PM_SmallIconSize);
        icon->setPixmap(popup->style()->standardIcon(iconPixmap(Icon)).pixmap(side, side));
        titleLayout->addWidget(icon);
    }
    m_titleLabel = new QLabel(titleRow);
    QFont bold = m_titleLabel->font();
    bold.setBold(true);
    m_titleLabel->setFont(bold);
    titleLayout->addWidget(m_titleLabel, 1);
    layout->addWidget(titleRow);

    m_textLabel = new QLabel(popup);
    m_textLabel->setTextFormat(Qt::PlainText);
    layout->addWidget(m_textLabel);

    m_popup = popup;
    refresh();

    // Just below the area, clamped to the screen the tool is on.
    const QRect anchor = area.isEmpty() ? tool->rect() : area;
    QPoint at = anchor.bottomLeft() + QPoint(0, 4);
    if (Centered)
        at.rx() = anchor.center().x() - popup->width() / 2;
    at = tool->mapToGlobal(at);
    if (const QScreen *screen = tool->screen()) {
        const QRect room = screen->availableGeometry();
        at.setX(std::clamp(at.x(), room.left(), std::max(room.left(), room.right() - popup->width())));
        at.setY(std::clamp(at.y(), room.top(), std::max(room.top(), room.bottom() - popup->height())));
    }
    popup->move(at);
    popup->show();

    // The tip goes after its time; the balloon itself stays created.
    if (VisibleTime > 0)
        QTimer::singleShot(VisibleTime, popup, &QWidget::hide);
}

void Balloon::Destroy()
{
    delete m_popup.data();
    m_popup = nullptr;
    m_titleLabel = nullptr;
    m_textLabel = nullptr;
}
