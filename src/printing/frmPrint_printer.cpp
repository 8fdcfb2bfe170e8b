// The print dialog's printer: its set-up and its calibration.
#include "frmPrint.h"

#include "CalibrationSheet.h"
#include "CupsQueue.h"
#include "PaperSizes.h"
#include "PrinterChoice.h"
#include "frmCalibration.h"
#include "platform/CommonDialog.h"
#include "platform/Prompts.h"
#include "platform/WaitCursor.h"

#include <QPrinterInfo>

namespace {

// Print set-up mode, returning an information context.
constexpr int PrinterSetupFlags = 0x240;
// A print server that has not answered by then will not.
constexpr int ServerTimeoutMs = 5000;

} // namespace

void frmPrint::printerSetup()
{
    // Asked first: a silent server would block every question to it.
    const CupsQueue::Server server = CupsQueue::probe(ServerTimeoutMs);
    if (server == CupsQueue::Server::Silent) {
        m_services.prompts->msgBox(SheetPrinter::serverMessage(SheetPrinter::Outcome::ServerSilent),
                                   Msg::OkOnly | Msg::Critical, QStringLiteral("Erreur"));
        return;
    }
    const bool answers = server == CupsQueue::Server::Answers;
    m_dialog.Flags = PrinterSetupFlags;
    m_dialog.Printers = answers ? QPrinterInfo::availablePrinterNames() : QStringList();
    m_dialog.PrinterName = m_dialog.Printers.contains(m_printer) || !answers ? m_printer
                                                                             : QPrinterInfo::defaultPrinterName();
    m_dialog.PaperNames = PaperSizes::itemTexts();
    m_dialog.PaperCodes.clear();
    for (int code = 1; code <= PaperSizes::StandardCount; ++code)
        m_dialog.PaperCodes.append(code);
    m_dialog.PaperSize = m_settings.customPaper() ? PaperSizes::Custom : m_settings.paperCode();
    m_dialog.PaperSource = m_paperSource;
    m_dialog.Orientation = m_settings.orientation();
    m_dialog.sourcesOf = [](const QString &queue) { return CupsQueue::paperSources(queue); };
    if (!m_dialog.ShowPrinter())
        return;

    if (!m_dialog.PrinterName.isEmpty() && m_dialog.PrinterName != m_printer) {
        m_printer = m_dialog.PrinterName;
        if (!PrinterChoice::remember(m_services.appDir, m_printer))
            m_services.prompts->msgBox(QStringLiteral("Le choix de l'imprimante n'a pas pu être enregistré : "
                                                      "il vaudra jusqu'à la fermeture du programme."),
                                       Msg::OkOnly | Msg::Exclamation);
    }
    m_paperSource = m_dialog.PaperSource;
    if (PaperSizes::isStandard(m_dialog.PaperSize)) {
        m_settings.setCustomPaper(false);
        m_settings.selectPaper(m_dialog.PaperSize - 1);
    }
    m_settings.setOrientation(m_dialog.Orientation);
    showSettings();
}

QString frmPrint::queueInUse()
{
    if (CupsQueue::probe(ServerTimeoutMs) == CupsQueue::Server::Answers) {
        if (!m_printer.isEmpty() && !QPrinterInfo::printerInfo(m_printer).isNull())
            return m_printer;
        if (const QString queue = QPrinterInfo::defaultPrinterName(); !queue.isEmpty())
            return queue;
    }
    m_services.prompts->msgBox(printFailureText(), Msg::OkOnly | Msg::Critical, QStringLiteral("Erreur"));
    return {};
}

void frmPrint::calibratePrinter()
{
    const QString queue = queueInUse();
    if (queue.isEmpty())
        return;
    frmCalibration dialog(queue, PrinterCalibration::read(m_services.appDir, queue), *m_services.prompts, this);
    dialog.onPrintSheet = [this, &queue] {
        QString error;
        std::optional<SheetJob> job = m_settings.job(&error);
        if (!job) {
            m_services.prompts->msgBox(error, Msg::OkOnly | Msg::Exclamation);
            return;
        }
        job->sheets = 1;
        const WaitCursor wait;
        // The sheet measures the printer as it is: printed without any
        // calibration.
        SheetPrinter::Destination destination{queue, {}};
        destination.paperSource = m_paperSource;
        SheetPrinter::Report report;
        const SheetPrinter::Outcome outcome = SheetPrinter::printPage(
            *job, destination, QStringLiteral("Calibration"),
            [&queue](QPainter &painter, double pixelsPerMm) { CalibrationSheet::paint(painter, pixelsPerMm, queue); },
            &report);
        if (outcome == SheetPrinter::Outcome::Done && m_statusReport)
            m_statusReport(PrinterChoice::sentMessage(report, queue, 1));
        reportOutcome(outcome, {}, report.detail);
    };
    const int result = m_runModal(dialog);
    if (result != frmCalibration::Saved && result != frmCalibration::Reset)
        return;
    if (!dialog.calibration().write(m_services.appDir, queue))
        m_services.prompts->msgBox(QStringLiteral("La calibration n'a pas pu être enregistrée dans Brivadune.ini."),
                                   Msg::OkOnly | Msg::Exclamation);
}
