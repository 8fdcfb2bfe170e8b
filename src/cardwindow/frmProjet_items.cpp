// Adding, selecting and restyling the card's labels and logos, and the mouse
// gestures on them: selection, dragging, context menus, double clicks and
// help balloons.
#include "frmProjet.h"

#include "platform/AppPaths.h"
#include "platform/CommonDialog.h"
#include "platform/PictureReader.h"
#include "platform/Units.h"
#include "widgets/Balloon.h"

#include <cmath>

namespace {

// How near an edge must come to a line to snap to it: 1 mm on screen.
constexpr double SnapDistance = Units::TwipsPerCm / 10;

// Where new items appear (twips).
constexpr QPointF NewLabelPlace(120, 120);
constexpr QPointF NewLogoPlace(120, 480);

const QString &importFilter()
{
    // The first description is the one users know; PNG and SVG pictures
    // are accepted with the others.
    static const QString filter =
        QStringLiteral("Bmp - Jpg - Gif - Wmf - Emf - Ico|*.bmp;*.jpg;*.gif;*.wmf;*.emf;*.ico;*.png;*.svg|");
    return filter;
}

const QString &helpText()
{
    static const QString text = QStringLiteral("1. Clic gauche rapide sélectionne le contrôle\r"
                                               "2. Clic gauche prolongé déplace le contrôle\r"
                                               "3. Clic droit normal affiche un menu contextuel");
    return text;
}

// The screen position of a point of the card (twips), where context menus
// open.
QPoint globalPoint(const frmProjet &card, double xTwips, double yTwips)
{
    const double tpp = Units::ScreenTwipsPerPixel / card.zoom();
    const QWidget *view = card.cardView();
    const QPoint px(int(std::floor(xTwips / tpp)), int(std::floor(yTwips / tpp)));
    return view ? view->mapToGlobal(px) : px;
}

} // namespace

// ---- Adding ----------------------------------------------------------------

void frmProjet::Ajouter_UnLabel()
{
    const Edit edit(this, QStringLiteral("Ajouter un label"));
    const int highest = m_doc.labelCount();
    const int next = highest > 1 ? highest + 1 : m_doc.NumLabel() + 1;
    // Only a new index makes a new label; without room for one (or with a
    // number out of step) nothing changes.
    const CardItemRef item{CardItemRef::LabelItem, next};
    if (next <= highest || !m_doc.createLabel(next))
        return;
    m_doc.setLastCreated(item);
    m_doc.editLabel(next, [](CardLabel &label) {
        label.Left = float(NewLabelPlace.x());
        label.Top = float(NewLabelPlace.y());
        label.Visible = true;
    });
    m_doc.bringToFront(item);
    setSelection(item);
}

void frmProjet::Ajouter_UnLogo(bool import)
{
    const Edit edit(this, QStringLiteral("Ajouter un logo"));
    if (import) {
        importLogoPicture(m_doc.NumLogo());
        return;
    }
    createLogoSlot(NewLogoPlace);
}

std::optional<int> frmProjet::createLogoSlot(const QPointF &place)
{
    const int highest = m_doc.logoCount();
    const int next = highest >= 2 ? highest + 1 : m_doc.NumLogo() + 1;
    if (next <= highest || !m_doc.createLogo(next))
        return std::nullopt;
    m_doc.setLastCreated({CardItemRef::LogoItem, next});
    m_doc.editLogo(next, [&place](CardLogo &logo) {
        logo.Left = float(place.x());
        logo.Top = float(place.y());
        logo.Visible = true;
    });
    return next;
}

bool frmProjet::addLogoPicture(const QString &path, const QPointF &place)
{
    const QImage picture = PictureReader::read(path);
    if (picture.isNull())
        return false;
    const Edit edit(this, QStringLiteral("Ajouter un logo"));
    const std::optional<int> index = createLogoSlot(place);
    if (!index)
        return false;
    m_doc.editLogo(*index, [&](CardLogo &logo) {
        logo.setPicture(picture);
        logo.picturePath = path;
    });
    Logo_Click(*index);
    return true;
}

