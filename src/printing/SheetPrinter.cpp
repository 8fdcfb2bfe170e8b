#include "SheetPrinter.h"

#include "CupsQueue.h"
#include "PdfPageCopies.h"
#include "PrintArtwork.h"
#include "SheetCards.h"
#include "SheetJob.h"
#include "document/MergeCard.h"
#include "SheetPainter.h"
#include "platform/AtomicFile.h"
#include "platform/OutputFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryFile>

#include <cstdio>
#include <sys/stat.h>
#include <memory>

namespace {

constexpr double MmPerInch = 25.4;
constexpr int DeviceDpi = 1200;
// How long a print server may take to answer.
constexpr int ServerTimeoutMs = 30000;

// A PDF written to its end closes with "%%EOF": a full disk leaves it short.
bool isWholePdf(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() < 16)
        return false;
    file.seek(std::max<qint64>(0, file.size() - 32));
    return file.readAll().contains("%%EOF");
}

// The CUPS options of a job, as Qt's own printing gives them, with the
// colour and the quality asked for.
CupsQueue::Options cupsOptions(const QPageLayout &page, const SheetJob &job, const QString &source)
{
    CupsQueue::Options options;
    options.append({QStringLiteral("media"), page.pageSize().key()});
    if (!source.isEmpty())
        options.append({QStringLiteral("media-source"), source});
    options.append({QStringLiteral("sides"), QStringLiteral("one-sided")});
    if (job.landscape)
        options.append({QStringLiteral("landscape"), QString()});
    options.append({QStringLiteral("print-color-mode"),
                    job.grayscale ? QStringLiteral("monochrome") : QStringLiteral("color")});
    const int quality = job.quality == SheetJob::Draft ? 3 : job.quality == SheetJob::High ? 5 : 4;
    options.append({QStringLiteral("print-quality"), QString::number(quality)});
    return options;
}

// The device a job is drawn on: a CUPS printer (through Qt's printing,
// into a file handed to the queue afterwards), or a PDF file. A colour PDF
// needs no printing system at all; Qt's PDF writer has no grey mode, so a
// grey PDF goes through its printer.
class JobDevice {
public:
    // Null when the printer cannot be had.
    static std::unique_ptr<JobDevice> forPrinter(const QPrinterInfo &info, const QString &spool)
    {
        auto device = std::unique_ptr<JobDevice>(new JobDevice);
        device->m_printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
        if (device->m_printer->outputFormat() != QPrinter::NativeFormat
            || device->m_printer->printerName() != info.printerName())
            return nullptr;
        // The name does not end in ".pdf", which would make it a PDF job.
        device->m_printer->setOutputFileName(spool);
        return device;
    }
    static std::unique_ptr<JobDevice> forPdf(bool grayscale, const QString &spool)
    {
        auto device = std::unique_ptr<JobDevice>(new JobDevice);
        if (grayscale) {
            device->m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
            device->m_printer->setOutputFormat(QPrinter::PdfFormat);
            device->m_printer->setOutputFileName(spool);
        } else {
            device->m_writer = std::make_unique<QPdfWriter>(spool);
            device->m_writer->setResolution(DeviceDpi);
        }
        return device;
    }

    QPagedPaintDevice &paged()
    {
        return m_printer ? static_cast<QPagedPaintDevice &>(*m_printer) : *m_writer;
    }

    // The whole sheet, no margin; false when the paper is refused.
    bool setUp(const SheetJob &job, const QString &title)
    {
        const QPageSize size = job.pageSize();
        if (!size.isValid())
            return false;
        const auto orientation = job.landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
        if (m_writer) {
            m_writer->setCreator(QStringLiteral("Brivadune"));
            m_writer->setTitle(title);
            QPageLayout layout(size, orientation, QMarginsF());
            layout.setMode(QPageLayout::FullPageMode);
            return m_writer->setPageLayout(layout);
        }
        m_printer->setFullPage(true);
        m_printer->setPageOrientation(orientation);
        if (!m_printer->setPageSize(size))
            return false;
        m_printer->setColorMode(job.grayscale ? QPrinter::GrayScale : QPrinter::Color);
        m_printer->setDocName(title);
        m_printer->setCreator(QStringLiteral("Brivadune"));
        return true;
    }

private:
    JobDevice() = default;
    std::unique_ptr<QPrinter> m_printer;
    std::unique_ptr<QPdfWriter> m_writer;
};

