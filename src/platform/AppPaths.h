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

// The folder where projects are proposed, opened and saved. For the
// user's folder that resolveAppDir chose for an installed program, a
// visible one: "Cartes de visite" in the user's documents folder (XDG
// documents, ~/Documents), rather than a hidden data folder. Otherwise
// (a program run from its build, a folder named by `--app-dir` or
// BRIVADUNE_HOME) the application folder's "Projets".
QString projectsDir(const QString &appDir);
// Whether projectsDir(appDir) is the documents folder's: created when a
// project is first saved there, not at start.
bool projectsInDocuments(const QString &appDir);

// Joins the folder and a name written with backslashes ("\Projets",
// "\Images\Images de fond\"): backslashes become "/" and exactly one "/"
// separates the two.
QString join(const QString &appDir, const QString &relative);

// The program's settings file, "Brivadune.ini" in the application folder.
QString settingsFile(const QString &appDir);

} // namespace AppPaths
