#pragma once

#include "PrinterCalibration.h"

#include <QPalette>
#include <QString>

#include <functional>

class CardData;
class QPagedPaintDevice;
class QPainter;
struct SheetCards;
struct SheetJob;

// Prints a job through Qt's printing: to a CUPS queue (the default one
// unless named) or to a PDF file. The page is the whole sheet (no driver
// margin), positions are millimetres from its corner, and the card is drawn
// straight onto the device by the renderer, its pictures made once for the
// job at the quality's resolution.
//
// Nothing of a job that fails or is cancelled comes out: the printer gets
// the job once it is complete, and a PDF file is written beside its final
// name and put in place at the end, so an existing file stays whole.
class SheetPrinter {
public:
    enum class Outcome {
        Done,
        Cancelled,
        NoPrinter,       // no default printer
        UnknownPrinter,  // the named printer does not exist
        PaperRefused,    // the printer cannot take the paper
        Unwritable,      // the PDF file cannot be written there
        ServerSilent,      // the print server does not answer
        ServerUnreachable, // there is no print server to ask
        Failed,          // any other failure
    };

    struct Destination {
        // Empty: the default printer.
        QString printer;
        // Not empty: a PDF file instead of a printer.
        QString pdfPath;
        // A named printer that is gone: the default one prints instead
        // (Report::fellBack) rather than the job being refused.
        bool orDefault = false;
        // The tray the paper comes from (a CUPS media source); empty: the
        // printer's own choice.
        QString paperSource = {};
        // The calibration of the printer that prints (never of a PDF file).
        std::function<PrinterCalibration(const QString &queue)> calibrationOf = {};
    };

    // What became of a job besides its outcome.
    struct Report {
        QString printer;       // the CUPS queue it went to
        bool fellBack = false; // the named printer was gone
        QString detail;        // the print server's reason for a refusal
    };

    // Called after each sheet with the sheets done and the total; returning
    // false cancels the job.
    using Progress = std::function<bool(int done, int total)>;

    // The print server's silence or absence, said in French; empty for
    // another outcome.
    static QString serverMessage(Outcome outcome);

    // `title` names the job (the card's caption). With `cards`, each place
    // gets its own card filled from a list, and the job has the sheets they
    // fill (the job's own count is not used).
    static Outcome print(const SheetJob &job, const CardData &card, const QPalette &palette,
                         const Destination &destination, const QString &title, const Progress &progress = {},
                         Report *report = nullptr, const SheetCards *cards = nullptr);

    // One page of the job's paper drawn by `draw`, given the device's
    // pixels per millimetre (the calibration sheet).
    static Outcome printPage(const SheetJob &job, const Destination &destination, const QString &title,
                             const std::function<void(QPainter &, double pixelsPerMm)> &draw,
                             Report *report = nullptr);

private:
    // Draws the job on the device (false: cancelled), then repeats its one
    // page into `repeat` pages when `repeat` is above 1.
    using Drawing = std::function<bool(QPagedPaintDevice &, QPainter &)>;
    static Outcome run(const SheetJob &job, const Destination &destination, const QString &title,
                       Report *report, const Drawing &draw, int repeat);
};
