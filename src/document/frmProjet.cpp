// The card window: its parts, its items and their stacking, the layout and
// scrolling, the read-outs, the object list, activation and closing.
#include "frmProjet.h"

#include "CardLayout.h"
#include "CardRenderer.h"
#include "CardView.h"
#include "InitialPlacement.h"
#include "PlaceholderPicture.h"
#include "platform/Prompts.h"
#include "platform/TextConv.h"
#include "platform/Units.h"
#include "widgets/Balloon.h"
#include "widgets/Ruler.h"

#include <QCloseEvent>
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

// The gradient swatches of the frame that hold the three colours.
constexpr int Swatches[3] = {0, 5, 10};

QWidget *makeStrip(QWidget *parent, const QColor &color)
{
    auto *strip = new QWidget(parent);
    strip->setAutoFillBackground(true);
    QPalette pal = strip->palette();
    pal.setColor(QPalette::Window, color);
    strip->setPalette(pal);
    // Drawn parts only: the window itself gets their mouse moves.
    strip->setAttribute(Qt::WA_TransparentForMouseEvents);
    return strip;
}

} // namespace

frmProjet::frmProjet(CardHost *host, QWidget *parent)
    : QWidget(parent), m_host(host), m_tmp(PlaceholderPicture::make()), m_doc(m_tmp)
{
    m_picture1.setBackColor(Colors::White);
    m_picture1.resize(m_doc.width(), m_doc.height());
    m_picture1.cls();
    m_picture1.onChanged = [this] {
        if (m_view)
            m_view->update();
    };

    buildParts();
    setMouseTracking(true);
    // The help balloon (style balloon, information icon) is created here
    // once the balloon control exists; until then BulleVisible only records
    // whether one would be showing.
    Form_Resize();
}

frmProjet::~frmProjet()
{
    m_picture1.onChanged = nullptr;
    if (m_hScroll)
        m_hScroll->blockSignals(true);
    if (m_vScroll)
        m_vScroll->blockSignals(true);
}

void frmProjet::buildParts()
{
    // Created bottom first: workspace, shadows, card, then the rulers, the
    // scroll bars and the button above a card scrolled under them.
    m_fond = makeStrip(this, Colors::toQColor(Colors::system(Colors::AppWorkspace), palette()));
    m_ombreG = makeStrip(this, Colors::toQColor(Colors::LightGrey));
    m_ombreB = makeStrip(this, Colors::toQColor(Colors::LightGrey));

    m_view = new CardView(this, this);
    m_view->resize(m_picture1.pixelWidth(), m_picture1.pixelHeight());

    const int rulerPx = Units::toPixels(CardLayout::RulerThickness);
    const int scrollPx = Units::toPixels(CardLayout::ScrollThickness);
    for (int i = 0; i < 2; ++i) {
        m_regle[i] = new Ruler(this);
        m_regle[i]->setOrientation(i);
        m_regle[i]->resize(rulerPx, rulerPx);
    }

    m_hScroll = new QScrollBar(Qt::Horizontal, this);
    m_hScroll->resize(scrollPx, scrollPx);
    m_vScroll = new QScrollBar(Qt::Vertical, this);
    m_vScroll->resize(scrollPx, scrollPx);
    // Every change of value, dragging the thumb included, moves the card.
    m_hScroll->setTracking(true);
    m_vScroll->setTracking(true);
    connect(m_hScroll, &QScrollBar::valueChanged, this, [this] { applyHorizontalRule(); });
    connect(m_vScroll, &QScrollBar::valueChanged, this, [this] { applyVerticalRule(); });

    m_defaut = new QPushButton(this);
    m_defaut->resize(scrollPx, scrollPx);
    m_defaut->setToolTip(QStringLiteral("Centrer le projet"));
    m_defaut->setFocusPolicy(Qt::NoFocus);
    m_defaut->setIcon(QIcon(QPixmap::fromImage(PlaceholderPicture::centreGlyph(scrollPx - 6))));
    connect(m_defaut, &QPushButton::clicked, this, [this] { Defaut_Click(); });
}