enum class Painted { All, Cancelled };

// Every sheet its own cards, filled from a list; the device starts a new
// page between sheets.
Painted paintMerge(QPagedPaintDevice &device, QPainter &painter, const SheetJob &job, const CardData &card,
                   const QPalette &palette, const SheetCards &cards, const SheetPrinter::Progress &progress)
{
    const SheetLayout layout = job.layout(SheetJob::cardSize(card), SheetTarget::Print);
    const QSizeF cardMm = layout.cards().isEmpty() ? QSizeF() : layout.cards().constFirst().size();
    // The pictures are made once and shared by every card of every sheet.
    const PrintArtwork artwork(card, job.dpi(), cardMm, palette);
    const MergeCard merge(artwork.card(), cards.columns);
    const double pixelsPerMm = device.logicalDpiX() / MmPerInch;
    const int perSheet = int(layout.cards().size());
    const int sheets = cards.sheets(perSheet);
    for (int sheet = 0; sheet < sheets; ++sheet) {
        if (sheet > 0 && !device.newPage())
            return Painted::Cancelled;
        SheetPainter::paint(painter, layout, pixelsPerMm, artwork, job, [&](int place) -> std::optional<CardData> {
            const int n = sheet * perSheet + place;
            if (n >= cards.count)
                return std::nullopt;
            return merge.fill(cards.values(n));
        });
        if (progress && !progress(sheet + 1, sheets))
            return Painted::Cancelled;
    }
    return Painted::All;
}

Painted paintSheets(const QPagedPaintDevice &device, QPainter &painter, const SheetJob &job, const CardData &card,
                    const QPalette &palette, const SheetPrinter::Progress &progress)
{
    const SheetLayout layout = job.layout(SheetJob::cardSize(card), SheetTarget::Print);
    const QSizeF cardMm = layout.cards().isEmpty() ? QSizeF() : layout.cards().constFirst().size();
    // Made once: every copy on every sheet draws the same pictures.
    const PrintArtwork artwork(card, job.dpi(), cardMm, palette);
    const double pixelsPerMm = device.logicalDpiX() / MmPerInch;
    // Every sheet is the same: the first is drawn, the file then gets the
    // others as copies of it (PdfPageCopies); they are counted for the
    // progress.
    SheetPainter::paint(painter, layout, pixelsPerMm, artwork, job);
    for (int sheet = 1; sheet <= job.sheets; ++sheet) {
        if (progress && !progress(sheet, job.sheets))
            return Painted::Cancelled;
    }
    return Painted::All;
}

} // namespace

QString SheetPrinter::serverMessage(Outcome outcome)
{
    if (outcome == Outcome::ServerSilent)
        return QStringLiteral("Le serveur d'impression ne répond pas.");
    if (outcome == Outcome::ServerUnreachable)
        return QStringLiteral("Le serveur d'impression est injoignable.");
    return QString();
}

SheetPrinter::Outcome SheetPrinter::print(const SheetJob &job, const CardData &card, const QPalette &palette,
                                          const Destination &destination, const QString &title,
                                          const Progress &progress, Report *report, const SheetCards *cards)
{
    const Drawing draw = [&](QPagedPaintDevice &device, QPainter &painter) {
        return (cards ? paintMerge(device, painter, job, card, palette, *cards, progress)
                      : paintSheets(device, painter, job, card, palette, progress))
               == Painted::All;
    };
    // A merge draws every sheet; otherwise the one sheet drawn is repeated.
    return run(job, destination, title, report, draw, cards ? 0 : job.sheets);
}

SheetPrinter::Outcome SheetPrinter::printPage(const SheetJob &job, const Destination &destination,
                                              const QString &title,
                                              const std::function<void(QPainter &, double)> &draw, Report *report)
{
    return run(job, destination, title, report, [&draw](QPagedPaintDevice &device, QPainter &painter) {
        draw(painter, device.logicalDpiX() / MmPerInch);
        return true;
    }, 0);
}

