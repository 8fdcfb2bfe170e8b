// The print dialog's buttons (preview, print, PDF, cancel and help) and the
// sheet count a merge fills.
#include "frmPrint.h"

#include "DigitField.h"
#include "PageSurface.h"
#include "PrintProgress.h"
#include "PrinterChoice.h"
#include "SheetPreview.h"
#include "frmPage.h"
#include "platform/AppPaths.h"
#include "platform/CommonDialog.h"
#include "platform/HelpOpener.h"
#include "platform/OutputFile.h"
#include "platform/Prompts.h"
#include "platform/Shell.h"
#include "platform/WaitCursor.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>

namespace {

const QString PdfSuffix = QStringLiteral(".pdf");

} // namespace

QString frmPrint::previewFailureText()
{
    return QStringLiteral("L'aperçu avant impression n'est pas possible.\r\n\r\n"
                          "Format de papier non pris en charge par l'imprimante.");
}

QString frmPrint::printFailureText()
{
    return QStringLiteral("L'impression du projet n'est pas possible.\r\n\r\n"
                          "Format de papier non pris en charge par l'imprimante.");
}

QString frmPrint::pdfFailureText(const QString &path)
{
    return QStringLiteral("Le fichier PDF n'a pas pu être enregistré.\r\n"
                          "Vérifiez que le dossier existe et que vous pouvez y écrire : ")
        + path;
}

void frmPrint::Command1_Click(int index)
{
    // A job lets events through between sheets: a second click waits.
    if (m_busy)
        return;
    if (index == 2) {
        hide();
        reject();
        return;
    }
    const WaitCursor wait;
    switch (index) {
    case 0:
        // The cut-mark step: the outline goes into the card picture.
        m_outline = m_settings.noCutMarks();
        Aperçu();
        break;
    case 1:
        m_outline = m_settings.noCutMarks();
        Imprimer();
        break;
    case 3:
        if (m_services.shell)
            HelpOpener(*m_services.shell, m_services.prompts).openHelp(m_services.appDir, QStringLiteral("impression"));
        break;
    default:
        break;
    }
}

std::optional<SheetJob> frmPrint::readJob()
{
    QString error;
    std::optional<SheetJob> job = m_settings.job(&error);
    if (!job) {
        m_services.prompts->msgBox(error, Msg::OkOnly | Msg::Exclamation);
        return std::nullopt;
    }
    job->cutMarks = m_outline.has_value();
    job->noCutMarks = m_outline.value_or(false);
    if (m_merge) {
        const int perSheet = int(job->layout(SheetJob::cardSize(m_card), SheetTarget::Print).cards().size());
        job->sheets = m_merge->sheets(perSheet);
    }
    return job;
}

bool frmPrint::Aperçu(bool printButtons)
{
    const std::optional<SheetJob> job = readJob();
    if (!job)
        return false;
    // Every sheet is alike: the pages share one picture of it. A merge's
    // sheets differ: each page draws its own when shown.
    const QImage sheet = SheetPreview::render(*job, m_card, m_palette, m_merge ? &*m_merge : nullptr, 0);
    if (sheet.isNull()) {
        m_services.prompts->msgBox(previewFailureText(), Msg::OkOnly | Msg::Critical, QStringLiteral("Erreur"));
        return false;
    }
    frmPage page(SheetPreview::pageTwips(*job), isVisible() ? this : parentWidget());
    page.setWindowTitle(page.windowTitle() + QStringLiteral(" - [") + m_caption + u']');
    page.Bouton(0)->setEnabled(printButtons);
    page.Bouton(1)->setEnabled(printButtons);
    page.onSetup = [this] { printerSetup(); };
    page.onPrint = [this] {
        const WaitCursor wait;
        Imprimer();
    };

    m_busy = true;
    m_preview = &page;
    for (int s = 1; s <= job->sheets; ++s) {
        QCoreApplication::processEvents();
        if (m_merge)
            page.Page(s)->setSheet([job = *job, card = m_card, palette = m_palette, cards = *m_merge, s] {
                return SheetPreview::render(job, card, palette, &cards, s - 1);
            });
        else
            page.Page(s)->setSheet(sheet);
        if (job->sheets > 1)
            Nouvelle_Page();
    }
    m_preview = nullptr;
    m_busy = false;
    page.Form_Load(job->sheets);

    const WaitCursor::Pause pointer;
    m_runModal(page);
    return true;
}

void frmPrint::Nouvelle_Page()
{
    if (m_preview)
        m_preview->Nouvelle_Page();
}

bool frmPrint::Imprimer()
{
    const std::optional<SheetJob> job = readJob();
    if (!job)
        return false;
    SheetPrinter::Destination destination = PrinterChoice::destination(m_services.appDir, m_printer);
    destination.paperSource = m_paperSource;
    return runJob(*job, destination);
}