// ---- Items ---------------------------------------------------------------

void frmProjet::bringToFront(CardItemRef item)
{
    if (m_doc.bringToFront(item))
        updateItem(item);
}

void frmProjet::sendToBack(CardItemRef item)
{
    if (m_doc.sendToBack(item))
        updateItem(item);
}

CardLabel *frmProjet::selectedLabel()
{
    const std::optional<CardItemRef> item = m_host->selection();
    CardLabel *label = item && item->kind == CardItemRef::LabelItem ? Label(item->index) : nullptr;
    return label && label->Visible ? label : nullptr;
}

CardLogo *frmProjet::selectedLogo()
{
    const std::optional<CardItemRef> item = m_host->selection();
    CardLogo *logo = item && item->kind == CardItemRef::LogoItem ? Logo(item->index) : nullptr;
    return logo && logo->Visible ? logo : nullptr;
}

void frmProjet::updateItem(CardItemRef item)
{
    if (m_view)
        m_view->updateItem(item);
}

void frmProjet::updateLabel(int index)
{
    updateItem({CardItemRef::LabelItem, index});
}

void frmProjet::updateLogo(int index)
{
    updateItem({CardItemRef::LogoItem, index});
}

void frmProjet::updateCard()
{
    if (m_view)
        m_view->updateAll();
}

void frmProjet::setBord(const QRectF &twips)
{
    const Frame old = m_bord;
    m_bord.rect = twips;
    m_bord.visible = true;
    if (m_view)
        m_view->updateFrame(old.rect, old.visible);
}

void frmProjet::hideBord()
{
    const Frame old = m_bord;
    m_bord.visible = false;
    if (m_view)
        m_view->updateFrame(old.rect, old.visible);
}

QWidget *frmProjet::cardView() const
{
    return m_view;
}

Ruler *frmProjet::Regle(int index) const
{
    return index == 0 || index == 1 ? m_regle[index] : nullptr;
}

// ---- Card size and layout ------------------------------------------------

void frmProjet::setCardSize(double widthTwips, double heightTwips)
{
    m_doc.setSize(widthTwips, heightTwips);
    fitSurface();
    paintCard();
    updateCard();
    Form_Resize();
}

bool frmProjet::setDocument(const CardDocument &card, const QImage *backgroundPicture)
{
    m_doc = card;
    fitSurface();
    const bool painted = paintCard(backgroundPicture);
    updateCard();
    Form_Resize();
    return painted;
}

void frmProjet::fitSurface()
{
    m_picture1.resize(m_doc.width(), m_doc.height());
    if (m_view)
        m_view->resize(m_picture1.pixelWidth(), m_picture1.pixelHeight());
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
    const double iw = m_picture1.scaleWidth();
    const double ih = m_picture1.scaleHeight();
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
    if (const std::optional<CardLayout::ScrollSetup> v = layout.verticalSetup())
        setUp(m_vScroll, *v);
    if (const std::optional<CardLayout::ScrollSetup> h = layout.horizontalSetup())
        setUp(m_hScroll, *h);

    placeShadows();
}

void frmProjet::applyHorizontalRule()
{
    const CardLayout layout(width() * Tpp, height() * Tpp, m_doc.width(), m_doc.height());
    m_cardLeft = layout.horizontalLeft(m_hScroll->value(), m_hScroll->maximum());
    placeCard();
    placeShadows();
}

