#pragma once

#include "SaneSession.h"
#include "ScanSourceList.h"

#include <QList>
#include <QString>

// The application's scanner: the SANE devices found and the source the user
// chose among them. The chosen source is only a device name; the caller
// keeps it in the settings between runs. Holds a SANE session for its life.
class Scanner {
public:
    Scanner() = default;

    // The device name the user chose ("" when none was).
    const QString &source() const { return m_source; }
    void setSource(const QString &name) { m_source = name; }

    // The devices SANE finds, local and on the network. May take a few
    // seconds while backends look for network scanners; empty when there is
    // none or SANE could not start.
    QList<ScanDevice> devices() const;

    // The chooser's rows over `devices`, the chosen source selected (the
    // first device when it is not listed).
    ScanSourceList sourceList(const QList<ScanDevice> &devices) const { return {devices, m_source}; }
    // The device an acquisition uses: the chosen source when listed in
    // `devices`, otherwise the first one; "" when there is none.
    QString deviceFor(const QList<ScanDevice> &devices) const { return sourceList(devices).currentName(); }

private:
    SaneSession m_session;
    QString m_source;
};
