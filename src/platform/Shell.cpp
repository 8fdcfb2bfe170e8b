#include "Shell.h"

#include <QDesktopServices>
#include <QUrl>

bool DesktopShell::open(const QString &target)
{
    if (target.trimmed().isEmpty())
        return false;
    const QUrl asUrl(target.trimmed());
    const QString scheme = asUrl.scheme().toLower();
    if (scheme == QLatin1String("http") || scheme == QLatin1String("https") || scheme == QLatin1String("mailto"))
        return QDesktopServices::openUrl(asUrl);
    return QDesktopServices::openUrl(QUrl::fromLocalFile(target));
}
