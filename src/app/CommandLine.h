#pragma once

#include <QString>
#include <QStringList>

class CardDocument;

// Pieces shared by the command-line commands that run without a window.
namespace CommandLine {

// "--name" or "--name=value".
bool isOption(const QString &arg, const QString &name);

// The value of option `name` at args[i], given as "--name=value" or as
// "--name value" (then `i` moves past it); false when it is missing.
bool optionValue(const QStringList &args, int &i, const QString &name, QString &value);

// Reads the one project file of a command into `card`; false with the
// French message in `error` when the file cannot be read or holds no
// project.
bool loadProject(const QString &path, CardDocument &card, QString &error);

// Writes a French message on standard error; returns the failure status 1.
int fail(const QString &message);

} // namespace CommandLine
