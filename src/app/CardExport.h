#pragma once

#include "document/CardData.h"

#include <QImage>
#include <QString>

class CommonDialog;
class DialogRunner;
class QWidget;
class frmProjet;
struct Services;

// The card leaving the program as one picture: flattened (every visible
// logo, then every visible label, over the background and its effects),
// then exported as a BMP file, opened in the outside picture editor or
// copied to the clipboard. After each the caller repaints the card
// (`Reinitialiser`), which gives it back its editable look.
class CardExport {
public:
    CardExport(const Services &services, CommonDialog &dialog);

    // The card flattened at screen resolution. For printing, the card as
    // it stands (effects included) is also kept for the print window and
    // the card repaints itself at once.
    QImage Fusion_Carte(frmProjet &card, bool forPrinting);
    // The card kept by the last flattening for printing.
    const CardData &printCard() const { return m_printCard; }

    // Asks for a BMP file name (proposing the card's name followed by
    // ".bmp"; a name typed without extension is used as typed) and writes
    // `image` there. False when cancelled or not written; a failed write
    // is reported.
    bool Fusion_Export(const frmProjet &card, const QImage &image);

    // Tools "Exporter le projet en Bmp", "Ouvrir dans un éditeur" and
    // "Copier dans le presse-papier".
    void exportBmp(frmProjet &card);
    void openInEditor(frmProjet &card);
    void copyToClipboard(frmProjet &card);
    // "Exporter pour l'imprimeur (PDF)...": the bleed and crop marks asked
    // in a dialog over `frame`, then the file, then the print shop's PDF.
    void exportForShop(frmProjet &card, QWidget &frame, DialogRunner &runner);

private:
    void reportUnwritten(const QString &path);
    // The save dialog proposing `fileName`; the path chosen, or empty.
    QString askSavePath(const QString &fileName, const QString &title, const QString &filter);

    const Services &m_services;
    CommonDialog &m_dialog;
    CardData m_printCard;
};
