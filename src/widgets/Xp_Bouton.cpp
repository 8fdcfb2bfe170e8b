#include "Xp_Bouton.h"

#include "XpLayout.h"

#include <QKeySequence>

#include <optional>

// Construction and properties; the input handling is in Xp_Bouton_input.cpp,
// the drawing in Xp_Bouton_paint.cpp.

namespace {

std::optional<Qt::CursorShape> pointerShape(int pointer)
{
    switch (pointer) {
    case 1:
    case 4: return Qt::ArrowCursor;
    case 2: return Qt::CrossCursor;
    case 3: return Qt::IBeamCursor;
    case 5:
    case 15: return Qt::SizeAllCursor;
    case 6: return Qt::SizeBDiagCursor;
    case 7: return Qt::SizeVerCursor;
    case 8: return Qt::SizeFDiagCursor;
    case 9: return Qt::SizeHorCursor;
    case 10: return Qt::UpArrowCursor;
    case 11: return Qt::WaitCursor;
    case 12: return Qt::ForbiddenCursor;
    case 13: return Qt::BusyCursor;
    case 14: return Qt::WhatsThisCursor;
    default: return std::nullopt;
    }
}

} // namespace

Xp_Bouton::Xp_Bouton(QWidget *parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    // Sizes below 10 pixels become 150 twips.
    setMinimumSize(10, 10);
    m_overTimer.setInterval(10);
    connect(&m_overTimer, &QTimer::timeout, this, &Xp_Bouton::overTick);
    reshape();
}

Xp_Bouton::Xp_Bouton(const QString &name, QWidget *parent)
    : Xp_Bouton(parent)
{
    setObjectName(name);
    setCaption(name);
}

Xp_Bouton::~Xp_Bouton() = default;

// ---- Properties --------------------------------------------------------------

void Xp_Bouton::setBackColor(OleColor c)
{
    m_backColor = c;
    redraw();
}

void Xp_Bouton::setForeColor(OleColor c)
{
    m_foreColor = c;
    redraw();
}

void Xp_Bouton::setShowFocusRect(bool on)
{
    m_showFocusRect = on;
    redraw();
}

void Xp_Bouton::setCaption(const QString &caption)
{
    m_caption = caption;
    updateAccessKey();
    updateGeometry();
    redraw();
}

void Xp_Bouton::setPicturePosition(int position)
{
    m_picturePosition = position;
    redraw();
}

void Xp_Bouton::setButtonStyle(int style)
{
    if (style == 3)
        m_transparentBG = false;
    m_buttonStyle = style;
    reshape();
}

void Xp_Bouton::setPicture(const XpPicture &picture)
{
    m_picture = picture;
    m_current = picture;
    const QSize own = picture.isNull() ? QSize(32, 32) : picture.size();
    m_originalW = own.width();
    m_originalH = own.height();
    if (m_pictureSize == 2)
        updatePictureSize();
    updateGeometry();
    redraw();
}

void Xp_Bouton::setPictureWidth(int w)
{
    m_pictureWidth = w;
    updateGeometry();
    redraw();
}

void Xp_Bouton::setPictureHeight(int h)
{
    m_pictureHeight = h;
    updateGeometry();
    redraw();
}

void Xp_Bouton::setPictureSize(int size)
{
    m_pictureSize = size;
    updatePictureSize();
    updateGeometry();
    redraw();
}

void Xp_Bouton::updatePictureSize()
{
    if (const auto s = XpLayout::pictureSize(m_pictureSize, !m_picture.isNull(), QSize(m_originalW, m_originalH))) {
        m_pictureWidth = s->width();
        m_pictureHeight = s->height();
    }
}

void Xp_Bouton::setPictureHover(const XpPicture &picture)
{
    m_pictureHover = picture;
    redraw();
}

void Xp_Bouton::setMouseIcon(const QCursor &cursor)
{
    m_mouseIcon = cursor;
    if (m_mousePointer == 99)
        setCursor(m_mouseIcon);
    redraw();
}

void Xp_Bouton::setMousePointer(int pointer)
{
    if (pointer == 0) {
        unsetCursor();
    } else if (pointer == 99) {
        setCursor(m_mouseIcon);
    } else if (const auto shape = pointerShape(pointer)) {
        setCursor(*shape);
    } else {
        return; // a pointer the system does not have: the old one stays
    }
    m_mousePointer = pointer;
    redraw();
}

void Xp_Bouton::setXPColor_Pressed(OleColor c)
{
    m_colorPressed = c;
    redraw();
}

void Xp_Bouton::setXPColor_Hover(OleColor c)
{
    m_colorHover = c;
    redraw();
}

void Xp_Bouton::setXPDefaultColors(bool on)
{
    m_defaultColors = on;
    redraw();
}

void Xp_Bouton::setMaskColor(OleColor c)
{
    m_maskColor = c;
    redraw();
}

void Xp_Bouton::setTransparentBG(bool on)
{
    m_transparentBG = on;
    redraw();
}

void Xp_Bouton::setBEVEL(int bevel)
{
    m_bevel = bevel;
    redraw();
}

void Xp_Bouton::setBEVELDEPTH(int depth)
{
    m_bevelDepth = depth;
    redraw();
}

void Xp_Bouton::updateAccessKey()
{
    m_accessKey = XpLayout::accessKey(m_caption);
    if (m_shortcutId != 0) {
        releaseShortcut(m_shortcutId);
        m_shortcutId = 0;
    }
    if (!m_accessKey.isNull())
        m_shortcutId = grabShortcut(QKeySequence::mnemonic(QStringLiteral("&") + m_accessKey));
}
