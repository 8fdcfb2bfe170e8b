#pragma once

#include <QPointer>
#include <QProgressDialog>

class QWidget;

// The progress of a print job, sheet by sheet. Between sheets the user
// interface gets its pending events. A job of more than `threshold` sheets
// shows a window-modal progress dialog whose "Annuler" cancels the job.
class PrintProgress {
public:
    PrintProgress(int sheets, int threshold, QWidget *parent);
    ~PrintProgress();
    PrintProgress(const PrintProgress &) = delete;
    PrintProgress &operator=(const PrintProgress &) = delete;

    // After each sheet; false once "Annuler" was clicked.
    bool sheetDone(int done, int total);


private:
    static QString labelText(int done, int total);
    QPointer<QProgressDialog> m_dialog;
};
