#pragma once

#include <QStringList>

// The command line's picture export, without any window:
//   Brivadune [--app-dir DIR] --export OUT [--dpi N] FILE.prj
// writes the flattened card of the project to OUT, a 24-bit BMP or a PNG by
// OUT's extension (in any case), at 15 twips per pixel or N dots per inch
// (72 to 1200);
//   Brivadune [--app-dir DIR] --export OUT.pdf [--bleed MM] [--crop-marks] FILE.prj
// writes the card for a print shop (ShopPdf), with a bleed of MM
// millimetres (0 to 5, 3 by default) and crop marks when asked. Options come in any order, before or after the one project
// file. It takes no single-instance lock, so it also runs while the
// program is open on the same application folder.
namespace HeadlessExport {

// Whether the arguments (program name excluded) ask for the export.
bool requested(const QStringList &args);

// Runs the export; `args` are the arguments left once the application
// folder was taken out. Returns the process's exit status: 0 when the
// picture was written; otherwise 1, with a French message on standard
// error.
int run(const QStringList &args);

} // namespace HeadlessExport
