#include "SaneSession.h"

#include <QMutexLocker>

#include <sane/sane.h>

namespace {

struct SessionState {
    QMutex lock;
    int users = 0;
    bool initialised = false;
};

SessionState &state()
{
    static SessionState s;
    return s;
}

} // namespace

SaneSession::SaneSession()
{
    SessionState &s = state();
    const QMutexLocker locker(&s.lock);
    if (s.users++ == 0) {
        const QMutexLocker calls(&callLock());
        SANE_Int version = 0;
        s.initialised = sane_init(&version, nullptr) == SANE_STATUS_GOOD;
    }
}

SaneSession::~SaneSession()
{
    SessionState &s = state();
    const QMutexLocker locker(&s.lock);
    if (--s.users == 0 && s.initialised) {
        const QMutexLocker calls(&callLock());
        sane_exit();
        s.initialised = false;
    }
}

bool SaneSession::isValid() const
{
    SessionState &s = state();
    const QMutexLocker locker(&s.lock);
    return s.initialised;
}

QMutex &SaneSession::callLock()
{
    static QMutex lock;
    return lock;
}
