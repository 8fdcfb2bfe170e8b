#include "CalibrationSheet.h"

#include "PrinterCalibration.h"

#include <QFont>
#include <QPainter>
#include <QPen>

namespace CalibrationSheet {

void paint(QPainter &painter, double pixelsPerMm, const QString &printer)
{
    const auto at = [pixelsPerMm](double xMm, double yMm) { return QPointF(xMm * pixelsPerMm, yMm * pixelsPerMm); };
    const double line = PrinterCalibration::LineMm;
    const double square = PrinterCalibration::SquareMm;
    // The square starts where it leaves room for the lines' captions and
    // fits the smallest paper (A5 is 148 mm wide).
    const double squareAt = 40.0;

    painter.save();
    painter.setPen(QPen(Qt::black, 0.2 * pixelsPerMm));
    painter.drawLine(at(line, 5), at(line, squareAt - 5));
    painter.drawLine(at(5, line), at(squareAt - 5, line));
    painter.drawRect(QRectF(at(squareAt, squareAt), at(squareAt + square, squareAt + square)));

    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(int(3.5 * pixelsPerMm));
    painter.setFont(font);
    const QString distance = QStringLiteral("%1 mm").arg(int(line));
    painter.drawText(at(line + 1.5, squareAt - 7), distance);
    painter.drawText(at(squareAt - 14, line - 1.5), distance);
    painter.drawText(at(squareAt + 2, squareAt + square / 2), QStringLiteral("Carré de %1 mm de côté").arg(int(square)));
    const QStringList notes = {
        QStringLiteral("Feuille de calibration de l'imprimante %1").arg(printer),
        QStringLiteral("Mesurez la distance du bord gauche du papier à la ligne verticale,"),
        QStringLiteral("celle du bord haut du papier à la ligne horizontale et le côté du carré,"),
        QStringLiteral("puis tapez-les dans « Calibrer l'imprimante »."),
    };
    double y = squareAt + square + 12;
    for (const QString &note : notes) {
        painter.drawText(at(squareAt, y), note);
        y += 6;
    }
    painter.restore();
}

} // namespace CalibrationSheet
