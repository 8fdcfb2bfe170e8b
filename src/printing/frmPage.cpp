#include "frmPage.h"

#include "PageSurface.h"
#include "platform/Units.h"
#include "widgets/Ruler.h"

#include <QCheckBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

int px(double twips)
{
    return Units::toPixels(twips);
}

QRect pxRect(const QRectF &twips)
{
    return QRect(px(twips.x()), px(twips.y()), px(twips.width()), px(twips.height()));
}

// Toolbar sizes, twips.
constexpr double ToolbarHeight = 600;
constexpr double ButtonHeight = 420;
constexpr double WideButton = 1350;
constexpr double NavigationButton = 450;
constexpr double CounterWidth = 1500;
constexpr double Margin = 120;

} // namespace

frmPage::frmPage(const QSizeF &pageTwips, QWidget *parent)
    : QDialog(parent), m_pageTwips(pageTwips)
{
    setWindowTitle(QStringLiteral("Aperçu avant impression"));
    setModal(true);

    buildToolbar();
    m_area = new QWidget(this);
    m_area->setAutoFillBackground(true);
    m_area->setBackgroundRole(QPalette::Window);
    m_area->setFocusPolicy(Qt::StrongFocus);
    m_area->installEventFilter(this);
    m_scroll = new QScrollBar(Qt::Vertical, this);
    connect(m_scroll, &QScrollBar::valueChanged, this, &frmPage::scrollTo);

    for (std::size_t i = 0; i < m_rulers.size(); ++i) {
        m_rulers[i] = new Ruler(m_area);
        m_rulers[i]->setOrientation(int(i));
        // A press brings the ruler in front of the page.
        connect(m_rulers[i], &Ruler::mousePressed, m_rulers[i], &QWidget::raise);
    }
    Nouvelle_Page();

    auto *view = new QHBoxLayout;
    view->setContentsMargins(0, 0, 0, 0);
    view->setSpacing(0);
    view->addWidget(m_area, 1);
    view->addWidget(m_scroll);
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(m_toolbar);
    column->addLayout(view, 1);

    // The whole screen.
    if (QScreen *s = screen())
        setGeometry(s->geometry());
    setWindowState(Qt::WindowFullScreen);
}

frmPage::~frmPage() = default;

void frmPage::buildToolbar()
{
    m_toolbar = new QWidget(this);
    m_toolbar->setFixedHeight(px(ToolbarHeight));
    m_toolbar->installEventFilter(this);
    const char *buttons[][2] = {
        {"Configurer", "Configurer l'impression"}, {"Imprimer", "Imprimer la planche"},
        {"<<", "Première page"},                   {"<", "Page précédente"},
        {">", "Page suivante"},                    {">>", "Dernière page"},
        {"Fermer", "Fermer l'aperçu"},
    };
    for (std::size_t i = 0; i < m_buttons.size(); ++i) {
        auto *b = new QPushButton(QString::fromUtf8(buttons[i][0]), m_toolbar);
        b->setToolTip(QString::fromUtf8(buttons[i][1]));
        b->setAutoDefault(false);
        b->setFocusPolicy(Qt::NoFocus);
        connect(b, &QPushButton::clicked, this, [this, i] { Bouton_Click(int(i)); });
        m_buttons[i] = b;
    }
    m_counter = new QLabel(PageNavigator::counterText(1, 1), m_toolbar);
    m_counter->setAlignment(Qt::AlignCenter);
    QFont verdana(QStringLiteral("Verdana"));
    verdana.setPointSize(10);
    m_counter->setFont(verdana);
    m_moveRulers = new QCheckBox(QStringLiteral("Déplacer les rêgles"), m_toolbar);
    m_moveRulers->setFocusPolicy(Qt::NoFocus);
    connect(m_moveRulers, &QCheckBox::clicked, this, [this](bool on) {
        for (Ruler *r : m_rulers)
            r->setMovable(on);
        m_area->setFocus();
    });
}

