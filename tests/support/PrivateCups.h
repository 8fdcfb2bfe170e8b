#pragma once

// A CUPS scheduler of a test's own: cupsd run as root in a temporary
// folder, listening on a socket there, with one cups-pdf queue as its
// default printer. Programs given socketPath() in CUPS_SERVER print to it;
// cups-pdf writes each job as a PDF file in the submitting user's "PDF"
// folder. Everything is time-boxed; the scheduler is stopped with the
// object.

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

class PrivateCups {
public:
    static constexpr const char *Ppd = "/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd";
    static constexpr const char *Backend = "/usr/lib/cups/backend/cups-pdf";

    // Why the test cannot run here; empty when it can.
    static QString unavailableReason()
    {
        if (geteuid() != 0)
            return QStringLiteral("a private CUPS scheduler needs root");
        for (const char *tool : {"cupsd", "lpadmin"}) {
            if (QStandardPaths::findExecutable(QString::fromLatin1(tool), {QStringLiteral("/usr/sbin"), QStringLiteral("/usr/bin")}).isEmpty())
                return QStringLiteral("%1 is not installed (cups)").arg(QString::fromLatin1(tool));
        }
        if (!QFile::exists(QString::fromLatin1(Ppd)) || !QFile::exists(QString::fromLatin1(Backend)))
            return QStringLiteral("cups-pdf is not installed (printer-driver-cups-pdf)");
        return {};
    }

    ~PrivateCups()
    {
        if (m_cupsd.state() != QProcess::NotRunning) {
            m_cupsd.terminate();
            if (!m_cupsd.waitForFinished(10000)) {
                m_cupsd.kill();
                m_cupsd.waitForFinished(5000);
            }
        }
    }

    QString socketPath() const { return m_dir.filePath(QStringLiteral("cups.sock")); }
    QString errorLog() const
    {
        QFile log(m_dir.filePath(QStringLiteral("log/error_log")));
        return log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll()) : QString();
    }

    // The folder cups-pdf writes root's jobs to.
    static QString outputFolder()
    {
        const passwd *user = getpwuid(geteuid());
        return QDir(QString::fromLocal8Bit(user ? user->pw_dir : "/root")).filePath(QStringLiteral("PDF"));
    }

    // Starts the scheduler and adds the queue `name` as its default; false
    // with `error` set when that did not work within `timeoutMs`.
    bool start(const QString &name, int timeoutMs, QString &error)
    {
        if (!m_dir.isValid()) {
            error = QStringLiteral("no temporary folder");
            return false;
        }
        const QString root = m_dir.path();
        // The filters run as "lp": they read the queue's PPD here and write
        // in the spool and temporary folders.
        ::chmod(QFile::encodeName(root).constData(), 0755);
        for (const char *sub : {"spool", "tmp", "cache", "state", "log", "ppd"})
            QDir(root).mkpath(QString::fromLatin1(sub));
        for (const char *sub : {"spool", "tmp"})
            ::chmod(QFile::encodeName(m_dir.filePath(QString::fromLatin1(sub))).constData(), 01777);
        const auto write = [&](const char *file, const QString &text) {
            QFile f(m_dir.filePath(QString::fromLatin1(file)));
            return f.open(QIODevice::WriteOnly) && f.write(text.toUtf8()) == text.toUtf8().size();
        };
        const QString allowAll = QStringLiteral("  Order allow,deny\n  Allow all\n");
        if (!write("cupsd.conf", QStringLiteral("Listen %1\nLogLevel warn\nWebInterface No\nBrowsing No\n"
                                                "<Location />\n%2</Location>\n<Location /admin>\n%2</Location>\n")
                                     .arg(socketPath(), allowAll))
            || !write("cups-files.conf",
                      QStringLiteral("ServerRoot %1\nRequestRoot %1/spool\nCacheDir %1/cache\nStateDir %1/state\n"
                                     "TempDir %1/tmp\nAccessLog %1/log/access_log\nErrorLog %1/log/error_log\n"
                                     "PageLog %1/log/page_log\nUser lp\nGroup lp\nSystemGroup root lpadmin\n"
                                     "ServerBin /usr/lib/cups\nDataDir /usr/share/cups\n")
                          .arg(root))) {
            error = QStringLiteral("cannot write the configuration");
            return false;
        }

        const QDeadlineTimer deadline(timeoutMs);
        m_cupsd.setProcessChannelMode(QProcess::MergedChannels);
        m_cupsd.start(QStringLiteral("cupsd"), {QStringLiteral("-f"), QStringLiteral("-c"), m_dir.filePath(QStringLiteral("cupsd.conf")),
                                                QStringLiteral("-s"), m_dir.filePath(QStringLiteral("cups-files.conf"))});
        if (!m_cupsd.waitForStarted(5000)) {
            error = QStringLiteral("cupsd does not start");
            return false;
        }
        while (!QFileInfo::exists(socketPath())) {
            if (deadline.hasExpired() || m_cupsd.state() == QProcess::NotRunning) {
                error = QStringLiteral("cupsd is not listening: ") + QString::fromUtf8(m_cupsd.readAll()) + errorLog();
                return false;
            }
            QThread::msleep(50);
        }
        return addQueue(name, error) && admin({QStringLiteral("-d"), name}, error, deadline);
    }

    // Another cups-pdf queue.
    bool addQueue(const QString &name, QString &error)
    {
        return admin({QStringLiteral("-p"), name, QStringLiteral("-v"), QStringLiteral("cups-pdf:/"), QStringLiteral("-P"),
                      QString::fromLatin1(Ppd), QStringLiteral("-E")},
                     error);
    }

    // Runs a CUPS administration tool (lpadmin unless named) on the
    // scheduler, its output in `error` when it fails.
    bool admin(const QStringList &args, QString &error, const QDeadlineTimer &deadline = QDeadlineTimer(30000),
               const QString &tool = QStringLiteral("lpadmin"))
    {
        QProcess lpadmin;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("CUPS_SERVER"), socketPath());
        lpadmin.setProcessEnvironment(env);
        lpadmin.setProcessChannelMode(QProcess::MergedChannels);
        lpadmin.start(tool, args);
        if (!lpadmin.waitForFinished(int(std::max<qint64>(1000, deadline.remainingTime())))
            || lpadmin.exitCode() != 0) {
            lpadmin.kill();
            error = QStringLiteral("%1 %2: %3").arg(tool, args.join(u' '), QString::fromUtf8(lpadmin.readAll()));
            return false;
        }
        return true;
    }

    // The jobs the queue was given, finished or not, as lpstat lists them.
    QStringList jobs(const QString &queue)
    {
        QProcess lpstat;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("CUPS_SERVER"), socketPath());
        lpstat.setProcessEnvironment(env);
        lpstat.start(QStringLiteral("lpstat"), {QStringLiteral("-W"), QStringLiteral("all"), QStringLiteral("-o"), queue});
        lpstat.waitForFinished(10000);
        return QString::fromUtf8(lpstat.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    }

private:

    QTemporaryDir m_dir;
    QProcess m_cupsd;
};
