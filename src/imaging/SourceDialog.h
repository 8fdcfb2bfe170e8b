#pragma once

#include <QDialog>

class QListWidget;
class QPushButton;
class ScanSourceList;

// "Sélectionner la source": the devices found, one per row, the current
// source selected. "OK" (or a double click) makes the selected row the
// list's current one; "Annuler" leaves it as it was.
class SourceDialog : public QDialog {
    Q_OBJECT
public:
    SourceDialog(ScanSourceList &sources, QWidget *parent = nullptr);

    QListWidget *list() const { return m_list; }
    QPushButton *cancelButton() const { return m_cancel; }

    void accept() override;

private:
    ScanSourceList &m_sources;
    QListWidget *m_list = nullptr;
    QPushButton *m_ok = nullptr;
    QPushButton *m_cancel = nullptr;
};
