#pragma once

#include <QMutex>
#include <QObject>
#include <QString>

#include <atomic>

class QThread;
class ScanImageBuilder;

// What an acquisition gives: 0 only when the picture file was written.
enum ScanResult : int {
    ScanWritten = 0,
    ScanNoDevice = 1,   // no device named, or it is gone
    ScanCancelled = 2,  // cancel() or the device's own cancel
    ScanDeviceError = 3, // SANE could not start, open, set up or read
    ScanUnsupported = 4, // a picture layout this does not read
    ScanTooLarge = 5,   // beyond ScanImageBuilder's limits
    ScanWriteError = 6, // the file could not be written
};

// One acquisition: scans with a SANE device in colour at 300 dots per inch
// (as far as the device offers it) and writes the picture as a 24-bit BMP
// file. The file appears only when the whole picture was scanned and
// written; on cancel or failure nothing is left at the path (an existing
// file there is kept as it was).
//
// Run it on a worker thread with start() (finished() then arrives on the
// job's thread). cancel() may be called from any thread; it stops a running
// scan through sane_cancel.
class ScanJob : public QObject {
    Q_OBJECT
public:
    ScanJob(const QString &deviceName, const QString &outputPath, QObject *parent = nullptr);
    // Cancels a scan still running and waits for its thread.
    ~ScanJob() override;

    // Starts the scan on a thread of its own; ignored once started.
    void start();
    // Stops the scan (a scan not yet started will not run).
    void cancel();

    // Whether start() has ended.
    bool isFinished() const { return m_finished.load(); }
    // Waits for a started scan to end; false when `msecs` ran out.
    bool wait(int msecs = -1);
    // The result once finished; ScanCancelled before.
    ScanResult result() const { return m_result.load(); }
    // Why the scan failed (a short French text); empty after success.
    QString errorText() const;

signals:
    // Percent done, or -1 while the length is unknown. Sent from the
    // scanning thread when the value changes.
    void progressChanged(int percent);
    // Sent once a started scan has ended, on the job's thread.
    void finished(int result);

private:
    ScanResult scan();
    ScanResult readFrames(void *handle, ScanImageBuilder &builder);
    void reportProgress(int percent);
    ScanResult fail(ScanResult result, const QString &text);
    void setHandle(void *handle);

    QString m_deviceName;
    QString m_outputPath;
    QThread *m_thread = nullptr;
    std::atomic<bool> m_cancelled{false};
    std::atomic<bool> m_finished{false};
    std::atomic<ScanResult> m_result{ScanCancelled};
    // Guards the open device's handle for cancel() and the error text.
    mutable QMutex m_stateLock;
    void *m_handle = nullptr;
    QString m_error;
    int m_lastPercent = -2;
};
