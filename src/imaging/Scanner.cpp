#include "Scanner.h"

#include <QMutexLocker>

#include <sane/sane.h>

QList<ScanDevice> Scanner::devices() const
{
    QList<ScanDevice> result;
    if (!m_session.isValid())
        return result;
    const QMutexLocker locker(&SaneSession::callLock());
    const SANE_Device **list = nullptr;
    if (sane_get_devices(&list, SANE_FALSE) != SANE_STATUS_GOOD || !list)
        return result;
    // The list belongs to SANE and lasts only until the next call: copy it.
    const auto text = [](SANE_String_Const s) { return s ? QString::fromUtf8(s) : QString(); };
    for (int i = 0; list[i]; ++i) {
        const SANE_Device *d = list[i];
        if (!d->name || !*d->name)
            continue;
        result.append({text(d->name), text(d->vendor), text(d->model), text(d->type)});
    }
    return result;
}
