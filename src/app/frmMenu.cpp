// Construction of the main frame: the card window area, the status bar, the
// timers, and the card windows' life inside the frame.
#include "frmMenu.h"

#include "FileHandover.h"
#include "FrameLayout.h"
#include "ScanCommands.h"
#include "SingleInstance.h"
#include "document/frmProjet.h"
#include "platform/Units.h"

#include <QDate>
#include <QEvent>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QStatusBar>
#include <QStyle>
#include <QTime>
#include <QTimer>

static void initAppResources()
{
    Q_INIT_RESOURCE(brivadune_app);
}

namespace {

// A status bar panel: a framed text of a preferred width that may shrink
// down to `minimum` pixels when the frame is narrow.
class StatusPanel : public QLabel {
public:
    StatusPanel(int preferred, int minimum, QWidget *parent)
        : QLabel(parent), m_preferred(preferred), m_minimum(minimum)
    {
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
        setIndent(3);
        setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    }
    QSize sizeHint() const override { return QSize(m_preferred, QLabel::sizeHint().height()); }
    QSize minimumSizeHint() const override { return QSize(m_minimum, QLabel::minimumSizeHint().height()); }

private:
    int m_preferred;
    int m_minimum;
};

} // namespace

frmMenu::frmMenu(const Services &services, QWidget *parent)
    : QMainWindow(parent), m_services(services), m_dialog(services.prompts)
{
    initAppResources();
    setObjectName(QStringLiteral("frmMenu"));
    setWindowTitle(QStringLiteral("Brivadune"));
    setWindowIcon(QIcon(QStringLiteral(":/brivadune/icons/brivadune.svg")));
    // No toolbar list on a right click over the bars.
    setContextMenuPolicy(Qt::PreventContextMenu);
    setMinimumSize(FrameLayout::MinimumWidthPx, FrameLayout::MinimumHeightPx);
    resize(FrameLayout::DesignWidthPx, FrameLayout::DesignHeightPx);

    buildCentralArea();
    buildMenus();
    buildToolbar();
    buildStatusBar();
    buildPanel();
    wirePanel();

    // Autosave: off at every start; its interval becomes 60 s when the
    // user switches it on.
    m_timer1 = new QTimer(this);
    m_timer1->setInterval(1000);
    connect(m_timer1, &QTimer::timeout, this, &frmMenu::Timer1_Timer);
}

frmMenu::~frmMenu()
{
    // Card windows go first, while the panel and the bars they may touch on
    // their way out still exist.
    m_clock->stop();
    m_timer1->stop();
    m_toolbar2->removeEventFilter(this);
    QMdiArea *area = m_mdi;
    m_mdi = nullptr;
    area->viewport()->removeEventFilter(this);
    disconnect(area, nullptr, this, nullptr);
    delete area;
}

void frmMenu::buildCentralArea()
{
    auto *central = new QWidget(this);
    auto *row = new QHBoxLayout(central);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);

    m_toolbar2 = new QFrame(central);
    m_toolbar2->setObjectName(QStringLiteral("Toolbar2"));
    m_toolbar2->setFixedWidth(Units::toPixels(FrameLayout::PanelWidth));
    m_toolbar2->installEventFilter(this);
    row->addWidget(m_toolbar2);

    m_mdi = new QMdiArea(central);
    m_mdi->setObjectName(QStringLiteral("MDIClient"));
    m_mdi->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdi->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdi->viewport()->installEventFilter(this);
    connect(m_mdi, &QMdiArea::subWindowActivated, this, &frmMenu::cardActivated);
    row->addWidget(m_mdi, 1);

    setCentralWidget(central);
}

void frmMenu::buildStatusBar()
{
    QStatusBar *bar = statusBar();
    bar->setObjectName(QStringLiteral("STB1"));
    for (int i = 1; i <= 5; ++i) {
        const double width = FrameLayout::StatusWidths[i - 1];
        const int minimum = i == 1 ? Units::toPixels(FrameLayout::StatusFirstMinimum) : 24;
        auto *panel = new StatusPanel(Units::toPixels(width), minimum, bar);
        m_panels[std::size_t(i)] = panel;
        bar->addPermanentWidget(panel, i == 1 ? 1 : 0);
    }
    m_panels[1]->setText(QStringLiteral("Brivadune"));
    m_panels[2]->setText(QStringLiteral("0.00 x 0.00 cm"));
    m_panels[3]->setText(QStringLiteral("X : 00.00 - Y : 00.00"));
    for (int i : {4, 5})
        m_panels[std::size_t(i)]->setAlignment(Qt::AlignCenter);

    // Panels 4 and 5 keep the time and the date current.
    m_clock = new QTimer(this);
    m_clock->setInterval(1000);
    connect(m_clock, &QTimer::timeout, this, &frmMenu::updateClock);
    m_clock->start();
    updateClock();
}

