#pragma once

#include "SheetPrinter.h"

#include <QString>

// The printer jobs go to: the CUPS queue chosen in the printer set-up,
// remembered in the settings file ([IMPRESSION] Imprimante=) from one run
// to the next; none chosen, the print server's default one.
namespace PrinterChoice {

QString remembered(const QString &appDir);
// False when the settings file could not be written.
bool remember(const QString &appDir, const QString &queue);

// Where a job on the chosen printer goes: that printer, the default one
// when it has gone away, calibrated as the settings file of `appDir` says.
SheetPrinter::Destination destination(const QString &appDir, const QString &queue);

// What the status bar says once CUPS has the job, after the word that the
// chosen printer was gone when the job went to the default one.
QString sentMessage(const SheetPrinter::Report &report, const QString &chosen, int sheets);

} // namespace PrinterChoice