SheetPrinter::Outcome SheetPrinter::run(const SheetJob &job, const Destination &destination, const QString &title,
                                        Report *report, const Drawing &draw, int repeat)
{
    Report unused;
    Report &said = report ? *report : unused;
    const bool toPdf = !destination.pdfPath.isEmpty();
    const Outcome unwritten = toPdf ? Outcome::Unwritable : Outcome::Failed;
    // A link is followed: its target is the file replaced. A folder, a
    // device or a pipe is never replaced.
    const QString pdfPath = toPdf ? OutputFile::target(destination.pdfPath) : QString();
    if (toPdf && !OutputFile::refusal(pdfPath).isEmpty())
        return Outcome::Unwritable;
    QPrinterInfo queue;
    if (!toPdf) {
        // Asked first: a server that does not answer blocks every query.
        switch (CupsQueue::probe(ServerTimeoutMs)) {
        case CupsQueue::Server::Silent: return Outcome::ServerSilent;
        case CupsQueue::Server::Unreachable: return Outcome::ServerUnreachable;
        case CupsQueue::Server::Answers: break;
        }
        if (!destination.printer.isEmpty())
            queue = QPrinterInfo::printerInfo(destination.printer);
        if (queue.isNull() && (destination.printer.isEmpty() || destination.orDefault)) {
            said.fellBack = !destination.printer.isEmpty();
            queue = QPrinterInfo::defaultPrinter();
            if (queue.isNull())
                return Outcome::NoPrinter;
        }
        if (queue.isNull())
            return Outcome::UnknownPrinter;
        said.printer = queue.printerName();
    }

    // The job is written to a file of its own first: beside the PDF's name
    // (so that putting it in place is one rename), or in the temporary
    // folder for the printer.
    // Named so that the cleanup of stale copies recognises one a crash left,
    // and removed by the program on every failure.
    const QString folder = toPdf ? QFileInfo(pdfPath).absolutePath() : QDir::tempPath();
    AtomicFile::removeStaleCopies(folder);
    const QString name = toPdf ? QFileInfo(pdfPath).fileName() : QStringLiteral("impression");
    const QString spoolName = folder + QStringLiteral("/.") + name + QStringLiteral(".brivadune-XXXXXX.part");
    QTemporaryFile spool(spoolName);
    if (!spool.open())
        return unwritten;
    spool.close();

    const std::unique_ptr<JobDevice> device = toPdf ? JobDevice::forPdf(job.grayscale, spool.fileName())
                                                    : JobDevice::forPrinter(queue, spool.fileName());
    if (!device)
        return Outcome::Failed;
    if (!device->setUp(job, title))
        return Outcome::PaperRefused;

    QPainter painter;
    if (!painter.begin(&device->paged()))
        return unwritten;
    // A printer's own shift and stretch are made up for on every page.
    if (!toPdf && destination.calibrationOf) {
        const double pixelsPerMm = device->paged().logicalDpiX() / MmPerInch;
        painter.setWorldTransform(destination.calibrationOf(said.printer).transform(pixelsPerMm));
    }
    const bool painted = draw(device->paged(), painter);
    painter.end();
    if (!painted)
        return Outcome::Cancelled;
    if (!isWholePdf(spool.fileName()))
        return unwritten;
    // A job of one sheet drawn as many times (not a merge, which drew every
    // sheet) has it copied into a second file, which is then the job's.
    QTemporaryFile copies(spoolName);
    QTemporaryFile *output = &spool;
    if (repeat > 1) {
        if (!copies.open())
            return unwritten;
        copies.close();
        if (!PdfPageCopies::write(QFile::encodeName(spool.fileName()).toStdString(),
                                  QFile::encodeName(copies.fileName()).toStdString(), repeat))
            return unwritten;
        output = &copies;
    }

    if (toPdf) {
        // The existing file's permissions, or the usual ones for a new
        // file; rename() then replaces an existing file in one step.
        const QByteArray outputName = QFile::encodeName(output->fileName());
        if (::chmod(outputName.constData(), OutputFile::modeFor(pdfPath)) != 0
            || std::rename(outputName.constData(), QFile::encodeName(pdfPath).constData()) != 0)
            return Outcome::Unwritable;
        output->setAutoRemove(false);
        return Outcome::Done;
    }
    QString error;
    if (CupsQueue::submit(queue.printerName(), output->fileName(), title,
                          cupsOptions(device->paged().pageLayout(), job, destination.paperSource), &error)
        == 0) {
        said.detail = error;
        return Outcome::Failed;
    }
    return Outcome::Done;
}
