#include "CupsQueue.h"

#include <cups/cups.h>

namespace CupsQueue {

int submit(const QString &printer, const QString &file, const QString &title, const Options &options,
           QString *error)
{
    // A queue's instance is a set of options kept by the client; the
    // scheduler knows the queue by its name alone.
    const QByteArray queue = printer.section(u'/', 0, 0).toLocal8Bit();
    cups_option_t *list = nullptr;
    int count = 0;
    for (const auto &[name, value] : options)
        count = cupsAddOption(name.toUtf8().constData(), value.toUtf8().constData(), count, &list);
    const int job = cupsPrintFile(queue.constData(), file.toLocal8Bit().constData(), title.toUtf8().constData(),
                                  count, list);
    cupsFreeOptions(count, list);
    if (job == 0 && error)
        *error = QString::fromUtf8(cupsLastErrorString());
    return job;
}

} // namespace CupsQueue
