#include "ScanProgressDialog.h"

#include "ScanJob.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

ScanProgressDialog::ScanProgressDialog(ScanJob &job, QWidget *parent) : QDialog(parent), m_job(job)
{
    setWindowTitle(QStringLiteral("Acquérir une image"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Numérisation en cours..."), this));
    m_bar = new QProgressBar(this);
    m_bar->setRange(0, 100);
    m_bar->setValue(0);
    m_bar->setMinimumWidth(300);
    layout->addWidget(m_bar);
    auto *row = new QHBoxLayout;
    row->addStretch();
    m_cancel = new QPushButton(QStringLiteral("Annuler"), this);
    row->addWidget(m_cancel);
    layout->addLayout(row);

    connect(m_cancel, &QPushButton::clicked, this, &ScanProgressDialog::reject);
    connect(&m_job, &ScanJob::progressChanged, this, &ScanProgressDialog::setPercent);
    connect(&m_job, &ScanJob::finished, this, &ScanProgressDialog::jobEnded);
}

void ScanProgressDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_job.isFinished())
        QTimer::singleShot(0, this, &ScanProgressDialog::jobEnded); // ended before showing
    else
        m_job.start(); // ignored when already started
}

void ScanProgressDialog::setPercent(int percent)
{
    if (percent < 0) {
        m_bar->setRange(0, 0);
    } else {
        m_bar->setRange(0, 100);
        m_bar->setValue(percent);
    }
}

void ScanProgressDialog::reject()
{
    // The dialog closes when the scan has really stopped.
    m_cancel->setEnabled(false);
    m_job.cancel();
}

void ScanProgressDialog::jobEnded()
{
    if (isVisible())
        done(m_job.result() == ScanWritten ? Accepted : Rejected);
}