bool frmProjet::chooseLogoPicture(const QString &currentPath, QImage &picture, QString &path)
{
    CommonDialog &dialog = *m_services.dialog;
    dialog.FileName = QString();
    dialog.InitDir = !currentPath.isEmpty()
        ? currentPath
        : AppPaths::join(m_services.services.appDir, QStringLiteral("\\Images\\"));
    dialog.DialogTitle = QStringLiteral("Importer un logo");
    dialog.Filter = importFilter();
    dialog.FilterIndex = 1;
    dialog.Flags = CommonDialog::HideReadOnly;
    dialog.CancelError = true;
    if (!dialog.ShowOpen() || dialog.FileName.isEmpty())
        return false;
    path = dialog.FileName;
    picture = PictureReader::read(path);
    return !picture.isNull();
}

void frmProjet::importLogoPicture(int index)
{
    const Edit edit(this, QStringLiteral("Modifier l'image"));
    const CardLogo *logo = m_doc.Logo(index);
    QImage picture;
    QString path;
    if (!logo || !chooseLogoPicture(logo->picturePath, picture, path))
        return;
    m_doc.editLogo(index, [&](CardLogo &state) {
        state.setPicture(picture);
        state.picturePath = path;
    });
    Logo_Click(index);
}

// ---- Font and colour -------------------------------------------------------

void frmProjet::Couleur_Police()
{
    const Edit edit(this, QStringLiteral("Modifier la couleur"));
    const CardLabel *label = selectedLabel();
    if (!label)
        return;
    CommonDialog &dialog = *m_services.dialog;
    // The dialog starts from the colour the text shows, a system colour
    // included.
    dialog.Color = Colors::resolve(label->ForeColor);
    dialog.CancelError = true;
    dialog.Flags = CommonDialog::RgbInit | CommonDialog::FullOpen;
    const int index = label->index;
    if (!dialog.ShowColor())
        return;
    m_doc.editLabel(index, [&dialog](CardLabel &state) {
        state.ForeColor = dialog.Color;
        state.setAutoSize(true);
    });
}

void frmProjet::Format_Police()
{
    const Edit edit(this, QStringLiteral("Modifier la police"));
    const CardLabel *label = selectedLabel();
    if (!label)
        return;
    CommonDialog &dialog = *m_services.dialog;
    dialog.FontName = label->FontName();
    dialog.FontSize = label->FontSize();
    dialog.FontBold = label->FontBold();
    dialog.FontItalic = label->FontItalic();
    dialog.FontUnderline = label->FontUnderline();
    dialog.FontStrikethru = label->FontStrikethru();
    dialog.CancelError = true;
    // Screen and printer fonts; the dialog offers no underline nor
    // strike-through, so those come back as they went.
    dialog.Flags = 3;
    const int index = label->index;
    if (!dialog.ShowFont())
        return;
    m_doc.editLabel(index, [&dialog](CardLabel &state) {
        state.setFontName(dialog.FontName);
        state.setFontSize(dialog.FontSize);
        state.setFontBold(dialog.FontBold);
        state.setFontItalic(dialog.FontItalic);
        state.setFontUnderline(dialog.FontUnderline);
        state.setFontStrikethru(dialog.FontStrikethru);
        state.setAutoSize(true);
    });
}

// ---- Selecting -------------------------------------------------------------

void frmProjet::selectItem(CardItemRef item)
{
    // Choosing an item again is news too: the panel shows it afresh.
    frameItem(item);
    m_selection = item;
    emit selectionChanged();
}

void frmProjet::Label_Click(int index)
{
    if (m_doc.visibleLabel(index))
        selectItem({CardItemRef::LabelItem, index});
}

void frmProjet::Logo_Click(int index)
{
    if (m_doc.visibleLogo(index))
        selectItem({CardItemRef::LogoItem, index});
}

void frmProjet::Code_Click(int index)
{
    if (m_doc.visibleCode(index))
        selectItem({CardItemRef::CodeItem, index});
}

bool frmProjet::addCode(const CardCode &code)
{
    const Edit edit(this, QStringLiteral("Ajouter un code"));
    const int next = m_doc.codeCount() + 1;
    if (!m_doc.createCode(next))
        return false;
    m_doc.editCode(next, [&code](CardCode &state) {
        const int index = state.index;
        state = code;
        state.index = index;
        state.Visible = true;
    });
    m_doc.bringToFront({CardItemRef::CodeItem, next});
    Code_Click(next);
    return true;
}

// ---- Help balloon ----------------------------------------------------------

Balloon &frmProjet::Bulle()
{
    if (!m_bulle) {
        m_bulle = new Balloon(this);
        m_bulle->Style = 1;
        m_bulle->Icon = 1;
    }
    return *m_bulle;
}

