#include "SourceDialog.h"

#include "ScanSourceList.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

SourceDialog::SourceDialog(ScanSourceList &sources, QWidget *parent) : QDialog(parent), m_sources(sources)
{
    setWindowTitle(QStringLiteral("Sélectionner la source"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Sources :"), this));
    m_list = new QListWidget(this);
    m_list->addItems(sources.rows());
    m_list->setCurrentRow(sources.currentRow());
    m_list->setMinimumWidth(360);
    layout->addWidget(m_list);

    auto *buttons = new QDialogButtonBox(this);
    m_ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    m_cancel = buttons->addButton(QStringLiteral("Annuler"), QDialogButtonBox::RejectRole);
    m_ok->setDefault(true);
    m_ok->setEnabled(!sources.isEmpty());
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &SourceDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &SourceDialog::reject);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &SourceDialog::accept);
}

void SourceDialog::accept()
{
    if (m_sources.isEmpty())
        return;
    m_sources.setCurrentRow(m_list->currentRow());
    QDialog::accept();
}