void frmMenu::updateClock()
{
    const QString time = QTime::currentTime().toString(QStringLiteral("hh:mm"));
    const QString date = QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy"));
    if (m_panels[4]->text() != time)
        m_panels[4]->setText(time);
    if (m_panels[5]->text() != date)
        m_panels[5]->setText(date);
}

QWidget *frmMenu::STB1() const
{
    return const_cast<frmMenu *>(this)->statusBar();
}

QLabel *frmMenu::statusPanel(int panel) const
{
    return panel >= 1 && panel <= 5 ? m_panels[std::size_t(panel)] : nullptr;
}

void frmMenu::setStatusPanel(int panel, const QString &text)
{
    if (QLabel *label = statusPanel(panel))
        label->setText(text);
}

// --- Card windows ----------------------------------------------------------

QList<QMdiSubWindow *> frmMenu::openSubWindows() const
{
    // A closed window stays in the area's list until it is deleted; it is
    // hidden from the moment it closed.
    QList<QMdiSubWindow *> open;
    if (!m_mdi)
        return open;
    for (QMdiSubWindow *window : m_mdi->subWindowList(QMdiArea::CreationOrder)) {
        if (!window->isHidden() && qobject_cast<frmProjet *>(window->widget()))
            open.append(window);
    }
    return open;
}

frmProjet *frmMenu::activeCard() const
{
    if (!m_mdi)
        return nullptr;
    QMdiSubWindow *window = m_mdi->currentSubWindow();
    if (!window || window->isHidden()) {
        // The area forgets its current window while the frame is inactive
        // (a message box is up); the most recently active open one is
        // still the active child.
        window = nullptr;
        const QList<QMdiSubWindow *> history = m_mdi->subWindowList(QMdiArea::ActivationHistoryOrder);
        for (auto it = history.crbegin(); it != history.crend(); ++it) {
            if (!(*it)->isHidden()) {
                window = *it;
                break;
            }
        }
    }
    return window ? qobject_cast<frmProjet *>(window->widget()) : nullptr;
}

QList<frmProjet *> frmMenu::cards() const
{
    QList<frmProjet *> list;
    for (QMdiSubWindow *window : openSubWindows())
        list.append(qobject_cast<frmProjet *>(window->widget()));
    return list;
}

QMdiSubWindow *frmMenu::subWindowOf(const frmProjet *card) const
{
    for (QMdiSubWindow *window : openSubWindows()) {
        if (window->widget() == card)
            return window;
    }
    return nullptr;
}

QMdiSubWindow *frmMenu::addCard(frmProjet *card)
{
    const frmProjet *previous = activeCard();
    const QMdiSubWindow *previousWindow = previous ? subWindowOf(previous) : nullptr;
    const bool maximised = previousWindow && previousWindow->isMaximized();

    const int alreadyOpen = int(openSubWindows().size());
    QMdiSubWindow *window = m_mdi->addSubWindow(card);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowIcon(windowIcon());
    // A card window opens big enough to show an 8.4 x 5.4 cm card with its
    // rulers and scroll bars, and no bigger than the area.
    const QSize area = m_mdi->viewport()->size();
    QSize size = window->sizeHint().expandedTo(QSize(480, 340));
    if (area.width() > 100 && area.height() > 100)
        size = size.boundedTo(area);
    window->resize(size);
    // Each new window opens a title bar lower and to the right of the one
    // before, starting again at the corner after a few.
    const int step = m_mdi->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, window) + 4;
    const int offset = (alreadyOpen % 8) * step;
    window->move(offset, offset);
    if (maximised)
        window->showMaximized();
    else
        window->show();
    showCardWindow(window);
    return window;
}

frmProjet *frmMenu::newCard()
{
    auto *card = new frmProjet(this);
    card->setCaption(QStringLiteral("Projet%1").arg(++m_newCardCount));
    card->setCardSize(FrameLayout::NewCardWidth, FrameLayout::NewCardHeight);
    card->Fond_parDefaut();
    card->Mise_enPage();
    addCard(card);
    return card;
}

void frmMenu::showCardWindow(QMdiSubWindow *window)
{
    if (!window || window->isHidden())
        return;
    m_mdi->setActiveSubWindow(window);
    // Activation normally follows the area's signal; an inactive frame
    // (hidden, or behind a dialog) does not send it.
    cardActivated(window);
}

void frmMenu::cardActivated(QMdiSubWindow *window)
{
    // Only a change of active card window runs the card's activation step,
    // not the frame regaining the focus.
    if (!window || window == m_lastActivated)
        return;
    m_lastActivated = window;
    if (auto *card = qobject_cast<frmProjet *>(window->widget()))
        card->activate();
}

bool frmMenu::closeActiveCard()
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
    const QList<QMdiSubWindow *> history = m_mdi->subWindowList(QMdiArea::ActivationHistoryOrder);
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
        showCardWindow(next);
    return true;
}

bool frmMenu::closeAllCards()
{
    while (activeCard()) {
        if (!closeActiveCard())
            return false;
    }
    return true;
}
