// Background operations of the card window: the default white background,
// the three-colour gradient, a picture stretched over the card, the repaint
// from the stored description, and the picture effects. Each changes the
// card's description and paints the screen picture from it.
#include "frmProjet.h"

#include "CardRenderer.h"
#include "platform/AppPaths.h"
#include "platform/CommonDialog.h"
#include "platform/PictureReader.h"

#include <QFileInfo>

namespace {

// The frame's swatches holding the colours of gradient stops 0, 5 and 10.
constexpr int StopSwatches[3] = {0, 5, 10};

} // namespace

bool frmProjet::paintCard(const QImage *picture)
{
    const bool painted = CardRenderer::paintBackground(m_doc, m_picture1, picture);
    CardRenderer::replayEffects(m_doc, m_picture1.image(), m_picture1.twipsPerPixel());
    m_picture1.refresh();
    return painted;
}

void frmProjet::Fond_parDefaut()
{
    // The gradient's colours and orientation and the picture path stay for
    // a later activation or "Annuler le dégradé".
    m_doc.NumFond = 0;
    m_doc.Effects.clear();
    paintCard();
}

void frmProjet::Tracer_Degrade(int orientation)
{
    m_doc.Color1 = host()->swatchColor(StopSwatches[0]);
    m_doc.Color2 = host()->swatchColor(StopSwatches[1]);
    m_doc.Color3 = host()->swatchColor(StopSwatches[2]);
    m_doc.NumFond = 1;
    m_doc.NumOption = orientation;
    m_doc.Effects.clear();
    paintCard();
}

void frmProjet::Ajouter_UnFond()
{
    CommonDialog &dialog = host()->CMDialog1();
    dialog.FileName.clear();
    // The folder of the current background picture, else the library of
    // backgrounds.
    const QString current = m_doc.BackgroundPicture;
    dialog.InitDir = current.isEmpty()
        ? AppPaths::join(host()->appDir(), QStringLiteral("\\Images\\Images de fond\\"))
        : QFileInfo(current).absolutePath();
    dialog.DialogTitle = QStringLiteral("Importer une image de fond");
    // PNG and SVG pictures are read too, under a second filter.
    dialog.Filter = QStringLiteral("Bmp - Jpg - Gif - Wmf - Emf|*.bmp;*.jpg;*.gif;*.wmf;*.emf|"
                                   "Png - Svg|*.png;*.svg|");
    dialog.FilterIndex = 1;
    dialog.Flags = CommonDialog::HideReadOnly;
    dialog.CancelError = true;
    if (!dialog.ShowOpen())
        return;
    setBackgroundPicture(dialog.FileName);
}

bool frmProjet::setBackgroundPicture(const QString &path)
{
    const QImage picture = PictureReader::read(path);
    if (picture.isNull())
        return false;
    m_doc.BackgroundPicture = path;
    m_doc.NumFond = 2;
    m_doc.Effects.clear();
    paintCard(&picture);
    return true;
}

bool frmProjet::Reinitialiser()
{
    // A kind the program does not know describes nothing to paint.
    if (m_doc.NumFond < 0 || m_doc.NumFond > 2)
        return true;
    m_doc.Effects.clear();
    return paintCard();
}

void frmProjet::applyEffect(const ImageEffect &effect)
{
    m_doc.Effects.push_back(effect);
    // Applying it to the picture on screen gives the same picture as
    // replaying every effect over a fresh background.
    ImageEffects::apply(m_picture1.image(), effect, m_picture1.twipsPerPixel());
    m_picture1.refresh();
}
