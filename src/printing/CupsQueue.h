#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

// Hands a finished print file to a CUPS queue. Qt's printing lays the job
// out for the printer and writes it; the file goes to the queue only once
// every sheet was drawn, so a cancelled or failed job prints nothing.
namespace CupsQueue {

using Options = QList<QPair<QString, QString>>;

enum class Server {
    Answers,     // the print server answered
    Silent,      // it took the connection but did not answer in time
    Unreachable, // no print server there
};

// Asks the print server (CUPS_SERVER, or the system's) one short question,
// giving up after `timeoutMs`: a server that does not answer would block
// every later call of the printing system.
Server probe(int timeoutMs);

// Queues `file` on `printer` ("name" or "name/instance") under `title`.
// Returns the job's number; 0 when CUPS refused it, `error` then holding
// CUPS' reason.
int submit(const QString &printer, const QString &file, const QString &title, const Options &options,
           QString *error);

// The trays `printer` can take its paper from, as CUPS names them ("auto",
// "tray-1", "manual"...); empty when it names none.
QStringList paperSources(const QString &printer);

} // namespace CupsQueue
