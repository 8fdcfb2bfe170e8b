#pragma once

#include <QString>
#include <QTransform>

#include <optional>

// How far a printer shifts and stretches what it prints, measured on a
// calibration sheet, and the correction every job on it gets: a point at
// (x, y) mm on the page is drawn at (offsetX / 10 + x * scale / 1000,
// offsetY / 10 + y * scale / 1000) mm. Stored per CUPS queue in the
// settings file, section "CALIBRATION <queue>".
struct PrinterCalibration {
    int offsetX = 0;  // tenths of a millimetre, positive to the right
    int offsetY = 0;  // tenths of a millimetre, positive downwards
    int scale = 1000; // per mille

    // Stored values beyond these are not a calibration (a hand-edited file).
    static constexpr int MaxOffset = 500;
    static constexpr int MinScale = 800;
    static constexpr int MaxScale = 1250;
    // The calibration sheet: its lines lie this far from the left and top
    // edges and its square has this side, in millimetres.
    static constexpr double LineMm = 20.0;
    static constexpr double SquareMm = 100.0;

    bool isNone() const { return offsetX == 0 && offsetY == 0 && scale == 1000; }
    // The correction in device units of `pixelsPerMm`.
    QTransform transform(double pixelsPerMm) const;

    // From what was measured on the calibration sheet (millimetres, as
    // typed: "19,5" or "19.5"); nothing, with `error` in French, for a
    // measure that is not a number or not plausible.
    static std::optional<PrinterCalibration> fromMeasures(const QString &left, const QString &top,
                                                          const QString &side, QString *error);

    // The queue's calibration in the settings file of `appDir`; none when
    // missing or unreadable.
    static PrinterCalibration read(const QString &appDir, const QString &queue);
    // Writes it (a calibration of none removes the queue's section); false
    // when the file could not be written.
    bool write(const QString &appDir, const QString &queue) const;
};
