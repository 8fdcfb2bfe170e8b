#include "ScanSourceList.h"

ScanSourceList::ScanSourceList(QList<ScanDevice> devices, const QString &chosenName)
    : m_devices(std::move(devices))
{
    if (m_devices.isEmpty())
        return;
    m_current = 0;
    if (chosenName.isEmpty())
        return;
    for (int i = 0; i < m_devices.size(); ++i) {
        if (m_devices[i].name == chosenName) {
            m_current = i;
            break;
        }
    }
}

QString ScanSourceList::rowText(const ScanDevice &device)
{
    QStringList parts;
    for (const QString &part : {device.vendor, device.model}) {
        if (!part.trimmed().isEmpty())
            parts << part.trimmed();
    }
    parts << QLatin1Char('(') + device.name + QLatin1Char(')');
    return parts.join(QLatin1Char(' '));
}

QStringList ScanSourceList::rows() const
{
    QStringList result;
    for (const ScanDevice &device : m_devices)
        result << rowText(device);
    return result;
}

void ScanSourceList::setCurrentRow(int row)
{
    if (row >= 0 && row < m_devices.size())
        m_current = row;
}

QString ScanSourceList::currentName() const
{
    return m_current < 0 ? QString() : m_devices[m_current].name;
}
