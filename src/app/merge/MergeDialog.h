#pragma once

#include "MergeSetup.h"

#include <QDialog>
#include <functional>

class QLabel;
class QListWidget;
class QSpinBox;
class QTableView;

// "Fusion avec une liste...": the list chosen, its columns and records in a
// table (a box to tick each record to print, all at first), the copies of
// each record, and the list's fields to insert into the selected label.
// "Ok" merges the card with the list, "Sans fusion" ends its merge.
class MergeDialog : public QDialog {
    Q_OBJECT
public:
    // `insertField` puts "{Name}" into the selected label where its text is
    // being typed.
    MergeDialog(MergeSetup &setup, std::function<void(const QString &)> insertField, QWidget *parent = nullptr);

    // How the dialog ended: merged, merge ended, or nothing changed.
    enum Outcome { Merged = QDialog::Accepted + 1, Unmerged };

private:
    void showList();

    MergeSetup &m_setup;
    std::function<void(const QString &)> m_insertField;
    QLabel *m_file = nullptr;
    QTableView *m_table = nullptr;
    QSpinBox *m_copies = nullptr;
    QListWidget *m_fields = nullptr;
};
