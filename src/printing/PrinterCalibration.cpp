#include "PrinterCalibration.h"

#include "platform/AppPaths.h"
#include "platform/ProfileFile.h"

#include <cmath>

namespace {

const QString OffsetXKey = QStringLiteral("DecalageX");
const QString OffsetYKey = QStringLiteral("DecalageY");
const QString ScaleKey = QStringLiteral("Echelle");

QString sectionOf(const QString &queue)
{
    return QStringLiteral("CALIBRATION ") + queue;
}

std::optional<double> millimetres(const QString &text)
{
    bool ok = false;
    const double value = QString(text).replace(u',', u'.').trimmed().toDouble(&ok);
    return ok && std::isfinite(value) ? std::optional(value) : std::nullopt;
}

std::optional<int> storedInt(const ProfileFile &file, const QString &section, const QString &key, int fallback)
{
    if (!file.contains(section, key))
        return fallback;
    bool ok = false;
    const int value = file.readString(section, key).trimmed().toInt(&ok);
    return ok ? std::optional(value) : std::nullopt;
}

} // namespace

QTransform PrinterCalibration::transform(double pixelsPerMm) const
{
    const double s = scale / 1000.0;
    return QTransform(s, 0, 0, s, offsetX / 10.0 * pixelsPerMm, offsetY / 10.0 * pixelsPerMm);
}

std::optional<PrinterCalibration> PrinterCalibration::fromMeasures(const QString &left, const QString &top,
                                                                   const QString &side, QString *error)
{
    const std::optional<double> x = millimetres(left), y = millimetres(top), square = millimetres(side);
    // A printer that shifts by more than MaxOffset or stretches beyond the
    // scale's limits was measured wrong.
    const double maxShift = MaxOffset / 10.0;
    const auto onSheet = [maxShift](double mm) { return mm >= 0 && mm <= LineMm + maxShift; };
    const bool plausible = x && y && square && onSheet(*x) && onSheet(*y) && *square >= 100000.0 / MaxScale
                           && *square <= 100000.0 / MinScale;
    if (!plausible) {
        if (error)
            *error = QStringLiteral("Les mesures sont des millimètres : de 0 à 70 pour les distances aux lignes, "
                                    "de 80 à 125 pour le côté du carré.");
        return std::nullopt;
    }
    PrinterCalibration c;
    c.offsetX = int(std::lround(10.0 * (LineMm - *x)));
    c.offsetY = int(std::lround(10.0 * (LineMm - *y)));
    c.scale = int(std::lround(100000.0 / *square));
    return c;
}

PrinterCalibration PrinterCalibration::read(const QString &appDir, const QString &queue)
{
    if (queue.isEmpty())
        return {};
    const ProfileFile file(AppPaths::settingsFile(appDir));
    const QString section = sectionOf(queue);
    const std::optional<int> x = storedInt(file, section, OffsetXKey, 0);
    const std::optional<int> y = storedInt(file, section, OffsetYKey, 0);
    const std::optional<int> s = storedInt(file, section, ScaleKey, 1000);
    if (!x || !y || !s || std::abs(*x) > MaxOffset || std::abs(*y) > MaxOffset || *s < MinScale || *s > MaxScale)
        return {};
    return {*x, *y, *s};
}

bool PrinterCalibration::write(const QString &appDir, const QString &queue) const
{
    ProfileFile file;
    // A settings file that is there but unreadable is never replaced.
    if (!file.load(AppPaths::settingsFile(appDir)) && file.loadError() != GuardedFile::Error::Missing)
        return false;
    const QString section = sectionOf(queue);
    file.removeSection(section);
    if (!isNone()) {
        file.writeString(section, OffsetXKey, QString::number(offsetX));
        file.writeString(section, OffsetYKey, QString::number(offsetY));
        file.writeString(section, ScaleKey, QString::number(scale));
    }
    return file.save();
}
