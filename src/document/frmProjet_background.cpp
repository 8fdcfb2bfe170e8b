// Background operations of the card window: the default white background,
// the three-colour gradient, a picture stretched over the card, and the
// repaint from the stored description.
#include "frmProjet.h"

#include "imaging/ColorGradient.h"
#include "platform/AppPaths.h"
#include "platform/CommonDialog.h"

#include <QFileInfo>
#include <QImage>
#include <QImageReader>

namespace {

// The frame's swatches holding the colours of gradient stops 0, 5 and 10.
constexpr int StopSwatches[3] = {0, 5, 10};

// The card edge line: a light grey outline through the card's first and
// last pixel columns and rows, that is one pixel inside its outer size
// (counted in whole pixels, as the screen shows it).
void drawEdgeLine(Surface &card)
{
    card.setFillStyle(PaintTarget::Transparent);
    const double right = (card.pixelWidth() - 1) * card.twipsPerPixelX();
    const double bottom = (card.pixelHeight() - 1) * card.twipsPerPixelY();
    card.box(0, 0, right, bottom, Colors::LightGrey);
}

// Loads a picture file into the hidden picture PictS, at the picture's own
// size. False, with PictS unchanged, when the file cannot be read as a
// picture.
bool loadIntoPictS(frmProjet &card, const QString &path)
{
    if (path.isEmpty())
        return false;
    QImageReader reader(path);
    const QImage picture = reader.read();
    if (picture.isNull())
        return false;
    Surface &holder = card.PictS();
    holder.resize(picture.width() * holder.twipsPerPixelX(), picture.height() * holder.twipsPerPixelY());
    holder.setImage(picture);
    return !holder.image().isNull();
}

// Stretches PictS's picture over the card's whole drawable area (its
// proportions are not kept), then empties PictS.
void stretchPictSOverCard(frmProjet &card)
{
    Surface &surface = card.Picture1();
    surface.paintPicture(card.PictS().image(), 0, 0, surface.scaleWidth(), surface.scaleHeight());
    card.PictS().resize(0, 0);
}

} // namespace

void frmProjet::Fond_parDefaut()
{
    Surface &card = Picture1();
    card.setBackColor(Colors::White);
    card.cls();
    drawEdgeLine(card);
    NumFond = 0;
}

void frmProjet::Tracer_Degrade(int orientation)
{
    Surface &card = Picture1();
    card.cls();
    OleColor colors[3];
    for (int n = 0; n < 3; ++n)
        colors[n] = host()->swatchColor(StopSwatches[n]);
    ColorGradient &painter = ColorGradient::shared();
    for (int n = 0; n < 3; ++n)
        painter.SetColor(StopSwatches[n], colors[n]);
    if (orientation >= 0 && orientation < ColorGradient::KindCount)
        painter.PaintObject(card, orientation);
    drawEdgeLine(card);
    Color1 = colors[0];
    Color2 = colors[1];
    Color3 = colors[2];
    NumFond = 1;
    NumOption = orientation;
}

void frmProjet::Ajouter_UnFond()
{
    CommonDialog &dialog = host()->CMDialog1();
    dialog.FileName.clear();
    // The folder of the current background picture, else the library of
    // backgrounds.
    const QString current = Picture1().tag;
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
    const QString path = dialog.FileName;
    if (!loadIntoPictS(*this, path))
        return;
    Picture1().cls();
    stretchPictSOverCard(*this);
    Picture1().tag = path;
    NumFond = 2;
}

bool frmProjet::Reinitialiser()
{
    switch (NumFond) {
    case 0:
        Fond_parDefaut();
        return true;
    case 1:
        Tracer_Degrade(NumOption);
        return true;
    case 2:
        Picture1().cls();
        if (!loadIntoPictS(*this, Picture1().tag))
            return false;
        stretchPictSOverCard(*this);
        return true;
    default:
        return true;
    }
}
