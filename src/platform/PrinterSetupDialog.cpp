#include "PrinterSetupDialog.h"

#include "CommonDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

// The source a printer picks itself, as CUPS names it.
const QString AutoSource = QStringLiteral("auto");

} // namespace

PrinterSetupDialog::PrinterSetupDialog(CommonDialog &dialog, QWidget *parent)
    : QDialog(parent), m_dialog(dialog)
{
    setWindowTitle(QStringLiteral("Configuration de l'impression"));
    m_printers = new QComboBox(this);
    if (dialog.Printers.isEmpty()) {
        m_printers->addItem(QStringLiteral("Aucune imprimante n'est installée."));
        m_printers->setEnabled(false);
    } else {
        m_printers->addItems(dialog.Printers);
        m_printers->setCurrentIndex(std::max<qsizetype>(0, dialog.Printers.indexOf(dialog.PrinterName)));
    }
    m_papers = new QComboBox(this);
    m_papers->addItems(dialog.PaperNames);
    m_papers->setCurrentIndex(int(dialog.PaperCodes.indexOf(dialog.PaperSize)));
    m_sources = new QComboBox(this);

    auto *paper = new QGroupBox(QStringLiteral("Papier"), this);
    auto *paperForm = new QFormLayout(paper);
    paperForm->addRow(QStringLiteral("Taille :"), m_papers);
    paperForm->addRow(QStringLiteral("Source :"), m_sources);

    auto *orientation = new QGroupBox(QStringLiteral("Orientation"), this);
    m_portrait = new QRadioButton(QStringLiteral("Portrait"), orientation);
    m_landscape = new QRadioButton(QStringLiteral("Paysage"), orientation);
    (dialog.Orientation == 2 ? m_landscape : m_portrait)->setChecked(true);
    auto *orientationRow = new QHBoxLayout(orientation);
    orientationRow->addWidget(m_portrait);
    orientationRow->addWidget(m_landscape);
    orientationRow->addStretch(1);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Annuler"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *printerForm = new QFormLayout;
    printerForm->addRow(QStringLiteral("Imprimante :"), m_printers);
    auto *column = new QVBoxLayout(this);
    column->addLayout(printerForm);
    column->addWidget(paper);
    column->addWidget(orientation);
    column->addWidget(buttons);

    showSources();
    const int source = m_sources->findData(dialog.PaperSource);
    if (source >= 0)
        m_sources->setCurrentIndex(source);
    connect(m_printers, &QComboBox::currentIndexChanged, this, &PrinterSetupDialog::showSources);
}

void PrinterSetupDialog::showSources()
{
    m_sources->clear();
    // The printer's own choice comes first, then every tray it names.
    m_sources->addItem(QStringLiteral("Automatique"), QString());
    const QStringList sources = m_printers->isEnabled() && m_dialog.sourcesOf
                                    ? m_dialog.sourcesOf(m_printers->currentText())
                                    : QStringList();
    for (const QString &source : sources) {
        if (source != AutoSource)
            m_sources->addItem(source, source);
    }
    m_sources->setEnabled(m_sources->count() > 1);
}

void PrinterSetupDialog::accept()
{
    if (m_printers->isEnabled())
        m_dialog.PrinterName = m_printers->currentText();
    if (m_papers->currentIndex() >= 0 && m_papers->currentIndex() < m_dialog.PaperCodes.size())
        m_dialog.PaperSize = m_dialog.PaperCodes[m_papers->currentIndex()];
    m_dialog.PaperSource = m_sources->currentData().toString();
    m_dialog.Orientation = m_landscape->isChecked() ? 2 : 1;
    QDialog::accept();
}
