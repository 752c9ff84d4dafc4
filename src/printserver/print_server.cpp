// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "printserver/print_server.h"

#include <sys/socket.h>

#include <array>
#include <cstdio>
#include <functional>
#include <memory>

#include "printserver/cups_library.h"

namespace arcwright {
namespace {

// How often a blocked libcups call looks at the deadline and the stop request.
constexpr double kPollSeconds = 0.05;
constexpr double kPointsPerHundredthMm = 72.0 / 2540.0;

bool expired(const PrintWait& wait) {
    return wait.stop.stop_requested() || PrintClock::now() >= wait.deadline;
}

ServerAnswer whyNoAnswer(const PrintWait& wait) {
    return wait.stop.stop_requested() ? ServerAnswer::Stopped : ServerAnswer::NoAnswer;
}

// How long a connection waits for the server: the caller's deadline and stop request, and
// whether libcups was told to give up a wait. A wait given up leaves libcups' last status
// as it was before the request, so that is the only way to tell a request that went
// unanswered from one that succeeded.
struct Patience {
    const PrintWait& wait;
    bool ranOut = false;
};

// libcups asks this whenever a read or write has waited kPollSeconds: 1 waits on.
int keepWaiting(http_t*, void* data) {
    auto& patience = *static_cast<Patience*>(data);
    patience.ranOut = patience.ranOut || expired(patience.wait);
    return patience.ranOut ? 0 : 1;
}

// What is said when there is no libcups to ask with.
std::string noLibrary() {
    return std::string("the print system's library (") + kCupsLibraryFile + ") is not installed";
}

// Owners of what libcups hands out, each freed by libcups' own call.
struct HttpClose {
    const CupsLibrary* cups;
    void operator()(http_t* http) const { cups->httpClose(http); }
};
struct DestFree {
    const CupsLibrary* cups;
    void operator()(cups_dest_t* dest) const { cups->cupsFreeDests(1, dest); }
};
struct InfoFree {
    const CupsLibrary* cups;
    void operator()(cups_dinfo_t* info) const { cups->cupsFreeDestInfo(info); }
};
using Http = std::unique_ptr<http_t, HttpClose>;
using Dest = std::unique_ptr<cups_dest_t, DestFree>;
using Info = std::unique_ptr<cups_dinfo_t, InfoFree>;

// A connection of our own to the server, so that every wait on it obeys `patience`.
Http connect(const CupsLibrary& cups, Patience& patience) {
    const PrintWait& wait = patience.wait;
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(wait.deadline - PrintClock::now());
    if (left.count() <= 0 || wait.stop.stop_requested()) return Http(nullptr, {&cups});
    Http http(cups.httpConnect2(cups.cupsServer(), cups.ippPort(), nullptr, AF_UNSPEC,
                                cups.cupsEncryption(), 1, static_cast<int>(left.count()), nullptr),
              {&cups});
    // `patience` outlives the connection: both live for one call of this file's functions.
    if (http) cups.httpSetTimeout(http.get(), kPollSeconds, keepWaiting, &patience);
    return http;
}

// A stop request wakes a wait at once: some of libcups' waits look at keepWaiting only
// once a second, but none outlasts its socket being shut down. The callback is gone before
// the connection closes, so it never touches a closed (or reused) socket.
std::stop_callback<std::function<void()>> wakeOnStop(const CupsLibrary& cups, const Http& http,
                                                     const PrintWait& wait) {
    const int socket = cups.httpGetFd(http.get());
    return std::stop_callback<std::function<void()>>(wait.stop, [socket] {
        if (socket >= 0) shutdown(socket, SHUT_RDWR);
    });
}

// What a failed request says: the deadline and the stop request before the server's words.
ServerAnswer failure(const PrintWait& wait, ServerAnswer otherwise) {
    if (expired(wait)) return whyNoAnswer(wait);
    return otherwise;
}

}  // namespace

DefaultQueue findDefaultQueue(const PrintWait& wait) {
    DefaultQueue found;
    const CupsLibrary* library = cupsLibrary();
    if (library == nullptr) {
        found.message = noLibrary();
        return found;
    }
    const CupsLibrary& cups = *library;
    Patience patience{wait};
    const Http http = connect(cups, patience);
    if (!http) {
        found.answer = failure(wait, ServerAnswer::NoServer);
        return found;
    }
    const auto wake = wakeOnStop(cups, http, wait);
    const Dest dest(cups.cupsGetNamedDest(http.get(), nullptr, nullptr), {&cups});
    if (!dest) {
        found.answer = failure(wait, ServerAnswer::NotFound);
        if (const char* why = cups.cupsLastErrorString()) found.message = why;
        return found;
    }
    found.name = dest->name;
    if (dest->instance != nullptr) found.name += std::string("/") + dest->instance;
    const Info info(cups.cupsCopyDestInfo(http.get(), dest.get()), {&cups});
    cups_size_t size{};
    // The queue's own default paper; libcups' "media default" falls back on the locale's
    // paper without asking the queue.
    ipp_attribute_t* media =
        info ? cups.cupsFindDestDefault(http.get(), dest.get(), info.get(), "media") : nullptr;
    const char* mediaName = media ? cups.ippGetString(media, 0, nullptr) : nullptr;
    const bool sized =
        info &&
        ((mediaName != nullptr &&
          cups.cupsGetDestMediaByName(http.get(), dest.get(), info.get(), mediaName, 0, &size)) ||
         cups.cupsGetDestMediaDefault(http.get(), dest.get(), info.get(), 0, &size));
    if (sized && size.width > 0 && size.length > 0) {
        found.hasMedia = true;
        found.media = {size.width * kPointsPerHundredthMm, size.length * kPointsPerHundredthMm,
                       size.left * kPointsPerHundredthMm,  size.top * kPointsPerHundredthMm,
                       size.right * kPointsPerHundredthMm, size.bottom * kPointsPerHundredthMm};
    }
    // Media is a nicety; the printer itself was found.
    found.answer = expired(wait) ? whyNoAnswer(wait) : ServerAnswer::Answered;
    return found;
}

JobReceipt submitJob(const QueueJob& job, const PrintWait& wait) {
    JobReceipt receipt;
    const CupsLibrary* library = cupsLibrary();
    if (library == nullptr) {
        receipt.message = noLibrary();
        return receipt;
    }
    const CupsLibrary& cups = *library;
    const auto refused = [&](ServerAnswer otherwise) {
        receipt.answer = failure(wait, otherwise);
        if (const char* why = cups.cupsLastErrorString()) receipt.message = why;
        return receipt;
    };
    std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(job.file.c_str(), "rb"), std::fclose);
    if (!file) {
        receipt.answer = ServerAnswer::Refused;
        receipt.message = "the page could not be read back";
        return receipt;
    }
    Patience patience{wait};
    const Http http = connect(cups, patience);
    if (!http) {
        receipt.answer = failure(wait, ServerAnswer::NoServer);
        return receipt;
    }
    const auto wake = wakeOnStop(cups, http, wait);
    // The queue by its address on this server. Asking the server for it by name would, on a
    // server that stopped answering, fall back on a search through libcups' own connection,
    // which waits a minute and cannot be stopped. An instance ("queue/instance") is a set of
    // the user's own options; the job goes to its queue.
    const std::string queue = job.queue.substr(0, job.queue.find('/'));
    const char* server = cups.cupsServer();
    std::array<char, 1024> uri{};
    cups.httpAssembleURIf(HTTP_URI_CODING_ALL, uri.data(), static_cast<int>(uri.size()), "ipp",
                          nullptr, server[0] == '/' ? "localhost" : server, cups.ippPort(),
                          "/printers/%s", queue.c_str());
    const Dest dest(cups.cupsGetDestWithURI(queue.c_str(), uri.data()), {&cups});
    // Named as the server's own queue: without this libcups takes the address for a network
    // printer and sets up a queue for it, again through its own connection.
    if (dest) {
        dest->num_options = cups.cupsAddOption("printer-uri-supported", uri.data(),
                                               dest->num_options, &dest->options);
    }
    if (!dest) return refused(ServerAnswer::NotFound);
    const Info info(cups.cupsCopyDestInfo(http.get(), dest.get()), {&cups});
    if (!info) return refused(ServerAnswer::Refused);

