#pragma once

#include <QString>
#include <QStringList>

class CardData;
class MergeReader;

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
bool loadProject(const QString &path, CardData &card, QString &error);

// Writes a French message on standard error; returns the failure status 1.
int fail(const QString &message);
// Writes a French message on standard error, the command going on.
void warn(const QString &message);

// A merge asked for with `--merge LIST [--copies N]`.
struct MergeRequest {
    QString list;
    int copies = 1;
};
// Reads `--merge` or `--copies` at args[i]: true when args[i] is one of
// them; `error` is set when its value is wrong.
bool readMergeOption(const QStringList &args, int &i, MergeRequest &merge, QString &error);

} // namespace CommandLine
