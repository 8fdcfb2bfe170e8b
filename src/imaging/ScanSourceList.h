#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// One device as SANE lists it.
struct ScanDevice {
    QString name; // what sane_open takes, e.g. "test:0"
    QString vendor;
    QString model;
    QString type;

    bool operator==(const ScanDevice &) const = default;
};

// The source chooser's state: the devices found and the one selected. The
// source remembered from before is selected when it is still listed;
// otherwise (none remembered, or the device is gone) the first device is.
class ScanSourceList {
public:
    ScanSourceList(QList<ScanDevice> devices, const QString &chosenName);

    const QList<ScanDevice> &devices() const { return m_devices; }
    bool isEmpty() const { return m_devices.isEmpty(); }
    // One line per device: "vendor model (name)".
    QStringList rows() const;

    // The selected row; -1 when there is no device.
    int currentRow() const { return m_current; }
    // Rows outside the list are ignored.
    void setCurrentRow(int row);
    // The selected device's name; empty when there is no device.
    QString currentName() const;

private:
    static QString rowText(const ScanDevice &device);
    QList<ScanDevice> m_devices;
    int m_current = -1;
};