void frmProjet::applyVerticalRule()
{
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

// ---- Read-outs and balloon -----------------------------------------------

void frmProjet::writeCardSize()
{
    const QString text = TextConv::format(m_doc.width() / Units::TwipsPerCm, QStringLiteral("0.00"))
                         + QStringLiteral(" x ")
                         + TextConv::format(m_doc.height() / Units::TwipsPerCm, QStringLiteral("0.00"))
                         + QStringLiteral(" cm");
    m_host->setStatusPanel(2, text);
}

void frmProjet::Picture1_MouseMove(Qt::MouseButtons, double x, double y)
{
    m_host->setStatusPanel(3, QStringLiteral("X : ") + TextConv::format(x / Units::TwipsPerCm, QStringLiteral("00.00"))
                                  + QStringLiteral(" - Y : ")
                                  + TextConv::format(y / Units::TwipsPerCm, QStringLiteral("00.00")));
    hideBalloon();
}

void frmProjet::hideBalloon()
{
    BulleVisible = false;
    if (m_bulle)
        m_bulle->Destroy();
}

void frmProjet::mouseMoveEvent(QMouseEvent *event)
{
    hideBalloon();
    QWidget::mouseMoveEvent(event);
}

// ---- Object list and placement -------------------------------------------

void frmProjet::Mise_aJour(bool setKind, int kind)
{
    m_host->clearObjects();
    for (int i = 1; i <= labelCount(); ++i) {
        const CardLabel &label = *Label(i);
        if (label.Visible)
            m_host->addObject(QStringLiteral("Lb") + QString::number(i) + QStringLiteral(" | ") + label.Caption());
    }
    m_host->addObject(QString(40, QLatin1Char('-')));
    for (int i = 1; i <= logoCount(); ++i) {
        if (Logo(i)->Visible)
            m_host->addObject(QStringLiteral("Lg") + QString::number(i) + QStringLiteral(" | ")
                              + QStringLiteral("Logo image n°") + QString::number(i));
    }
    m_host->setObjectIndex(0);
    if (setKind)
        m_doc.NumFond = kind;
}

void frmProjet::Mise_enPage()
{
    InitialPlacement::apply(m_doc);
    for (int i = 1; i <= labelCount(); ++i)
        updateLabel(i);
    updateLogo(1);
}

// ---- Activation and closing ----------------------------------------------

void frmProjet::activate()
{
    Mise_aJour();
    const OleColor colors[3] = {m_doc.Color1, m_doc.Color2, m_doc.Color3};
    for (int n = 0; n < 3; ++n)
        m_host->setSwatchColor(Swatches[n], colors[n]);
    if (colors[0] != 0 || colors[1] != 0 || colors[2] != 0) {
        // The panel shows this card's gradient. Only a gradient card is
        // repainted with it: a white or picture background keeps what its
        // own description paints.
        if (m_doc.NumFond == 1)
            m_host->Option_Click(m_doc.NumOption);
        m_host->selectOption(m_doc.NumOption);
    } else {
        for (int swatch : Swatches)
            m_host->setSwatchColor(swatch, Colors::White);
    }
    writeCardSize();
}

void frmProjet::closeEvent(QCloseEvent *event)
{
    if (m_closed) {
        event->accept();
        return;
    }
    const int answer = m_host->prompts().msgBox(
        QStringLiteral("Souhaitez-vous enregistrer les modifications de ce projet ?"),
        int(Msg::YesNoCancel) | int(Msg::Question),
        QStringLiteral("Enregistrer - [") + Caption() + QStringLiteral("] ?"));
    bool close = answer == Msg::No;
    if (answer == Msg::Yes) {
        const bool neverSaved = Tag().isEmpty();
        // Close only once the card is on disk: a cancelled name dialog or a
        // failed write keeps the window, so the work is not lost.
        const bool saved = m_host->Sauver_unProjet(neverSaved);
        close = saved && !Tag().isEmpty();
    }
    if (!close) {
        activate();
        event->ignore();
        return;
    }
    event->accept();
    m_closed = true;
    closed();
}

void frmProjet::closed()
{
    hideBalloon();
    m_host->clearObjects();
    m_host->setSelection(std::nullopt);
    m_host->setTextAText(QString());
    for (int swatch : Swatches)
        m_host->setSwatchColor(swatch, Colors::White);
}