void frmPrint::exportPdf()
{
    if (m_busy)
        return;
    // The same job as "Imprimer", cut-mark step included.
    m_outline = m_settings.noCutMarks();
    const std::optional<SheetJob> job = readJob();
    if (!job)
        return;

    m_dialog.FileName = m_caption + PdfSuffix;
    // The sheets go beside the projects; a projects folder among the
    // user's documents is made by the first save, this one included.
    m_dialog.InitDir = AppPaths::projectsDir(m_services.appDir);
    QDir().mkpath(m_dialog.InitDir);
    m_dialog.CancelError = true;
    m_dialog.DialogTitle = QStringLiteral("Enregistrer les planches au format PDF");
    m_dialog.Filter = QStringLiteral("Document PDF (*.pdf)|*.pdf|");
    m_dialog.FilterIndex = 1;
    m_dialog.Flags = CommonDialog::OverwritePrompt | CommonDialog::HideReadOnly;
    if (!m_dialog.ShowSave() || m_dialog.FileName.isEmpty())
        return;
    QString path = m_dialog.FileName;
    const bool suffixAdded = !path.endsWith(PdfSuffix, Qt::CaseInsensitive);
    if (suffixAdded)
        path += PdfSuffix;
    const QString refusal = OutputFile::refusal(path);
    if (!refusal.isEmpty()) {
        m_services.prompts->msgBox(refusal, Msg::OkOnly | Msg::Exclamation);
        return;
    }
    if (suffixAdded) {
        // The dialog asked about the name typed, not about this one.
        if (QFileInfo::exists(path)
            && m_services.prompts->msgBox(QStringLiteral("Le fichier \"") + QFileInfo(path).fileName()
                                              + QStringLiteral("\" existe déjà.\r\nVoulez-vous le remplacer ?"),
                                          Msg::YesNo | Msg::Exclamation)
                   != Msg::Yes)
            return;
    }
    const WaitCursor wait;
    runJob(*job, {QString(), path});
}

bool frmPrint::runJob(const SheetJob &job, const SheetPrinter::Destination &destination)
{
    m_busy = true;
    PrintProgress progress(job.sheets, ProgressThreshold, this);
    SheetPrinter::Report report;
    const SheetPrinter::Outcome outcome = SheetPrinter::print(
        job, m_card, m_palette, destination, m_caption,
        [&progress](int done, int total) { return progress.sheetDone(done, total); }, &report,
        m_merge ? &*m_merge : nullptr);
    m_busy = false;
    if (outcome == SheetPrinter::Outcome::Done && destination.pdfPath.isEmpty() && m_statusReport)
        m_statusReport(PrinterChoice::sentMessage(report, m_printer, job.sheets));
    reportOutcome(outcome, destination.pdfPath, report.detail);
    return outcome == SheetPrinter::Outcome::Done;
}

void frmPrint::reportOutcome(SheetPrinter::Outcome outcome, const QString &pdfPath, const QString &detail)
{
    switch (outcome) {
    case SheetPrinter::Outcome::Done:
    case SheetPrinter::Outcome::Cancelled:
        return;
    case SheetPrinter::Outcome::Unwritable:
        m_services.prompts->msgBox(pdfFailureText(pdfPath), Msg::OkOnly | Msg::Exclamation);
        return;
    case SheetPrinter::Outcome::ServerSilent:
    case SheetPrinter::Outcome::ServerUnreachable:
        m_services.prompts->msgBox(SheetPrinter::serverMessage(outcome), Msg::OkOnly | Msg::Critical,
                                   QStringLiteral("Erreur"));
        return;
    default:
        // The print server's reason, when it gave one, after the message.
        m_services.prompts->msgBox(printFailureText() + (detail.isEmpty() ? QString() : QStringLiteral("\r\n\r\n") + detail),
                                   Msg::OkOnly | Msg::Critical, QStringLiteral("Erreur"));
        return;
    }
}

void frmPrint::setMerge(std::optional<SheetCards> cards)
{
    m_merge = std::move(cards);
    m_text3[0]->setEnabled(!m_merge);
    showMergeSheets();
}

void frmPrint::showMergeSheets()
{
    if (!m_merge)
        return;
    // The sheets the cards fill with the layout chosen now.
    QString unused;
    const std::optional<SheetJob> job = m_settings.job(&unused);
    if (!job)
        return;
    const int perSheet = int(job->layout(SheetJob::cardSize(m_card), SheetTarget::Print).cards().size());
    // Shown, not typed: the field's own text stays what the user gave.
    const QString sheets = QString::number(std::max(1, m_merge->sheets(perSheet)));
    if (m_text3[0]->text() != sheets)
        m_text3[0]->setText(sheets);
}
