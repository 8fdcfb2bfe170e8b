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

constexpr double Tpp = Units::ScreenTwipsPerPixel;

// Where new items appear (twips).
constexpr float NewLabelLeft = 120;
constexpr float NewLabelTop = 120;
constexpr float NewLogoLeft = 120;
constexpr float NewLogoTop = 480;

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

// The selection frame around a label leaves room for the glyphs' overhang.
QRectF labelFrame(const CardLabel &label)
{
    return QRectF(label.Left - 40, label.Top - 10, label.Width() + 70, label.Height() + 30);
}

QRectF logoFrame(const CardLogo &logo)
{
    return QRectF(logo.Left, logo.Top, logo.Width(), logo.Height());
}

// Selects the first row of the object list whose item part (the text before
// " | ") is `item`; the list keeps its selection when there is none. The
// list's handler runs when the row changes (a row already selected was
// handled when it was chosen).
void selectObjectRow(CardHost &host, const QString &item)
{
    const QString separator = QStringLiteral(" | ");
    const int count = host.objectCount();
    for (int row = 0; row < count; ++row) {
        const QString text = host.objectText(row);
        const qsizetype end = text.indexOf(separator);
        if (end >= 0 && QStringView(text).left(end) == item) {
            if (host.objectIndex() != row)
                host.setObjectIndex(row);
            return;
        }
    }
}

// Restores a flag when a scope ends, however it ends.
class FlagScope {
public:
    explicit FlagScope(bool &flag) : m_flag(flag) { m_flag = true; }
    ~FlagScope() { m_flag = false; }
    FlagScope(const FlagScope &) = delete;
    FlagScope &operator=(const FlagScope &) = delete;

private:
    bool &m_flag;
};

} // namespace

// ---- Adding ----------------------------------------------------------------

void frmProjet::Ajouter_UnLabel()
{
    const int highest = labelCount();
    const int next = highest > 1 ? highest + 1 : m_doc.NumLabel + 1;
    // Only a new index makes a new label; without room for one (or with a
    // number out of step) nothing changes.
    CardLabel *label = next > highest ? m_doc.createLabel(next) : nullptr;
    if (!label)
        return;
    m_doc.NumLabel = next;
    label->Left = NewLabelLeft;
    label->Top = NewLabelTop;
    label->Visible = true;
    bringToFront({CardItemRef::LabelItem, next});
    m_host->setSelection(CardItemRef{CardItemRef::LabelItem, next});
    m_host->setTextAText(label->Caption());
}

void frmProjet::Ajouter_UnLogo(bool import)
{
    if (!import) {
        const int highest = logoCount();
        const int next = highest >= 2 ? highest + 1 : m_doc.NumLogo + 1;
        CardLogo *logo = next > highest ? m_doc.createLogo(next) : nullptr;
        if (!logo)
            return;
        m_doc.NumLogo = next;
        logo->Left = NewLogoLeft;
        logo->Top = NewLogoTop;
        logo->Visible = true;
        updateLogo(next);
        return;
    }

    const int slot = m_doc.NumLogo;
    CardLogo *logo = Logo(slot);
    if (!logo)
        return;
    CommonDialog &dialog = m_host->CMDialog1();
    dialog.FileName = QString();
    dialog.InitDir = !logo->Tag.isEmpty() ? logo->Tag : AppPaths::join(m_host->appDir(), QStringLiteral("\\Images\\"));
    dialog.DialogTitle = QStringLiteral("Importer un logo");
    dialog.Filter = importFilter();
    dialog.FilterIndex = 1;
    dialog.Flags = CommonDialog::HideReadOnly;
    dialog.CancelError = true;
    if (!dialog.ShowOpen() || dialog.FileName.isEmpty())
        return;

    const QString path = dialog.FileName;
    const QImage picture = PictureReader::read(path);
    if (picture.isNull())
        return;
    logo->setPicture(picture);
    logo->Tag = path;
    updateLogo(slot);
    Logo_Click(slot);
}

// ---- Font and colour -------------------------------------------------------

void frmProjet::Couleur_Police()
{
    CardLabel *label = selectedLabel();
    if (!label)
        return;
    const int index = label->index;
    CommonDialog &dialog = m_host->CMDialog1();
    // The dialog starts from the colour the text shows, a system colour
    // included.
    dialog.Color = Colors::resolve(label->ForeColor);
    dialog.CancelError = true;
    dialog.Flags = CommonDialog::RgbInit | CommonDialog::FullOpen;
    if (!dialog.ShowColor())
        return;
    label->ForeColor = dialog.Color;
    label->setAutoSize(true);
    updateLabel(index);
}

void frmProjet::Format_Police()
{
    CardLabel *label = selectedLabel();
    if (!label)
        return;
    const int index = label->index;
    CommonDialog &dialog = m_host->CMDialog1();
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
    if (!dialog.ShowFont())
        return;
    label->setFontName(dialog.FontName);
    label->setFontSize(dialog.FontSize);
    label->setFontBold(dialog.FontBold);
    label->setFontItalic(dialog.FontItalic);
    label->setFontUnderline(dialog.FontUnderline);
    label->setFontStrikethru(dialog.FontStrikethru);
    label->setAutoSize(true);
    updateLabel(index);
}

// ---- Selecting -------------------------------------------------------------

