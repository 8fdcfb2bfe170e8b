#pragma once

#include <QString>
#include <QStringList>

// The application folder holds projects, picture libraries, formats.ini,
// the settings file and help documents. It is the executable's folder,
// unless `--app-dir DIR` or BRIVADUNE_HOME names another.
namespace AppPaths {

// Picks the folder from the command line (`--app-dir DIR` or
// `--app-dir=DIR`), then BRIVADUNE_HOME, then `executableDir`. Removes the
// option from `args`.
QString resolveAppDir(QStringList &args, const QString &executableDir);

// Joins the folder and a name written with backslashes ("\Projets",
// "\Images\Images de fond\"): backslashes become "/" and exactly one "/"
// separates the two.
QString join(const QString &appDir, const QString &relative);

} // namespace AppPaths
