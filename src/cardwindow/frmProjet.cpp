// The card window: its parts, its items and their stacking, the layout and
// scrolling, the read-outs, the object list, activation and closing.
#include "frmProjet.h"

#include "CardLayout.h"
#include "CardView.h"
#include "InitialPlacement.h"
#include "document/PlaceholderPicture.h"
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

frmProjet::frmProjet(const CardWindowServices &services, QWidget *parent)
    : QWidget(parent), m_services(services), m_tmp(PlaceholderPicture::make()), m_doc(m_tmp)
{
    m_picture1.setBackColor(Colors::White);
    m_picture1.resize(m_doc.width(), m_doc.height());
    m_picture1.onChanged = [this] {
        if (m_view)
            m_view->update();
    };

    buildParts();
    observeDocument();
    watchHistory();
    paintCard();
    setMouseTracking(true);
    setAcceptDrops(true);
    // The help balloon (style balloon, information icon) is created here
    // once the balloon control exists; until then BulleVisible only records
    // whether one would be showing.
    Form_Resize();
}

frmProjet::~frmProjet()
{
    // A drag cut short by the window's end records nothing.
    m_beforeEdit.reset();
    m_drag.reset();
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

    m_view = new CardView(&m_doc.data(), m_picture1, m_bord, m_guides, this);
    connect(m_view, &CardView::itemPressed, this, &frmProjet::itemMouseDown);
    connect(m_view, &CardView::itemMoved, this, &frmProjet::itemMouseMove);
    connect(m_view, &CardView::itemDoubleClicked, this, &frmProjet::itemDoubleClick);
    connect(m_view, &CardView::itemClicked, this, [this](CardItemRef item) {
        if (item.kind == CardItemRef::LabelItem)
            Label_Click(item.index);
        else if (item.kind == CardItemRef::LogoItem)
            Logo_Click(item.index);
        else
            Code_Click(item.index);
    });
    connect(m_view, &CardView::surfacePressed, this,
            [this](Qt::MouseButton button, const QPointF &at) { Picture1_MouseDown(button, at.x(), at.y()); });
    connect(m_view, &CardView::surfaceMoved, this,
            [this](Qt::MouseButtons buttons, const QPointF &at) { Picture1_MouseMove(buttons, at.x(), at.y()); });
    connect(m_view, &CardView::hovered, this, &frmProjet::pointerOver);
    // A drag is one step of the history, however many moves it takes.
    connect(m_view, &CardView::gestureEnded, this, [this] {
        m_drag.reset();
        m_snapLines.reset();
        showGuides({});
    });
    connect(m_view, &CardView::nudged, this, &frmProjet::nudge);
    connect(m_view, &CardView::zoomAsked, this, [this](int steps, const QPoint &at) { zoomBy(steps, at); });
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

// ---- Selection and its frame ------------------------------------------------

void frmProjet::setSelection(std::optional<CardItemRef> item)
{
    if (m_selection == item)
        return;
    m_selection = item;
    emit selectionChanged();
}

const CardLabel *frmProjet::selectedLabel() const
{
    return m_selection && m_selection->kind == CardItemRef::LabelItem ? m_doc.visibleLabel(m_selection->index)
                                                                      : nullptr;
}

const CardLogo *frmProjet::selectedLogo() const
{
    return m_selection && m_selection->kind == CardItemRef::LogoItem ? m_doc.visibleLogo(m_selection->index)
                                                                     : nullptr;
}

const CardCode *frmProjet::selectedCode() const
{
    return m_selection && m_selection->kind == CardItemRef::CodeItem ? m_doc.visibleCode(m_selection->index)
                                                                     : nullptr;
}

QRectF frmProjet::labelFrame(const CardLabel &label)
{
    return QRectF(label.Left - 40, label.Top - 10, label.Width() + 70, label.Height() + 30);
}

QRectF frmProjet::logoFrame(const CardLogo &logo)
{
    return QRectF(logo.Left, logo.Top, logo.Width(), logo.Height());
}

void frmProjet::frameItem(CardItemRef item)
{
    // Around the item as shown: a label filled from a list has the size of
    // its values.
    const CardData &shown = shownCard();
    if (item.kind == CardItemRef::LabelItem) {
        if (const CardLabel *label = shown.Label(item.index); label && label->Visible)
            setBord(labelFrame(*label), item);
    } else if (item.kind == CardItemRef::CodeItem) {
        if (const std::optional<QRectF> rect = shown.itemRect(item))
            setBord(*rect, item);
    } else if (const CardLogo *logo = shown.Logo(item.index); logo && logo->Visible) {
        setBord(logoFrame(*logo), item);
    }
}

void frmProjet::setBord(const QRectF &twips, std::optional<CardItemRef> item)
{
    const SelectionFrame old = m_bord;
    m_bord.rect = twips;
    m_bord.visible = true;
    m_bord.item = item;
    if (m_view)
        m_view->updateFrame(old.rect, old.visible);
}

void frmProjet::hideBord()
{
    const SelectionFrame old = m_bord;
    m_bord.visible = false;
    m_bord.item.reset();
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

bool frmProjet::setDocument(const CardData &card, const QImage *backgroundPicture)
{
    // The picture already read spares reading it again.
    if (backgroundPicture)
        m_pendingPicture = *backgroundPicture;
    m_doc.assign(card);
    return m_backgroundRead;
}

void frmProjet::showWholeCard()
{
    if (m_view)
        m_view->updateAll();
    Form_Resize();
}

// ---- Pointer and balloon -------------------------------------------------

void frmProjet::Picture1_MouseMove(Qt::MouseButtons, double x, double y)
{
    emit pointerMoved(QPointF(x, y));
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
    emit objectListReset();
    if (setKind) {
        const Edit edit(this, QStringLiteral("Fond de carte"));
        CardBackground background = m_doc.background();
        background.NumFond = kind;
        m_doc.setBackground(background);
    }
}

void frmProjet::Mise_enPage()
{
    for (const auto &[item, place] : InitialPlacement::places(m_doc.data()))
        m_doc.moveItem(item, place);
}

// ---- Activation and closing ----------------------------------------------

void frmProjet::activate()
{
    emit activated();
}

void frmProjet::closeEvent(QCloseEvent *event)
{
    if (m_closed) {
        event->accept();
        return;
    }
    const int answer = m_services.services.prompts->msgBox(
        QStringLiteral("Souhaitez-vous enregistrer les modifications de ce projet ?"),
        int(Msg::YesNoCancel) | int(Msg::Question),
        QStringLiteral("Enregistrer - [") + Caption() + QStringLiteral("] ?"));
    bool close = answer == Msg::No;
    if (answer == Msg::Yes) {
        // Close only once the card is on disk: a cancelled name dialog or a
        // failed write keeps the window, so the work is not lost.
        const int saves = m_saves;
        emit saveRequested(m_filePath.isEmpty());
        close = m_saves > saves && !m_filePath.isEmpty();
    }
    if (!close) {
        activate();
        event->ignore();
        return;
    }
    event->accept();
    m_closed = true;
    hideBalloon();
    setSelection(std::nullopt);
    emit closed();
}
