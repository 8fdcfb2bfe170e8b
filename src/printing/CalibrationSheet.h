#pragma once

#include <QString>

class QPainter;

// The sheet a printer is calibrated with: a vertical and a horizontal line
// PrinterCalibration::LineMm from the paper's left and top edges, crossing,
// each with its distance written beside it, and a square of
// PrinterCalibration::SquareMm, with how to measure them. Drawn in device
// units of `pixelsPerMm` from the paper's corner, without any calibration.
namespace CalibrationSheet {

void paint(QPainter &painter, double pixelsPerMm, const QString &printer);

} // namespace CalibrationSheet
