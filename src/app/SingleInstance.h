#pragma once

#include <QString>
#include <memory>

class QLockFile;

// Refuses a second running copy of the application on the same application
// folder. The lock is a file in the user's private runtime folder
// (RuntimeFolder), one per application folder, named from a
// hash of the folder, held while this object lives. A lock left behind by a
// process that died (killed, crashed) is recognised by its dead process id
// and taken over, so it never blocks the next start.
class SingleInstance {
public:
    explicit SingleInstance(const QString &appDir);
    ~SingleInstance();
    SingleInstance(const SingleInstance &) = delete;
    SingleInstance &operator=(const SingleInstance &) = delete;

    // True when this process now holds the lock (also when it already did);
    // false when another running process holds it.
    bool tryAcquire();

    // The lock file used for `appDir`; empty when the runtime folder is not
    // private.
    static QString lockPathFor(const QString &appDir);

private:
    QString m_lockPath;
    std::unique_ptr<QLockFile> m_lock;
};
