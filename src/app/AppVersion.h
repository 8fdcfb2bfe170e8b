#pragma once

#include <QString>

// The program's version, as the build gives it: "major.minor.revision".
// The about box and `--version` both show it.
namespace AppVersion {

QString text();

} // namespace AppVersion
