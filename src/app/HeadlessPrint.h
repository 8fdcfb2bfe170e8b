#pragma once

#include <QStringList>

// The command line's print job, without any window:
//   Brivadune [--app-dir DIR] --print-pdf OUT.pdf [--format NAME] [--sheets N]
//             [--quality Q] [--no-cut-marks] FILE.prj
//   Brivadune [--app-dir DIR] --print [--printer NAME] [--format NAME]
//             [--sheets N] [--quality Q] [--no-cut-marks] FILE.prj
// lays the project's card out as the print dialog does and writes the job
// to a PDF file or sends it to a CUPS queue (the default one unless
// named). The format is the one of the application folder's formats file
// whose name matches NAME without regard to case (the first of the sorted
// list when several do; without --format the first of the list, or the
// initial fields when the file has none); one sheet unless told; quality
// "brouillon", "basse", "normale" (default) or "haute"; the paper is A4
// unless the format names one. Options come in any order, before or after
// the one project file. It takes no single-instance lock.
namespace HeadlessPrint {

// Whether the arguments (program name excluded) ask for a print job.
bool requested(const QStringList &args);

// Runs the job; `args` are the arguments left once the application folder
// was taken out. Returns the process's exit status: 0 when the job was
// written or queued; otherwise 1, with a French message on standard error.
int run(const QStringList &args, const QString &appDir);

} // namespace HeadlessPrint
