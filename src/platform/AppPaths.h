#pragma once

#include <QString>
#include <QStringList>

// The application folder holds projects, picture libraries, formats.ini,
// the settings file and help documents. It is the executable's folder,
// unless `--app-dir DIR` or BRIVADUNE_HOME names another. An installed
// program, whose supplied files are in ../share/brivadune beside the
// executable, works in a folder of its user's instead (UserAppFolder).
namespace AppPaths {

// Picks the folder from the command line (`--app-dir DIR` or
// `--app-dir=DIR`), then BRIVADUNE_HOME, then, for an installed program,
// the user's folder (created and filled with what is new among the
// installed files), then `executableDir`. Removes the option from `args`.
// A folder named by the option or the variable is used as it is.
QString resolveAppDir(QStringList &args, const QString &executableDir);

// Joins the folder and a name written with backslashes ("\Projets",
// "\Images\Images de fond\"): backslashes become "/" and exactly one "/"
// separates the two.
QString join(const QString &appDir, const QString &relative);

} // namespace AppPaths
