// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/printqueue.h"

#include <QLibrary>

#include <cups/cups.h>

#include <memory>
#include <optional>
#include <type_traits>

namespace forms {

namespace {

constexpr int ConnectMilliseconds = 2000;
constexpr double AnswerSeconds = 3.0;

// The calls of the print system's library this file makes. The library is
// loaded when a queue is first asked about, not with the program: with the
// libraries it needs in turn (encryption, Kerberos, service discovery) it
// would cost every start several megabytes and milliseconds, for a print
// that may never come. Qt's print plugin loads the same library on the
// first print anyway, so by then it is there.
struct Cups
{
    decltype(::httpConnect2) *httpConnect2 = nullptr;
    decltype(::httpClose) *httpClose = nullptr;
    decltype(::httpSetTimeout) *httpSetTimeout = nullptr;
    decltype(::cupsServer) *cupsServer = nullptr;
    decltype(::ippPort) *ippPort = nullptr;
    decltype(::cupsEncryption) *cupsEncryption = nullptr;
    decltype(::cupsGetNamedDest) *cupsGetNamedDest = nullptr;
    decltype(::cupsFreeDests) *cupsFreeDests = nullptr;
    decltype(::cupsGetOption) *cupsGetOption = nullptr;
    decltype(::cupsLastError) *cupsLastError = nullptr;
    decltype(::cupsLastErrorString) *cupsLastErrorString = nullptr;
};

std::optional<Cups> loadCups()
{
    QLibrary library(QStringLiteral("cups"), 2);
    const auto find = [&library](auto *&call, const char *name) {
        call = reinterpret_cast<std::remove_reference_t<decltype(call)>>(library.resolve(name));
        return call != nullptr;
    };
    Cups c;
    if (find(c.httpConnect2, "httpConnect2") && find(c.httpClose, "httpClose") &&
        find(c.httpSetTimeout, "httpSetTimeout") && find(c.cupsServer, "cupsServer") &&
        find(c.ippPort, "ippPort") && find(c.cupsEncryption, "cupsEncryption") &&
        find(c.cupsGetNamedDest, "cupsGetNamedDest") && find(c.cupsFreeDests, "cupsFreeDests") &&
        find(c.cupsGetOption, "cupsGetOption") && find(c.cupsLastError, "cupsLastError") &&
        find(c.cupsLastErrorString, "cupsLastErrorString"))
        return c;
    return std::nullopt;
}

// The library's calls, loaded at the first use; none where it is missing.
const Cups *cups()
{
    static const std::optional<Cups> loaded = loadCups();
    return loaded ? &*loaded : nullptr;
}

// Ends a wait for an answer at the first time-out instead of waiting on.
int giveUp(http_t * /*http*/, void * /*data*/)
{
    return 0;
}

QString optionOf(const Cups &api, const cups_dest_t &dest, const char *name)
{
    return QString::fromUtf8(api.cupsGetOption(name, dest.num_options, dest.options));
}

} // namespace

QueueState queueState(const QString &name)
{
    const Cups *api = cups();
    if (!api)
        return QueueState::Unreachable;
    const std::unique_ptr<http_t, void (*)(http_t *)> http(
        api->httpConnect2(api->cupsServer(), api->ippPort(), nullptr, AF_UNSPEC,
                          api->cupsEncryption(), 1, ConnectMilliseconds, nullptr),
        api->httpClose);
    if (!http)
        return QueueState::Unreachable;
    api->httpSetTimeout(http.get(), AnswerSeconds, giveUp, nullptr);
    const QByteArray queue = name.toLocal8Bit();
    cups_dest_t *found =
        api->cupsGetNamedDest(http.get(), name.isEmpty() ? nullptr : queue.constData(), nullptr);
    if (!found)
        return api->cupsLastError() == IPP_STATUS_ERROR_SERVICE_UNAVAILABLE
                   ? QueueState::Unreachable
                   : QueueState::NoQueue;
    const auto freeDest = [api](cups_dest_t *d) { api->cupsFreeDests(1, d); };
    const std::unique_ptr<cups_dest_t, decltype(freeDest)> dest(found, freeDest);
    if (optionOf(*api, *dest, "printer-is-accepting-jobs") == u"false")
        return QueueState::Refusing;
    if (optionOf(*api, *dest, "printer-state") == QString::number(IPP_PSTATE_STOPPED))
        return QueueState::Paused;
    return QueueState::Ready;
}

std::optional<QString> lastPageRefused()
{
    const Cups *api = cups();
    if (!api || api->cupsLastError() <= IPP_STATUS_OK_EVENTS_COMPLETE)
        return std::nullopt;
    return QString::fromUtf8(api->cupsLastErrorString());
}

} // namespace forms