void frmProjet::showHelp(CardItemRef item, const QString &title, const QRectF &itemTwips)
{
    if (m_services.options->noBalloons || BulleVisible)
        return;
    BulleVisible = true;
    m_balloonItem = item;
    Balloon &balloon = Bulle();
    balloon.setTitle(title);
    balloon.setTipText(helpText());
    const double tpp = viewTwipsPerPixel();
    const QRectF px(itemTwips.left() / tpp, itemTwips.top() / tpp, itemTwips.width() / tpp, itemTwips.height() / tpp);
    balloon.Create(cardView(), px.toAlignedRect());
}

void frmProjet::pointerOver(std::optional<CardItemRef> item)
{
    // The balloon belongs to the item it was shown for: it goes as soon as
    // the pointer is somewhere else.
    if (BulleVisible && m_balloonItem != item)
        hideBalloon();
}

// ---- Mouse on items ----------------------------------------------------------

void frmProjet::itemMouseDown(CardItemRef item, Qt::MouseButton button, const QPointF &local)
{
    const std::optional<QRectF> rect = m_doc.itemRect(item);
    if (!rect)
        return;
    if (button == Qt::RightButton) {
        const QPoint at = globalPoint(*this, rect->left() + local.x(), rect->top() + local.y());
        selectItem(item);
        static const CardMenu menus[] = {CardMenu::Label, CardMenu::Logo, CardMenu::Code};
        emit contextMenuRequested(menus[item.kind], at);
    } else if (button == Qt::LeftButton && !m_drag) {
        m_drag = std::make_unique<Edit>(this, QStringLiteral("Déplacer"));
    }
    ClicX = local.x();
    ClicY = local.y();
}

void frmProjet::itemMouseMove(CardItemRef item, Qt::MouseButtons buttons, Qt::KeyboardModifiers keys,
                              const QPointF &local)
{
    const std::optional<QRectF> rect = m_doc.itemRect(item);
    if (!rect)
        return;
    static const char *const titles[] = {"Infos du label", "Infos du logo", "Infos du code"};
    showHelp(item, QString::fromLatin1(titles[item.kind]), *rect);
    if (m_services.options->locked || buttons != Qt::LeftButton)
        return;
    // The grabbed point stays under the pointer; nothing keeps the item on
    // the card. Its edges and centre snap to the card's and the other
    // items' within 1 mm on screen, unless Alt is held.
    QPointF to(rect->left() + local.x() - ClicX, rect->top() + local.y() - ClicY);
    SnapGuides guides;
    if (!(keys & Qt::AltModifier)) {
        if (!m_snapLines)
            m_snapLines = CardSnap::lines(m_doc.data(), item);
        const CardSnap::Result snapped =
            CardSnap::snap(QRectF(to, rect->size()), *m_snapLines, SnapDistance / m_zoom);
        to += snapped.offset;
        guides = {snapped.guideX, snapped.guideY};
    }
    // Positions are single-precision, as the items keep them.
    m_doc.moveItem(item, QPointF(float(to.x()), float(to.y())));
    frameItem(item);
    showGuides(guides);
}

void frmProjet::showGuides(const SnapGuides &guides)
{
    if (guides == m_guides)
        return;
    const SnapGuides old = m_guides;
    m_guides = guides;
    if (m_view)
        m_view->updateGuides(old);
}

void frmProjet::nudge(const QPoint &direction, bool fine)
{
    const std::optional<QRectF> rect = m_selection ? m_doc.itemRect(*m_selection) : std::nullopt;
    if (!rect)
        return;
    const double step = (fine ? 0.1 : 1.0) * Units::TwipsPerCm / 10;
    const QPointF to(float(rect->left() + direction.x() * step), float(rect->top() + direction.y() * step));
    const Edit edit(this, QStringLiteral("Déplacer"),
                    QStringLiteral("nudge %1 %2").arg(m_selection->kind).arg(m_selection->index));
    m_doc.moveItem(*m_selection, to);
    frameItem(*m_selection);
}

void frmProjet::itemDoubleClick(CardItemRef item)
{
    if (m_doc.itemRect(item))
        emit itemEditRequested(item);
}

// ---- Mouse on the empty card -------------------------------------------------

void frmProjet::Picture1_MouseDown(Qt::MouseButton button, double x, double y)
{
    if (button == Qt::RightButton)
        emit contextMenuRequested(CardMenu::Tools, globalPoint(*this, x, y));
}
