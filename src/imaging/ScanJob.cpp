#include "ScanJob.h"

#include "SaneScanSettings.h"
#include "SaneSession.h"
#include "ScanImageBuilder.h"

#include <QDeadlineTimer>
#include <QImage>
#include <QMutexLocker>
#include <QSaveFile>
#include <QThread>

#include <sane/sane.h>

#include <optional>
#include <vector>

namespace {

constexpr SANE_Int ReadChunk = 64 * 1024;

std::optional<ScanImageBuilder::Channel> channelOf(SANE_Frame format)
{
    switch (format) {
    case SANE_FRAME_GRAY: return ScanImageBuilder::Channel::Gray;
    case SANE_FRAME_RGB: return ScanImageBuilder::Channel::Rgb;
    case SANE_FRAME_RED: return ScanImageBuilder::Channel::Red;
    case SANE_FRAME_GREEN: return ScanImageBuilder::Channel::Green;
    case SANE_FRAME_BLUE: return ScanImageBuilder::Channel::Blue;
    }
    return std::nullopt;
}

QString statusText(SANE_Status status)
{
    return QString::fromUtf8(sane_strstatus(status));
}

} // namespace

ScanJob::ScanJob(const QString &deviceName, const QString &outputPath, QObject *parent)
    : QObject(parent), m_deviceName(deviceName), m_outputPath(outputPath)
{
}

ScanJob::~ScanJob()
{
    if (m_thread) {
        cancel();
        m_thread->wait();
        delete m_thread;
    }
}

void ScanJob::start()
{
    if (m_thread || m_finished)
        return;
    m_thread = QThread::create([this] {
        m_result = scan();
        m_finished = true;
    });
    connect(m_thread, &QThread::finished, this, [this] { emit finished(m_result.load()); });
    m_thread->start();
}

void ScanJob::cancel()
{
    m_cancelled = true;
    const QMutexLocker locker(&m_stateLock);
    if (m_handle)
        sane_cancel(static_cast<SANE_Handle>(m_handle));
}

bool ScanJob::wait(int msecs)
{
    if (!m_thread)
        return m_finished;
    return m_thread->wait(msecs < 0 ? QDeadlineTimer(QDeadlineTimer::Forever) : QDeadlineTimer(msecs));
}

QString ScanJob::errorText() const
{
    const QMutexLocker locker(&m_stateLock);
    return m_error;
}

ScanResult ScanJob::fail(ScanResult result, const QString &text)
{
    const QMutexLocker locker(&m_stateLock);
    m_error = text;
    return result;
}

void ScanJob::setHandle(void *handle)
{
    const QMutexLocker locker(&m_stateLock);
    m_handle = handle;
}

void ScanJob::reportProgress(int percent)
{
    if (percent == m_lastPercent)
        return;
    m_lastPercent = percent;
    emit progressChanged(percent);
}

ScanResult ScanJob::scan()
{
    const QString cancelled = QStringLiteral("Numérisation annulée.");
    if (m_deviceName.isEmpty())
        return fail(ScanNoDevice, QStringLiteral("Aucun scanner n'a été trouvé."));
    if (m_cancelled)
        return fail(ScanCancelled, cancelled);

    // The file is opened before the scanner moves, so a path that cannot be
    // written fails at once. Until commit() the picture goes to a temporary
    // file beside it, removed if the job ends any other way.
    QSaveFile file(m_outputPath);
    if (!file.open(QIODevice::WriteOnly))
        return fail(ScanWriteError, QStringLiteral("Impossible d'écrire le fichier %1.").arg(m_outputPath));

    const SaneSession session;
    if (!session.isValid())
        return fail(ScanDeviceError, QStringLiteral("SANE n'a pas pu démarrer."));

    ScanImageBuilder builder;
    {
        const QMutexLocker calls(&SaneSession::callLock());
        SANE_Handle handle = nullptr;
        const SANE_Status status = sane_open(m_deviceName.toUtf8().constData(), &handle);
        if (status != SANE_STATUS_GOOD || !handle) {
            return fail(status == SANE_STATUS_INVAL ? ScanNoDevice : ScanDeviceError,
                        QStringLiteral("Le scanner %1 ne s'ouvre pas : %2.").arg(m_deviceName, statusText(status)));
        }
        setHandle(handle);
        const ScanResult read = readFrames(handle, builder);
        // Ends the scan whatever happened (it is needed after a complete
        // scan too), then lets the device go.
        sane_cancel(handle);
        setHandle(nullptr);
        sane_close(handle);
        if (read != ScanWritten)
            return read;
    }

    const QImage image = builder.image();
    if (image.isNull())
        return fail(ScanUnsupported, QStringLiteral("Le scanner n'a envoyé aucune image."));
    if (!image.save(&file, "BMP"))
        return fail(ScanWriteError, QStringLiteral("Impossible d'écrire le fichier %1.").arg(m_outputPath));
    if (m_cancelled)
        return fail(ScanCancelled, cancelled);
    if (!file.commit())
        return fail(ScanWriteError, QStringLiteral("Impossible d'écrire le fichier %1.").arg(m_outputPath));
    return fail(ScanWritten, QString());
}

ScanResult ScanJob::readFrames(void *device, ScanImageBuilder &builder)
{
    const auto handle = static_cast<SANE_Handle>(device);
    const QString cancelled = QStringLiteral("Numérisation annulée.");
    const auto builderFailure = [&] { return fail(builder.tooLarge() ? ScanTooLarge : ScanUnsupported, builder.error()); };

    QString error;
    if (!applyScanSettings(handle, &error))
        return fail(ScanDeviceError, error);

    std::vector<SANE_Byte> buffer(ReadChunk);
    for (;;) {
        if (m_cancelled)
            return fail(ScanCancelled, cancelled);
        SANE_Status status = sane_start(handle);
        if (m_cancelled || status == SANE_STATUS_CANCELLED)
            return fail(ScanCancelled, cancelled);
        if (status != SANE_STATUS_GOOD)
            return fail(ScanDeviceError, QStringLiteral("Le scanner ne démarre pas : %1.").arg(statusText(status)));
        SANE_Parameters p{};
        status = sane_get_parameters(handle, &p);
        if (status != SANE_STATUS_GOOD)
            return fail(ScanDeviceError, QStringLiteral("Le scanner ne décrit pas l'image : %1.").arg(statusText(status)));
        const auto channel = channelOf(p.format);
        if (!channel)
            return fail(ScanUnsupported, QStringLiteral("Format d'image non pris en charge."));
        if (!builder.beginFrame({*channel, p.bytes_per_line, p.pixels_per_line, p.lines, p.depth}))
            return builderFailure();
        reportProgress(builder.percent());

        for (;;) {
            SANE_Int length = 0;
            status = sane_read(handle, buffer.data(), ReadChunk, &length);
            if (m_cancelled || status == SANE_STATUS_CANCELLED)
                return fail(ScanCancelled, cancelled);
            if (status == SANE_STATUS_EOF)
                break;
            if (status != SANE_STATUS_GOOD || length < 0 || length > ReadChunk)
                return fail(ScanDeviceError, QStringLiteral("Erreur de lecture du scanner : %1.").arg(statusText(status)));
            if (length == 0) {
                QThread::msleep(1); // nothing yet: do not spin
                continue;
            }
            if (!builder.append(reinterpret_cast<const char *>(buffer.data()), length))
                return builderFailure();
            reportProgress(builder.percent());
        }
        builder.endFrame();
        if (p.last_frame)
            return ScanWritten;
    }
}
