#include "PrinterChoice.h"

#include "platform/AppPaths.h"
#include "platform/ProfileFile.h"

namespace {

const QString Section = QStringLiteral("IMPRESSION");
const QString Key = QStringLiteral("Imprimante");

} // namespace

namespace PrinterChoice {

QString remembered(const QString &appDir)
{
    return ProfileFile::readOne(AppPaths::settingsFile(appDir), Section, Key).trimmed();
}

bool remember(const QString &appDir, const QString &queue)
{
    if (remembered(appDir) == queue)
        return true;
    return ProfileFile::writeOne(AppPaths::settingsFile(appDir), Section, Key, queue);
}

SheetPrinter::Destination destination(const QString &appDir, const QString &queue)
{
    SheetPrinter::Destination to;
    to.printer = queue;
    to.orDefault = true;
    to.calibrationOf = [appDir](const QString &used) { return PrinterCalibration::read(appDir, used); };
    return to;
}

QString sentMessage(const SheetPrinter::Report &report, const QString &chosen, int sheets)
{
    QString text;
    if (report.fellBack)
        text = QStringLiteral("L'imprimante \"%1\" n'existe plus : l'imprimante par défaut est employée. ").arg(chosen);
    return text + QStringLiteral("Impression envoyée à %1 (%2 planche(s)).").arg(report.printer).arg(sheets);
}

} // namespace PrinterChoice
