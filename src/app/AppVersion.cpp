#include "AppVersion.h"

// The build passes the project's version.
#ifndef BRIVADUNE_VERSION_MAJOR
#error "BRIVADUNE_VERSION_MAJOR, _MINOR and _PATCH must be defined by the build"
#endif

namespace AppVersion {

QString text()
{
    return QStringLiteral("%1.%2.%3").arg(BRIVADUNE_VERSION_MAJOR).arg(BRIVADUNE_VERSION_MINOR).arg(BRIVADUNE_VERSION_PATCH);
}

} // namespace AppVersion
