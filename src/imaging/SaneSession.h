#pragma once

#include <QMutex>

// The process's use of libsane. sane_init runs when the first session is
// made and sane_exit when the last one goes, so a session held for the
// application's life initialises SANE once, while tests can start afresh
// (for instance with another SANE_CONFIG_DIR) by letting every session go.
//
// SANE calls on one library are not made from two threads at once: callers
// hold callLock() around them, except sane_cancel, which SANE lets another
// thread call to stop a running scan.
class SaneSession {
public:
    SaneSession();
    ~SaneSession();
    SaneSession(const SaneSession &) = delete;
    SaneSession &operator=(const SaneSession &) = delete;

    // Whether sane_init succeeded.
    bool isValid() const;

    static QMutex &callLock();
};
