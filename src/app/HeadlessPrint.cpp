#include "HeadlessPrint.h"

#include "AutoAnswerPrompts.h"
#include "CommandLine.h"
#include "HeadlessMerge.h"
#include "printing/SheetCards.h"
#include "document/CardData.h"
#include "document/PlaceholderPicture.h"
#include "printing/PaperSizes.h"
#include "printing/PrintSettings.h"
#include "printing/PrinterChoice.h"
#include "printing/SheetPrinter.h"
#include "platform/OutputFile.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QPalette>

#include <optional>

namespace HeadlessPrint {

using CommandLine::fail;
using CommandLine::isOption;
using CommandLine::optionValue;

namespace {

const QString PdfOption = QStringLiteral("--print-pdf");
const QString PrintOption = QStringLiteral("--print");
const QString PrinterOption = QStringLiteral("--printer");
const QString FormatOption = QStringLiteral("--format");
const QString SheetsOption = QStringLiteral("--sheets");
const QString QualityOption = QStringLiteral("--quality");
const QString NoCutMarksOption = QStringLiteral("--no-cut-marks");

struct Request {
    QString pdf;
    bool print = false;
    QString printer;
    std::optional<QString> format;
    int sheets = 1;
    int quality = SheetJob::Normal;
    bool noCutMarks = false;
    QString project;
    CommandLine::MergeRequest merge;
};

std::optional<int> qualityCode(const QString &word)
{
    const QString w = word.trimmed().toLower();
    if (w == QLatin1String("brouillon"))
        return SheetJob::Draft;
    if (w == QLatin1String("basse"))
        return SheetJob::Low;
    if (w == QLatin1String("normale"))
        return SheetJob::Normal;
    if (w == QLatin1String("haute"))
        return SheetJob::High;
    return std::nullopt;
}

// Reads one option at args[i] into the request; false with `error` set
// when it is not one of the print options or its value is wrong.
bool readOption(const QStringList &args, int &i, Request &request, QString &error)
{
    const QString &arg = args.at(i);
    QString value;
    const auto missing = [&](const QString &name, const QString &what) {
        error = QStringLiteral("L'option %1 demande %2.").arg(name, what);
        return false;
    };
    if (isOption(arg, PdfOption)) {
        if (!optionValue(args, i, PdfOption, value) || value.isEmpty())
            return missing(PdfOption, QStringLiteral("le nom du fichier PDF à écrire"));
        request.pdf = value;
    } else if (arg == PrintOption) {
        request.print = true;
    } else if (isOption(arg, PrinterOption)) {
        if (!optionValue(args, i, PrinterOption, value) || value.isEmpty())
            return missing(PrinterOption, QStringLiteral("le nom de l'imprimante"));
        request.printer = value;
    } else if (isOption(arg, FormatOption)) {
        if (!optionValue(args, i, FormatOption, value) || value.trimmed().isEmpty())
            return missing(FormatOption, QStringLiteral("le nom d'un format"));
        request.format = value.trimmed();
    } else if (isOption(arg, SheetsOption)) {
        const std::optional<int> sheets =
            optionValue(args, i, SheetsOption, value)
                ? SheetFields::readWholeNumber(value, 1, PrintSettings::MaxSheets)
                : std::nullopt;
        if (!sheets) {
            error = QStringLiteral("Le nombre de planches (--sheets) doit être un nombre entier de 1 à %1.")
                        .arg(PrintSettings::MaxSheets);
            return false;
        }
        request.sheets = *sheets;
    } else if (isOption(arg, QualityOption)) {
        const std::optional<int> code =
            optionValue(args, i, QualityOption, value) ? qualityCode(value) : std::nullopt;
        if (!code) {
            error = QStringLiteral("La qualité (--quality) est brouillon, basse, normale ou haute.");
            return false;
        }
        request.quality = *code;
    } else if (arg == NoCutMarksOption) {
        request.noCutMarks = true;
    } else if (CommandLine::readMergeOption(args, i, request.merge, error)) {
        return error.isEmpty();
    } else {
        error = QStringLiteral("Option inconnue : ") + arg;
        return false;
    }
    return true;
}

// The request, or the French message telling what is wrong with it.
std::optional<Request> parse(const QStringList &args, QString &error)
{
    Request request;
    for (int i = 0; i < args.size(); ++i) {
        const QString &arg = args.at(i);
        if (arg.startsWith(QStringLiteral("--"))) {
            if (!readOption(args, i, request, error))
                return std::nullopt;
        } else if (!request.project.isEmpty()) {
            error = QStringLiteral("Un seul fichier projet peut être imprimé à la fois.");
            return std::nullopt;
        } else {
            request.project = arg;
        }
    }
    if (request.print == !request.pdf.isEmpty()) {
        error = QStringLiteral("Choisissez soit --print, soit --print-pdf.");
        return std::nullopt;
    }
    if (!request.printer.isEmpty() && !request.print) {
        error = QStringLiteral("L'option --printer ne s'emploie qu'avec --print.");
        return std::nullopt;
    }
    if (request.project.isEmpty()) {
        error = QStringLiteral("Indiquez le fichier projet à imprimer.");
        return std::nullopt;
    }
    return request;
}

// Selects the first format of the sorted list named `name` (any case).
bool selectFormat(PrintSettings &settings, const QString &name)
{
    const QStringList &items = settings.formats().items();
    for (int i = 0; i < items.size(); ++i) {
        if (SheetFormat(items.at(i)).name().compare(name, Qt::CaseInsensitive) == 0) {
            settings.selectFormat(i);
            return true;
        }
    }
    return false;
}

QString outcomeMessage(SheetPrinter::Outcome outcome, const Request &request, const QString &detail)
{
    switch (outcome) {
    case SheetPrinter::Outcome::ServerSilent:
    case SheetPrinter::Outcome::ServerUnreachable:
        return SheetPrinter::serverMessage(outcome);
    case SheetPrinter::Outcome::NoPrinter:
        return QStringLiteral("Aucune imprimante par défaut n'est installée : nommez-en une avec --printer.");
    case SheetPrinter::Outcome::UnknownPrinter:
        return QStringLiteral("L'imprimante \"%1\" n'existe pas.").arg(request.printer);
    case SheetPrinter::Outcome::PaperRefused:
        return QStringLiteral("L'imprimante ne prend pas en charge ce format de papier.");
    case SheetPrinter::Outcome::Unwritable:
        return QStringLiteral("Le fichier PDF n'a pas pu être enregistré : ") + request.pdf;
    default:
        break;
    }
    QString text = QStringLiteral("L'impression du projet n'est pas possible.");
    if (!detail.isEmpty())
        text += QStringLiteral(" (") + detail + u')';
    return text;
}

} // namespace

bool requested(const QStringList &args)
{
    for (const QString &arg : args) {
        if (arg == PrintOption || isOption(arg, PdfOption))
            return true;
    }
    return false;
}

int run(const QStringList &args, const QString &appDir)
{
    QString error;
    const std::optional<Request> request = parse(args, error);
    if (!request)
        return fail(error);

    if (!request->pdf.isEmpty()) {
        const QString refusal = OutputFile::refusal(request->pdf, {request->project, request->merge.list});
        if (!refusal.isEmpty())
            return fail(refusal);
    }

    // The formats file is read as the dialog reads it; nothing is asked.
    AutoAnswerPrompts silent;
    PrintSettings settings(appDir, silent);
    settings.Charger_Formats(false);
    if (request->format && !selectFormat(settings, *request->format))
        return fail(QStringLiteral("Le format \"%1\" n'existe pas dans %2.")
                        .arg(*request->format, settings.formats().filePath()));
    // A4 unless the format names a paper.
    if (!settings.formats().selectedFormat().paperCode()) {
        settings.setCustomPaper(false);
        settings.selectPaper(PaperSizes::A4 - 1);
    }
    settings.setSheetsText(QString::number(request->sheets));
    settings.setQuality(request->quality);
    settings.setNoCutMarks(request->noCutMarks);
    std::optional<SheetJob> job = settings.job(&error);
    if (!job)
        return fail(QStringLiteral("Le format choisi ne peut pas être imprimé : ") + error);
    job->noCutMarks = request->noCutMarks;

    CardData card(PlaceholderPicture::make());
    if (!CommandLine::loadProject(request->project, card, error))
        return fail(error);

    // With a list, each place gets the card filled from its record, each
    // record as many times as its copies; the sheets are those they fill.
    std::unique_ptr<HeadlessMerge> merge;
    std::optional<SheetCards> cards;
    if (!request->merge.list.isEmpty()) {
        merge = HeadlessMerge::open(request->merge.list, error);
        if (!merge)
            return fail(error);
        merge->warnFields(card);
        merge->warnCodes(card);
        const int copies = request->merge.copies;
        cards = SheetCards{merge->records() * copies, merge->columns(),
                           [&merge, copies](int n) { return merge->values(n / copies); }};
        if (cards->count == 0)
            return fail(QStringLiteral("La liste \"") + QFileInfo(request->merge.list).fileName()
                        + QStringLiteral("\" n'a aucune fiche à imprimer."));
    }

    // A printer named here must exist; otherwise the one chosen in the
    // program, or the default one. Either is calibrated; a PDF never is.
    SheetPrinter::Destination destination{request->printer, request->pdf};
    const QString chosen = request->printer.isEmpty() ? PrinterChoice::remembered(appDir) : request->printer;
    if (request->pdf.isEmpty()) {
        destination = PrinterChoice::destination(appDir, chosen);
        destination.orDefault = request->printer.isEmpty();
    }
    SheetPrinter::Report report;
    const SheetPrinter::Outcome outcome =
        SheetPrinter::print(*job, card, QGuiApplication::palette(), destination,
                            QFileInfo(request->project).completeBaseName(), {}, &report, cards ? &*cards : nullptr);
    if (merge)
        merge->warnRecords();
    if (outcome != SheetPrinter::Outcome::Done)
        return fail(outcomeMessage(outcome, *request, report.detail));
    if (report.fellBack)
        CommandLine::warn(QStringLiteral("L'imprimante \"%1\" n'existe plus : l'impression est allée à \"%2\".")
                              .arg(chosen, report.printer));
    return 0;
}

} // namespace HeadlessPrint
