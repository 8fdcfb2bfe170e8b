// The card window's layout: the card surface sized to the card, the parts
// placed for the window's size, and the scroll rules that move the card.
#include "frmProjet.h"

#include "CardLayout.h"
#include "platform/Units.h"
#include "widgets/Ruler.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>

#include <algorithm>

namespace {

constexpr double Tpp = Units::ScreenTwipsPerPixel;

// The room around the card in a window of comfortable size: rulers, scroll
// bars and a margin on each side (pixels).
constexpr int WindowMargin = 90;

} // namespace

void frmProjet::fitSurface()
{
    // The surface is painted at the scale the card is shown at, so text
    // and pictures stay sharp when zoomed.
    std::function<void()> changed = std::move(m_picture1.onChanged);
    m_picture1 = Surface(m_doc.width(), m_doc.height(), viewTwipsPerPixel());
    m_picture1.setBackColor(Colors::White);
    m_picture1.onChanged = std::move(changed);
    if (m_view) {
        m_view->setTwipsPerPixel(viewTwipsPerPixel());
        m_view->resize(m_picture1.pixelWidth(), m_picture1.pixelHeight());
    }
}

QSize frmProjet::sizeHint() const
{
    return QSize(m_picture1.pixelWidth() + 2 * WindowMargin, m_picture1.pixelHeight() + 2 * WindowMargin);
}

void frmProjet::placeWidget(QWidget *widget, const QRectF &twips)
{
    // Edges rounded one by one, so parts that meet in twips meet in pixels.
    const int left = Units::toPixels(twips.left());
    const int top = Units::toPixels(twips.top());
    const int right = Units::toPixels(twips.right());
    const int bottom = Units::toPixels(twips.bottom());
    widget->setGeometry(left, top, std::max(0, right - left), std::max(0, bottom - top));
}

void frmProjet::placeCard()
{
    m_view->move(Units::toPixels(m_cardLeft), Units::toPixels(m_cardTop));
}

void frmProjet::placeShadows()
{
    // The card as shown, in twips of the window.
    const double iw = m_picture1.scaleWidth() * m_zoom;
    const double ih = m_picture1.scaleHeight() * m_zoom;
    m_ombreGRect = CardLayout::rightShadow(m_cardLeft, m_cardTop, iw, ih);
    m_ombreBRect = CardLayout::bottomShadow(m_cardLeft, m_cardTop, iw, ih);
    placeWidget(m_ombreG, m_ombreGRect);
    placeWidget(m_ombreB, m_ombreBRect);
}

void frmProjet::Form_Resize()
{
    if (!m_view)
        return;
    const double sw = width() * Tpp;
    const double sh = height() * Tpp;
    const CardLayout layout(sw, sh, m_doc.width(), m_doc.height());

    // A part that cannot take its place in a tiny window keeps its old one.
    if (const std::optional<QRectF> fond = layout.fond())
        placeWidget(m_fond, *fond);

    const QPointF centre = layout.centredCard();
    m_cardLeft = centre.x();
    m_cardTop = centre.y();
    placeCard();

    placeWidget(m_regle[0], layout.horizontalRuler());
    placeWidget(m_regle[1], layout.verticalRuler());

    if (const std::optional<QRectF> h = layout.horizontalScroll())
        placeWidget(m_hScroll, *h);
    if (const std::optional<QRectF> v = layout.verticalScroll())
        placeWidget(m_vScroll, *v);
    placeWidget(m_defaut, layout.centreButton());

    // Setting a value runs the bar's rule only when the value changes; the
    // card is already centred otherwise.
    auto setUp = [](QScrollBar *bar, const CardLayout::ScrollSetup &s) {
        bar->setMaximum(s.maximum);
        bar->setMinimum(s.minimum);
        bar->setSingleStep(s.smallChange);
        bar->setPageStep(s.largeChange);
        bar->setValue(s.value);
    };
    if (m_zoom != 1) {
        layOutZoomed();
        return;
    }
    if (const std::optional<CardLayout::ScrollSetup> v = layout.verticalSetup())
        setUp(m_vScroll, *v);
    if (const std::optional<CardLayout::ScrollSetup> h = layout.horizontalSetup())
        setUp(m_hScroll, *h);

    placeShadows();
}

void frmProjet::applyHorizontalRule()
{
    if (m_zoom != 1) {
        layOutZoomed();
        return;
    }
    const CardLayout layout(width() * Tpp, height() * Tpp, m_doc.width(), m_doc.height());
    m_cardLeft = layout.horizontalLeft(m_hScroll->value(), m_hScroll->maximum());
    placeCard();
    placeShadows();
}

void frmProjet::applyVerticalRule()
{
    if (m_zoom != 1) {
        layOutZoomed();
        return;
    }
    const CardLayout layout(width() * Tpp, height() * Tpp, m_doc.width(), m_doc.height());
    m_cardTop = layout.verticalTop(m_vScroll->value(), m_vScroll->maximum());
    placeCard();
    placeShadows();
}

void frmProjet::Defaut_Click()
{
    m_vScroll->setValue(CardLayout::middle(m_vScroll->maximum()));
    m_hScroll->setValue(CardLayout::middle(m_hScroll->maximum()));
    m_view->setFocus(Qt::OtherFocusReason);
}

void frmProjet::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    Form_Resize();
}

void frmProjet::paintEvent(QPaintEvent *event)
{
    QPainter p(this);
    p.fillRect(event->rect(), palette().color(QPalette::Window));
    // The square where the two rulers meet.
    const int corner = Units::toPixels(CardLayout::RulerThickness);
    p.fillRect(QRect(0, 0, corner, corner), Colors::toQColor(Colors::system(Colors::InfoBackground), palette()));
}

