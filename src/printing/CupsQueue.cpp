#include "CupsQueue.h"

#include <cups/cups.h>

#include <chrono>
#include <future>
#include <memory>
#include <sys/socket.h>
#include <thread>

namespace CupsQueue {

namespace {

// Called by libcups when a wait runs out: 0 gives up.
int giveUp(http_t *, void *)
{
    return 0;
}

Server ask(int timeoutMs)
{
    int cancel = 0;
    http_t *http = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1, timeoutMs, &cancel);
    if (!http)
        return Server::Unreachable;
    httpSetTimeout(http, timeoutMs / 1000.0, giveUp, nullptr);
    // Any answer will do, "no default printer" included.
    ipp_t *response = cupsDoRequest(http, ippNewRequest(IPP_OP_CUPS_GET_DEFAULT), "/");
    const Server server = response ? Server::Answers : Server::Silent;
    ippDelete(response);
    httpClose(http);
    return server;
}

} // namespace

Server probe(int timeoutMs)
{
    // libcups's own time limit is the first guard; should a call still
    // hang, its thread is left behind rather than the program.
    auto result = std::make_shared<std::promise<Server>>();
    std::future<Server> answer = result->get_future();
    std::thread([result, timeoutMs] { result->set_value(ask(timeoutMs)); }).detach();
    if (answer.wait_for(std::chrono::milliseconds(timeoutMs + 1000)) != std::future_status::ready)
        return Server::Silent;
    return answer.get();
}

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

QStringList paperSources(const QString &printer)
{
    QStringList sources;
    const QByteArray queue = printer.section(u'/', 0, 0).toLocal8Bit();
    cups_dest_t *dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, queue.constData(), nullptr);
    if (!dest)
        return sources;
    if (cups_dinfo_t *info = cupsCopyDestInfo(CUPS_HTTP_DEFAULT, dest)) {
        if (ipp_attribute_t *supported = cupsFindDestSupported(CUPS_HTTP_DEFAULT, dest, info, "media-source")) {
            for (int i = 0; i < ippGetCount(supported); ++i)
                sources.append(QString::fromUtf8(ippGetString(supported, i, nullptr)));
        }
        cupsFreeDestInfo(info);
    }
    cupsFreeDests(1, dest);
    return sources;
}

} // namespace CupsQueue
