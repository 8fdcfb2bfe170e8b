#pragma once

#include "PrinterCalibration.h"

#include <QDialog>

#include <array>
#include <functional>

class Prompts;
class QLineEdit;
class QPushButton;

// "Calibrer l'imprimante": prints the calibration sheet on a printer, then
// takes the three measures made on it. "Enregistrer" closes with the
// calibration they give (Saved), "Remettre à zéro" with none (Reset).
class frmCalibration : public QDialog {
    Q_OBJECT
public:
    enum Result { Saved = 2, Reset = 3 };

    frmCalibration(const QString &printer, const PrinterCalibration &current, Prompts &prompts,
                   QWidget *parent = nullptr);

    // Prints the sheet; set by the print dialog.
    std::function<void()> onPrintSheet;

    // 0 the distance to the vertical line, 1 to the horizontal line, 2 the
    // square's side.
    QLineEdit *measure(int index) const { return m_measures[std::size_t(index)]; }
    QPushButton *printButton() const { return m_print; }
    QPushButton *saveButton() const { return m_save; }
    QPushButton *resetButton() const { return m_reset; }
    // The calibration chosen once closed with Saved.
    const PrinterCalibration &calibration() const { return m_calibration; }

private:
    void save();

    Prompts &m_prompts;
    PrinterCalibration m_calibration;
    std::array<QLineEdit *, 3> m_measures{};
    QPushButton *m_print = nullptr;
    QPushButton *m_save = nullptr;
    QPushButton *m_reset = nullptr;
};
