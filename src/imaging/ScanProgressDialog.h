#pragma once

#include <QDialog>

class QProgressBar;
class QPushButton;
class ScanJob;

// Shows a scan running: a progress bar (busy while the length is unknown)
// and "Annuler". The job starts when the dialog first shows; "Annuler",
// Escape or closing the window cancel it, and the dialog stays until the
// job has ended. It then closes, accepted when the file was written.
class ScanProgressDialog : public QDialog {
    Q_OBJECT
public:
    ScanProgressDialog(ScanJob &job, QWidget *parent = nullptr);

    QProgressBar *bar() const { return m_bar; }
    QPushButton *cancelButton() const { return m_cancel; }

    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void setPercent(int percent);
    void jobEnded();

    ScanJob &m_job;
    QProgressBar *m_bar = nullptr;
    QPushButton *m_cancel = nullptr;
};