void frmProjet::Label_Click(int index)
{
    // The object list's handler calls back here for the row chosen below.
    if (m_selecting)
        return;
    const CardLabel *label = Label(index);
    if (!label || !label->Visible)
        return;
    FlagScope selecting(m_selecting);
    m_host->setSelection(CardItemRef{CardItemRef::LabelItem, index});
    m_host->setTextAText(label->Caption());
    m_host->setCheck2(0, label->FontUnderline());
    m_host->setCheck2(1, label->FontStrikethru());
    setBord(labelFrame(*label));
    selectObjectRow(*m_host, QStringLiteral("Lb") + QString::number(index));
}

void frmProjet::Logo_Click(int index)
{
    if (m_selecting)
        return;
    const CardLogo *logo = Logo(index);
    if (!logo || !logo->Visible)
        return;
    FlagScope selecting(m_selecting);
    setBord(logoFrame(*logo));
    m_host->setSelection(CardItemRef{CardItemRef::LogoItem, index});
    selectObjectRow(*m_host, QStringLiteral("Lg") + QString::number(index));
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

namespace {

// The screen position of a point of the card (twips), where context menus
// open.
QPoint globalPoint(const frmProjet &card, double xTwips, double yTwips)
{
    const QWidget *view = card.cardView();
    const QPoint px(int(std::floor(xTwips / Tpp)), int(std::floor(yTwips / Tpp)));
    return view ? view->mapToGlobal(px) : px;
}

} // namespace

// ---- Help balloon over items ---------------------------------------------------

void frmProjet::showHelp(CardItemRef item, const QString &title, const QRectF &itemTwips)
{
    if (m_host->check1(0) || BulleVisible)
        return;
    BulleVisible = true;
    m_balloonItem = item;
    Balloon &balloon = Bulle();
    balloon.setTitle(title);
    balloon.setTipText(helpText());
    const QRectF px(itemTwips.left() / Tpp, itemTwips.top() / Tpp, itemTwips.width() / Tpp,
                    itemTwips.height() / Tpp);
    balloon.Create(cardView(), px.toAlignedRect());
}

void frmProjet::pointerOver(std::optional<CardItemRef> item)
{
    // The balloon belongs to the item it was shown for: it goes as soon as
    // the pointer is somewhere else.
    if (BulleVisible && m_balloonItem != item)
        hideBalloon();
}

// ---- Mouse on labels ---------------------------------------------------------

void frmProjet::Label_MouseDown(int index, Qt::MouseButton button, double x, double y)
{
    const CardLabel *label = Label(index);
    if (!label || !label->Visible)
        return;
    if (button == Qt::RightButton) {
        const QPoint at = globalPoint(*this, label->Left + x, label->Top + y);
        Label_Click(index);
        m_host->showLabelMenu(at);
    }
    ClicX = x;
    ClicY = y;
}

void frmProjet::Label_MouseMove(int index, Qt::MouseButtons buttons, double x, double y)
{
    CardLabel *label = Label(index);
    if (!label || !label->Visible)
        return;
    showHelp({CardItemRef::LabelItem, index}, QStringLiteral("Infos du label"),
             QRectF(label->Left, label->Top, label->Width(), label->Height()));
    if (m_host->check1(2) || buttons != Qt::LeftButton)
        return;
    // The grabbed point stays under the pointer; nothing keeps the label on
    // the card.
    label->Left = float(label->Left + x - ClicX);
    label->Top = float(label->Top + y - ClicY);
    updateLabel(index);
    setBord(labelFrame(*label));
}

void frmProjet::Label_MouseUp(int, Qt::MouseButton, double, double)
{
    // The release that ends a press or a drag is a click (the card view
    // calls Label_Click); nothing else happens on it.
}

void frmProjet::Label_DblClick(int index)
{
    const CardLabel *label = Label(index);
    if (label && label->Visible)
        m_host->Mnu_OutLabel_Click(0);
}

// ---- Mouse on logos ----------------------------------------------------------

void frmProjet::Logo_MouseDown(int index, Qt::MouseButton button, double x, double y)
{
    const CardLogo *logo = Logo(index);
    if (!logo || !logo->Visible)
        return;
    if (button == Qt::RightButton) {
        const QPoint at = globalPoint(*this, logo->Left + x, logo->Top + y);
        Logo_Click(index);
        m_host->showLogoMenu(at);
    }
    ClicX = x;
    ClicY = y;
}

void frmProjet::Logo_MouseMove(int index, Qt::MouseButtons buttons, double x, double y)
{
    CardLogo *logo = Logo(index);
    if (!logo || !logo->Visible)
        return;
    showHelp({CardItemRef::LogoItem, index}, QStringLiteral("Infos du logo"), logoFrame(*logo));
    if (m_host->check1(2) || buttons != Qt::LeftButton)
        return;
    logo->Left = float(logo->Left + x - ClicX);
    logo->Top = float(logo->Top + y - ClicY);
    updateLogo(index);
    setBord(logoFrame(*logo));
}

void frmProjet::Logo_MouseUp(int, Qt::MouseButton, double, double)
{
    // As for labels: the card view turns the release into a click.
}

void frmProjet::Logo_DblClick(int index)
{
    const CardLogo *logo = Logo(index);
    if (logo && logo->Visible)
        m_host->Mnu_OutLogo_Click(0);
}

// ---- Mouse on the empty card -------------------------------------------------

void frmProjet::Picture1_MouseDown(Qt::MouseButton button, double x, double y)
{
    if (button == Qt::RightButton)
        m_host->showToolsMenu(globalPoint(*this, x, y));
}
