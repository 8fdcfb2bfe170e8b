#include "HeadlessExport.h"

#include "document/CardProject.h"
#include "document/CardRenderer.h"
#include "document/PlaceholderPicture.h"
#include "platform/PictureWriter.h"
#include "platform/Units.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QPalette>

#include <cstdio>
#include <optional>

namespace HeadlessExport {

namespace {

const QString ExportOption = QStringLiteral("--export");
const QString DpiOption = QStringLiteral("--dpi");
constexpr int MinDpi = 72;
constexpr int MaxDpi = 1200;

struct Request {
    QString output;
    QString project;
    std::optional<int> dpi;
};

int fail(const QString &message)
{
    std::fprintf(stderr, "%s\n", message.toUtf8().constData());
    return 1;
}

// Splits "--name=value" and "--name value"; false when the value is missing.
bool optionValue(const QStringList &args, int &i, const QString &name, QString &value)
{
    const QString &arg = args.at(i);
    if (arg.startsWith(name + u'=')) {
        value = arg.mid(name.size() + 1);
        return true;
    }
    if (i + 1 >= args.size())
        return false;
    value = args.at(++i);
    return true;
}

bool isOption(const QString &arg, const QString &name)
{
    return arg == name || arg.startsWith(name + u'=');
}

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
    const QByteArray format = formatOf(request->output);
    if (format.isEmpty())
        return fail(QStringLiteral("Le fichier image doit se terminer par .bmp ou .png : ") + request->output);

    CardDocument card(PlaceholderPicture::make());
    switch (CardProject::load(request->project, card, PlaceholderPicture::make())) {
    case CardProject::LoadResult::Loaded: break;
    case CardProject::LoadResult::Unreadable:
        return fail(QStringLiteral("Le fichier \"") + request->project + QStringLiteral("\" ne peut pas être ouvert."));
    case CardProject::LoadResult::NoProject:
        return fail(QStringLiteral("Le fichier \"") + request->project + QStringLiteral("\" ne contient pas de projet."));
    }

    const double tpp = request->dpi ? Units::TwipsPerInch / *request->dpi : Units::ScreenTwipsPerPixel;
    const QImage image = CardRenderer::flatten(card, tpp, QGuiApplication::palette());
    if (image.isNull())
        return fail(QStringLiteral("Le projet \"") + request->project + QStringLiteral("\" n'a pas de carte à exporter."));
    if (!PictureWriter::write(image, request->output, format.constData()))
        return fail(QStringLiteral("L'image n'a pas pu être enregistrée : ") + request->output);
    return 0;
}

} // namespace HeadlessExport
