#pragma once

#include <QString>
#include <QStringList>

// What the command line asks before anything starts: the usage, the
// version, or a start of the program (a window or a headless job). Read
// from the raw arguments, before any toolkit object exists, so that these
// answers need no display.
namespace StartOptions {

enum class Request { Help, Version, Start };

// `--help` or `-h` anywhere gives the usage, else `--version` the version;
// arguments after "--" are file names.
Request request(const QStringList &args);

// The usage table in French, as `--help` prints it.
QString usage();
// "Brivadune " and the version the about box shows.
QString versionLine();

// The first argument of a start with a window that looks like an option
// ("-" and more) and is none of the window's (`--app-dir DIR`,
// `--app-dir=DIR`, `--report-startup`); empty when there is none. After
// "--" every argument is a file name.
QString unknownOption(const QStringList &args);
// The French message for it on standard error.
QString unknownOptionMessage(const QString &option);

// Removes a first "--" (the end of the options) from the file names.
void dropOptionsEnd(QStringList &args);

} // namespace StartOptions