void frmPage::layoutToolbar()
{
    const int top = px((ToolbarHeight - ButtonHeight) / 2);
    const int height = px(ButtonHeight);
    const auto place = [&](QWidget *w, double left, double width) {
        w->setGeometry(px(left), top, px(width), height);
    };
    place(m_buttons[0], Margin, WideButton);
    place(m_buttons[1], 2 * Margin + WideButton, WideButton);
    m_moveRulers->adjustSize();
    m_moveRulers->move(px(3 * Margin + 2 * WideButton), (m_toolbar->height() - m_moveRulers->height()) / 2);
    const double width = Units::fromPixels(m_toolbar->width());
    const PreviewGeometry::Navigation nav = PreviewGeometry::navigation(width, CounterWidth, NavigationButton);
    place(m_buttons[2], nav.first, NavigationButton);
    place(m_buttons[3], nav.previous, NavigationButton);
    place(m_counter, nav.counter, CounterWidth);
    place(m_buttons[4], nav.next, NavigationButton);
    place(m_buttons[5], nav.last, NavigationButton);
    place(m_buttons[6], width - Margin - WideButton, WideButton);
}

PageSurface *frmPage::Page(int index) const
{
    return index >= 1 && index <= m_pages.size() ? m_pages.at(index - 1) : nullptr;
}

void frmPage::Nouvelle_Page()
{
    auto *page = new PageSurface(m_area);
    const QSize size(px(m_pageTwips.width()), px(m_pageTwips.height()));
    page->resize(m_pages.isEmpty() ? size : m_pages.constFirst()->size());
    if (!m_pages.isEmpty())
        page->move(m_pages.constFirst()->pos());
    connect(page, &PageSurface::doubleClicked, this, [this] { placeRulers(m_scroll->value()); });
    m_pages.append(page);
    page->show();
    page->lower();
}

void frmPage::Form_Load(int sheets)
{
    m_navigator = PageNavigator(pageCount());
    m_counter->setText(PageNavigator::counterText(1, sheets));
    for (int i = 2; i <= pageCount(); ++i)
        Page(i)->hide();
    Page(1)->show();
    Page(1)->raise();
    placePages();
}

PreviewGeometry frmPage::pageGeometry() const
{
    return PreviewGeometry(m_pageTwips, QSizeF(Units::fromPixels(m_area->width()), Units::fromPixels(m_area->height())));
}

void frmPage::placePages()
{
    const PreviewGeometry g = pageGeometry();
    {
        const QSignalBlocker blocker(m_scroll);
        m_scroll->setRange(0, g.scrollMaximum());
        m_scroll->setSingleStep(g.smallStep());
        m_scroll->setPageStep(g.largeStep());
        m_scroll->setValue(0);
        m_scroll->setEnabled(g.scrollEnabled());
    }
    for (PageSurface *page : std::as_const(m_pages))
        page->move(pxRect(g.pageRect(0)).topLeft());
    placeRulers(0);
}

void frmPage::placeRulers(int scroll)
{
    const PreviewGeometry g = pageGeometry();
    m_rulers[0]->setGeometry(pxRect(g.horizontalRuler(scroll)));
    m_rulers[1]->setGeometry(pxRect(g.verticalRuler(scroll)));
    for (Ruler *r : m_rulers)
        r->raise();
}

void frmPage::scrollTo(int value)
{
    const QPoint topLeft = pxRect(pageGeometry().pageRect(value)).topLeft();
    for (PageSurface *page : std::as_const(m_pages))
        page->move(topLeft);
    if (!m_moveRulers->isChecked())
        placeRulers(value);
}

void frmPage::Bouton_Click(int index)
{
    switch (index) {
    case 0:
        if (onSetup)
            onSetup();
        break;
    case 1:
        if (onPrint)
            onPrint();
        break;
    case 2:
    case 3:
    case 4:
    case 5:
        Navigation(index - 1);
        break;
    case 6:
        close();
        break;
    default:
        break;
    }
}

void frmPage::Navigation(int move)
{
    const int shown = m_navigator.navigate(move);
    for (int i = 1; i <= pageCount(); ++i) {
        if (i != shown)
            Page(i)->hide();
    }
    Page(shown)->show();
    Page(shown)->raise();
    for (Ruler *r : m_rulers)
        r->raise();
    m_counter->setText(m_navigator.counterText());
}

bool frmPage::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Resize) {
        if (watched == m_toolbar)
            layoutToolbar();
        else if (watched == m_area)
            placePages();
    }
    return QDialog::eventFilter(watched, event);
}