    cups_option_t* options = nullptr;
    int count = 0;
    for (const auto& [name, value] : job.options) {
        count = cups.cupsAddOption(name.c_str(), value.c_str(), count, &options);
    }
    int jobId = 0;
    const ipp_status_t created = cups.cupsCreateDestJob(http.get(), dest.get(), info.get(), &jobId,
                                                        job.title.c_str(), count, options);
    cups.cupsFreeOptions(count, options);
    if (created > IPP_STATUS_OK_EVENTS_COMPLETE || jobId <= 0) {
        return refused(ServerAnswer::Refused);
    }

    // A job left half sent would sit in the queue; a server that still answers drops it.
    const auto cancel = [&] { cups.cupsCancelDestJob(http.get(), dest.get(), jobId); };
    if (cups.cupsStartDestDocument(http.get(), dest.get(), info.get(), jobId, job.title.c_str(),
                                   CUPS_FORMAT_PDF, 0, nullptr, 1) != HTTP_STATUS_CONTINUE) {
        JobReceipt r = refused(ServerAnswer::Refused);
        if (!expired(wait)) cancel();
        return r;
    }
    std::array<char, 64 * 1024> buffer{};
    for (;;) {
        const std::size_t read = std::fread(buffer.data(), 1, buffer.size(), file.get());
        if (read == 0) break;
        if (cups.cupsWriteRequestData(http.get(), buffer.data(), read) != HTTP_STATUS_CONTINUE) {
            // The document stays open: finishing it reads the server's reason.
            break;
        }
    }
    const ipp_status_t finished = cups.cupsFinishDestDocument(http.get(), dest.get(), info.get());
    // A server that fell silent with the whole page in hand has not said it took it.
    if (patience.ranOut) {
        receipt.answer = whyNoAnswer(wait);
        return receipt;
    }
    if (finished > IPP_STATUS_OK_EVENTS_COMPLETE) {
        JobReceipt r = refused(ServerAnswer::Refused);
        if (!expired(wait)) cancel();
        return r;
    }
    receipt.answer = ServerAnswer::Answered;
    receipt.jobId = jobId;
    return receipt;
}

}  // namespace arcwright
