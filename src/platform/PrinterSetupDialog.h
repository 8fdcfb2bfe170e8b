#pragma once

#include <QDialog>

class CommonDialog;
class QComboBox;
class QRadioButton;

// "Configuration de l'impression": the printer among the CUPS queues, the
// paper, its source where the printer offers one, and the orientation. It
// shows a CommonDialog's printer set-up properties and, when accepted,
// writes the choice back into them.
class PrinterSetupDialog : public QDialog {
    Q_OBJECT
public:
    PrinterSetupDialog(CommonDialog &dialog, QWidget *parent = nullptr);

    QComboBox *printers() const { return m_printers; }
    QComboBox *papers() const { return m_papers; }
    QComboBox *sources() const { return m_sources; }

    void accept() override;

private:
    void showSources();

    CommonDialog &m_dialog;
    QComboBox *m_printers = nullptr;
    QComboBox *m_papers = nullptr;
    QComboBox *m_sources = nullptr;
    QRadioButton *m_portrait = nullptr;
    QRadioButton *m_landscape = nullptr;
};
