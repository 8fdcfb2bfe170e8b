#include "CardExport.h"

#include "document/CardRenderer.h"
#include "cardwindow/frmProjet.h"
#include "platform/AppPaths.h"
#include "platform/Clipboard.h"
#include "platform/CommonDialog.h"
#include "platform/OutputFile.h"
#include "platform/PictureWriter.h"
#include "platform/Prompts.h"
#include "platform/Services.h"
#include "platform/Shell.h"
#include "platform/Units.h"
#include "platform/DialogRunner.h"
#include "printing/ShopPdf.h"
#include "printing/frmShopPdf.h"

CardExport::CardExport(const Services &services, CommonDialog &dialog)
    : m_services(services), m_dialog(dialog)
{
}

QImage CardExport::Fusion_Carte(frmProjet &card, bool forPrinting)
{
    const QImage image = CardRenderer::flatten(card.doc().data(), Units::ScreenTwipsPerPixel, card.palette());
    if (forPrinting) {
        m_printCard = card.doc().data();
        card.Reinitialiser();
    }
    return image;
}

bool CardExport::Fusion_Export(const frmProjet &card, const QImage &image)
{
    const QString path = askSavePath(card.Caption() + QStringLiteral(".bmp"), QStringLiteral("Exporter le projet sous..."),
                                     QStringLiteral("Format Bitmap (*.bmp)|*.bmp|"));
    if (path.isEmpty())
        return false;
    const QString refusal = OutputFile::refusal(path, {card.filePath()});
    if (!refusal.isEmpty()) {
        m_services.prompts->msgBox(refusal, Msg::Exclamation);
        return false;
    }
    if (!PictureWriter::write(image, path, "BMP")) {
        reportUnwritten(path);
        return false;
    }
    return true;
}

void CardExport::exportBmp(frmProjet &card)
{
    Fusion_Export(card, Fusion_Carte(card, false));
}

void CardExport::exportForShop(frmProjet &card, QWidget &frame, DialogRunner &runner)
{
    frmShopPdf options(frame);
    if (runner.run(options) != QDialog::Accepted)
        return;
    const QString path = askSavePath(card.Caption() + QStringLiteral(".pdf"), QStringLiteral("Exporter pour l'imprimeur"),
                                     QStringLiteral("Document PDF (*.pdf)|*.pdf|"));
    if (path.isEmpty())
        return;
    QString error = OutputFile::refusal(path, {card.filePath()});
    if (error.isEmpty())
        ShopPdf::write(card.doc().data(), path, options.options(), card.palette(), card.Caption(), error);
    if (!error.isEmpty())
        m_services.prompts->msgBox(error, Msg::Exclamation);
}

void CardExport::openInEditor(frmProjet &card)
{
    const QImage image = Fusion_Carte(card, false);
    const QString path = AppPaths::join(m_services.appDir, QStringLiteral("\\Tempo.bmp"));
    if (!PictureWriter::write(image, path, "BMP")) {
        reportUnwritten(path);
        return;
    }
    if (m_services.shell)
        m_services.shell->open(path);
}

void CardExport::copyToClipboard(frmProjet &card)
{
    const QImage image = Fusion_Carte(card, false);
    if (m_services.clipboard)
        m_services.clipboard->setImage(image);
    m_services.prompts->msgBox(QStringLiteral("Le projet est disponible dans le presse-papier."), Msg::Information);
}

QString CardExport::askSavePath(const QString &fileName, const QString &title, const QString &filter)
{
    m_dialog.FileName = fileName;
    m_dialog.InitDir = QStringLiteral("..");
    m_dialog.CancelError = true;
    m_dialog.DialogTitle = title;
    m_dialog.Filter = filter;
    m_dialog.FilterIndex = 1;
    if (!m_dialog.ShowSave())
        return {};
    return m_dialog.FileName;
}

void CardExport::reportUnwritten(const QString &path)
{
    m_services.prompts->msgBox(QStringLiteral("L'image n'a pas pu être enregistrée.\r\n"
                                              "Vérifiez que le dossier existe et que vous pouvez y écrire : ")
                                   + path,
                               Msg::Exclamation);
}
