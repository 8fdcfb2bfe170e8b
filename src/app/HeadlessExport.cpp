#include "HeadlessExport.h"

#include "CommandLine.h"
#include "HeadlessMerge.h"
#include "document/MergeCard.h"
#include "document/CardRenderer.h"
#include "document/PlaceholderPicture.h"
#include "platform/OutputFile.h"
#include "platform/PictureWriter.h"
#include "platform/Units.h"
#include "printing/ShopPdf.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPalette>

#include <optional>

namespace HeadlessExport {

using CommandLine::fail;
using CommandLine::isOption;
using CommandLine::optionValue;

namespace {

const QString ExportOption = QStringLiteral("--export");
const QString DpiOption = QStringLiteral("--dpi");
const QString BleedOption = QStringLiteral("--bleed");
const QString CropMarksOption = QStringLiteral("--crop-marks");
constexpr int MinDpi = 72;
constexpr int MaxDpi = 1200;

struct Request {
    QString output;
    QString project;
    std::optional<int> dpi;
    CommandLine::MergeRequest merge;
    std::optional<double> bleed;
    bool cropMarks = false;
};

// The request, or the French message telling what is wrong with it.
std::optional<Request> parse(const QStringList &args, QString &error)
{
    Request request;
    bool sawExport = false;
    for (int i = 0; i < args.size(); ++i) {
        const QString &arg = args.at(i);
        QString value;
        if (isOption(arg, ExportOption)) {
            if (!optionValue(args, i, ExportOption, value) || value.isEmpty()) {
                error = QStringLiteral("L'option --export demande le nom du fichier image à écrire.");
                return std::nullopt;
            }
            request.output = value;
            sawExport = true;
        } else if (isOption(arg, DpiOption)) {
            bool ok = false;
            const int dpi = optionValue(args, i, DpiOption, value) ? value.toInt(&ok) : 0;
            if (!ok || dpi < MinDpi || dpi > MaxDpi) {
                error = QStringLiteral("La résolution (--dpi) doit être un nombre entier de 72 à 1200 points par pouce.");
                return std::nullopt;
            }
            request.dpi = dpi;
        } else if (isOption(arg, BleedOption)) {
            bool ok = false;
            const double mm =
                optionValue(args, i, BleedOption, value) ? QString(value).replace(u',', u'.').toDouble(&ok) : 0;
            if (!ok || !(mm >= 0 && mm <= ShopPdf::MaxBleedMm)) {
                error = QStringLiteral("Le fond perdu (--bleed) doit être un nombre de millimètres de 0 à 5.");
                return std::nullopt;
            }
            request.bleed = mm;
        } else if (arg == CropMarksOption) {
            request.cropMarks = true;
        } else if (CommandLine::readMergeOption(args, i, request.merge, error)) {
            if (!error.isEmpty())
                return std::nullopt;
        } else if (arg.startsWith(QStringLiteral("--"))) {
            error = QStringLiteral("Option inconnue : ") + arg;
            return std::nullopt;
        } else if (!request.project.isEmpty()) {
            error = QStringLiteral("Un seul fichier projet peut être exporté à la fois.");
            return std::nullopt;
        } else {
            request.project = arg;
        }
    }
    if (!sawExport) {
        error = QStringLiteral("L'option --export manque.");
        return std::nullopt;
    }
    if (request.project.isEmpty()) {
        error = QStringLiteral("Indiquez le fichier projet à exporter.");
        return std::nullopt;
    }
    return request;
}

// "BMP" or "PNG" from the output's extension; empty for another one.
QByteArray formatOf(const QString &output)
{
    const QString suffix = QFileInfo(output).suffix().toLower();
    if (suffix == QLatin1String("bmp"))
        return "BMP";
    if (suffix == QLatin1String("png"))
        return "PNG";
    return {};
}

// "carte.png" and record 7 give "carte-007.png", beside it.
QString recordFile(const QString &output, int number)
{
    const QFileInfo file(output);
    const QString name = file.completeBaseName() + u'-' + QStringLiteral("%1").arg(number, 3, 10, QLatin1Char('0'))
                         + u'.' + file.suffix();
    return file.dir().filePath(name);
}

// One picture per record of the list, each written as soon as it is drawn.
int exportRecords(const Request &request, const CardData &card, double tpp, const QByteArray &format)
{
    QString error;
    const std::unique_ptr<HeadlessMerge> merge = HeadlessMerge::open(request.merge.list, error);
    if (!merge)
        return fail(error);
    merge->warnFields(card);
    merge->warnCodes(card);
    const MergeCard filling(card, merge->columns());
    for (int n = 0; n < merge->records(); ++n) {
        const QImage image = CardRenderer::flatten(filling.fill(merge->values(n)), tpp, QGuiApplication::palette());
        const QString path = recordFile(request.output, n + 1);
        const QString refusal = OutputFile::refusal(path, {request.project, request.merge.list});
        if (!refusal.isEmpty())
            return fail(refusal);
        if (image.isNull() || !PictureWriter::write(image, path, format.constData()))
            return fail(QStringLiteral("L'image n'a pas pu être enregistrée : ") + path);
    }
    merge->warnRecords();
    return 0;
}

} // namespace

bool requested(const QStringList &args)
{
    for (const QString &arg : args) {
        if (isOption(arg, ExportOption))
            return true;
    }
    return false;
}

int run(const QStringList &args)
{
    QString error;
    const std::optional<Request> request = parse(args, error);
    if (!request)
        return fail(error);
    const bool shop = QFileInfo(request->output).suffix().compare(QLatin1String("pdf"), Qt::CaseInsensitive) == 0;
    const QByteArray format = formatOf(request->output);
    if (format.isEmpty() && !shop)
        return fail(QStringLiteral("Le fichier image doit se terminer par .bmp, .png ou .pdf : ") + request->output);
    if (!shop && (request->bleed || request->cropMarks))
        return fail(QStringLiteral("Les options --bleed et --crop-marks ne vont qu'avec un fichier .pdf."));
    if (shop && (request->dpi || !request->merge.list.isEmpty()))
        return fail(QStringLiteral("Le PDF pour l'imprimeur ne prend ni --dpi ni --merge."));
    const QString refusal = OutputFile::refusal(request->output, {request->project, request->merge.list});
    if (!refusal.isEmpty())
        return fail(refusal);

    CardData card(PlaceholderPicture::make());
    QString loadError;
    if (!CommandLine::loadProject(request->project, card, loadError))
        return fail(loadError);

    if (shop) {
        QString error;
        const ShopPdf::Options options{request->bleed.value_or(3.0), request->cropMarks};
        return ShopPdf::write(card, request->output, options, QGuiApplication::palette(),
                              QFileInfo(request->project).completeBaseName(), error)
                   ? 0
                   : fail(error);
    }
    const double tpp = request->dpi ? Units::TwipsPerInch / *request->dpi : Units::ScreenTwipsPerPixel;
    if (!request->merge.list.isEmpty())
        return exportRecords(*request, card, tpp, format);
    const QImage image = CardRenderer::flatten(card, tpp, QGuiApplication::palette());
    if (image.isNull())
        return fail(QStringLiteral("Le projet \"") + request->project + QStringLiteral("\" n'a pas de carte à exporter."));
    if (!PictureWriter::write(image, request->output, format.constData()))
        return fail(QStringLiteral("L'image n'a pas pu être enregistrée : ") + request->output);
    return 0;
}

} // namespace HeadlessExport
