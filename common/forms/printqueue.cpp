#include "forms/printqueue.h"

#include <cups/cups.h>

#include <memory>

namespace forms {

namespace {

constexpr int ConnectMilliseconds = 2000;
constexpr double AnswerSeconds = 3.0;

// Ends a wait for an answer at the first time-out instead of waiting on.
int giveUp(http_t * /*http*/, void * /*data*/)
{
    return 0;
}

QString optionOf(const cups_dest_t &dest, const char *name)
{
    return QString::fromUtf8(cupsGetOption(name, dest.num_options, dest.options));
}

} // namespace

QueueState queueState(const QString &name)
{
    const std::unique_ptr<http_t, void (*)(http_t *)> http(
        httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1,
                     ConnectMilliseconds, nullptr),
        httpClose);
    if (!http)
        return QueueState::Unreachable;
    httpSetTimeout(http.get(), AnswerSeconds, giveUp, nullptr);
    const QByteArray queue = name.toLocal8Bit();
    cups_dest_t *found =
        cupsGetNamedDest(http.get(), name.isEmpty() ? nullptr : queue.constData(), nullptr);
    if (!found)
        return cupsLastError() == IPP_STATUS_ERROR_SERVICE_UNAVAILABLE ? QueueState::Unreachable
                                                                       : QueueState::NoQueue;
    const std::unique_ptr<cups_dest_t, void (*)(cups_dest_t *)> dest(
        found, [](cups_dest_t *d) { cupsFreeDests(1, d); });
    if (optionOf(*dest, "printer-is-accepting-jobs") == u"false")
        return QueueState::Refusing;
    if (optionOf(*dest, "printer-state") == QString::number(IPP_PSTATE_STOPPED))
        return QueueState::Paused;
    return QueueState::Ready;
}

std::optional<QString> lastPageRefused()
{
    if (cupsLastError() <= IPP_STATUS_OK_EVENTS_COMPLETE)
        return std::nullopt;
    return QString::fromUtf8(cupsLastErrorString());
}

} // namespace forms
