#include "frmCalibration.h"

#include "platform/Prompts.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString Title = QStringLiteral("Calibrer l'imprimante");

QString millimetres(double mm)
{
    return QString::number(mm, 'f', 1).replace(u'.', u',');
}

// The correction in words: shift to the right and down, then the scale.
QString described(const PrinterCalibration &c)
{
    if (c.isNone())
        return QStringLiteral("Aucune correction.");
    return QStringLiteral("Correction : %1 mm vers la droite, %2 mm vers le bas, échelle %3 %.")
        .arg(millimetres(c.offsetX / 10.0), millimetres(c.offsetY / 10.0), millimetres(c.scale / 10.0));
}

} // namespace

frmCalibration::frmCalibration(const QString &printer, const PrinterCalibration &current, Prompts &prompts,
                               QWidget *parent)
    : QDialog(parent), m_prompts(prompts), m_calibration(current)
{
    setWindowTitle(Title);
    m_print = new QPushButton(QStringLiteral("Imprimer la feuille de calibration"), this);
    auto *form = new QFormLayout;
    const char16_t *labels[] = {u"Du bord gauche à la ligne verticale (mm) :",
                                u"Du bord haut à la ligne horizontale (mm) :", u"Côté du carré (mm) :"};
    const double expected[] = {PrinterCalibration::LineMm, PrinterCalibration::LineMm, PrinterCalibration::SquareMm};
    for (std::size_t i = 0; i < m_measures.size(); ++i) {
        m_measures[i] = new QLineEdit(this);
        m_measures[i]->setPlaceholderText(millimetres(expected[i]));
        form->addRow(QString::fromUtf16(labels[i]), m_measures[i]);
    }
    m_save = new QPushButton(QStringLiteral("Enregistrer"), this);
    m_reset = new QPushButton(QStringLiteral("Remettre à zéro"), this);
    auto *cancel = new QPushButton(QStringLiteral("Annuler"), this);
    m_save->setDefault(true);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_reset);
    buttons->addStretch(1);
    buttons->addWidget(m_save);
    buttons->addWidget(cancel);
    auto *column = new QVBoxLayout(this);
    column->addWidget(new QLabel(QStringLiteral("Imprimante : ") + printer, this));
    column->addWidget(new QLabel(described(current), this));
    column->addWidget(m_print, 0, Qt::AlignLeft);
    column->addWidget(new QLabel(QStringLiteral("Mesurez sur la feuille imprimée :"), this));
    column->addLayout(form);
    column->addLayout(buttons);

    connect(m_print, &QPushButton::clicked, this, [this] {
        if (onPrintSheet)
            onPrintSheet();
    });
    connect(m_save, &QPushButton::clicked, this, &frmCalibration::save);
    connect(m_reset, &QPushButton::clicked, this, [this] {
        m_calibration = {};
        done(Reset);
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void frmCalibration::save()
{
    QString error;
    const std::optional<PrinterCalibration> measured =
        PrinterCalibration::fromMeasures(m_measures[0]->text(), m_measures[1]->text(), m_measures[2]->text(), &error);
    if (!measured) {
        m_prompts.msgBox(error, Msg::OkOnly | Msg::Exclamation, Title);
        return;
    }
    m_calibration = *measured;
    done(Saved);
}
