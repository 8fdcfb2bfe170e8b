#include "frmShopPdf.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QPushButton>
#include <QVBoxLayout>

frmShopPdf::frmShopPdf(QWidget &frame)
    : QDialog(&frame)
{
    setWindowTitle(QStringLiteral("Exporter pour l'imprimeur"));
    auto *column = new QVBoxLayout(this);
    auto *form = new QFormLayout;
    m_bleed = new QDoubleSpinBox(this);
    m_bleed->setRange(0, ShopPdf::MaxBleedMm);
    m_bleed->setSingleStep(0.5);
    m_bleed->setDecimals(1);
    m_bleed->setValue(ShopPdf::Options().bleedMm);
    m_bleed->setSuffix(QStringLiteral(" mm"));
    form->addRow(QStringLiteral("Fond perdu :"), m_bleed);
    column->addLayout(form);
    m_cropMarks = new QCheckBox(QStringLiteral("Traits de coupe"), this);
    column->addWidget(m_cropMarks);
    auto *buttons = new QDialogButtonBox(this);
    m_ok = buttons->addButton(QStringLiteral("Ok"), QDialogButtonBox::AcceptRole);
    m_cancel = buttons->addButton(QStringLiteral("Annuler"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    column->addWidget(buttons);
}

ShopPdf::Options frmShopPdf::options() const
{
    return {m_bleed->value(), m_cropMarks->isChecked()};
}
