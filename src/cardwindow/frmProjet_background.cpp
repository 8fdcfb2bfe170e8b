// Background operations of the card window: the default white background,
// the three-colour gradient, a picture stretched over the card, and the
// repaint from the stored description. Each changes the card's
// description; the window paints the screen picture from it when the
// document says it changed.
#include "frmProjet.h"

#include "document/CardRenderer.h"
#include "platform/AppPaths.h"
#include "platform/CommonDialog.h"
#include "platform/PictureReader.h"

#include <QFileInfo>
#include <utility>

bool frmProjet::paintCard()
{
    // A picture read by the operation that set it is not read again.
    const QImage picture = std::exchange(m_pendingPicture, QImage());
    m_backgroundRead = CardRenderer::paintBackground(m_doc.data(), m_picture1, picture.isNull() ? nullptr : &picture);
    CardRenderer::replayEffects(m_doc.data(), m_picture1.image(), m_picture1.twipsPerPixel());
    m_picture1.refresh();
    return m_backgroundRead;
}

void frmProjet::Fond_parDefaut()
{
    const Edit edit(this, QStringLiteral("Arrière plan par défaut"));
    // The gradient's colours and orientation and the picture path stay for
    // a later activation or "Annuler le dégradé".
    CardBackground background = m_doc.background();
    background.NumFond = 0;
    m_doc.setBackground(background);
}

void frmProjet::Tracer_Degrade(int orientation, const std::array<OleColor, 3> &stops)
{
    const Edit edit(this, QStringLiteral("Dégradé de couleur"));
    CardBackground background = m_doc.background();
    background.Color1 = stops[0];
    background.Color2 = stops[1];
    background.Color3 = stops[2];
    background.NumFond = 1;
    background.NumOption = orientation;
    m_doc.setBackground(background);
}

void frmProjet::Ajouter_UnFond()
{
    CommonDialog &dialog = *m_services.dialog;
    dialog.FileName.clear();
    // The folder of the current background picture, else the library of
    // backgrounds.
    const QString current = m_doc.background().picture;
    dialog.InitDir = current.isEmpty()
        ? AppPaths::join(m_services.services.appDir, QStringLiteral("\\Images\\Images de fond\\"))
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
    const Edit edit(this, QStringLiteral("Importer une image de fond"));
    const QImage picture = PictureReader::read(path);
    if (picture.isNull())
        return false;
    CardBackground background = m_doc.background();
    background.picture = path;
    background.NumFond = 2;
    m_pendingPicture = picture;
    // The same file again is painted all the same: its content may be new
    // (a new scan under the same name).
    if (!m_doc.setBackground(background))
        paintCard();
    return true;
}

bool frmProjet::Reinitialiser()
{
    const Edit edit(this, QStringLiteral("Réinitialiser le fond"));
    // A kind the program does not know describes nothing to paint.
    const int kind = m_doc.background().NumFond;
    if (kind < 0 || kind > 2)
        return true;
    // Forgetting the effects repaints the card; without effects the
    // background is painted again all the same, from its file for a
    // picture, which tells whether it can still be read.
    if (!m_doc.clearEffects())
        paintCard();
    return m_backgroundRead;
}
