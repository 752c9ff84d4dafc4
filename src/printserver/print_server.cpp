// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "printserver/print_server.h"

#include <sys/socket.h>

#include <array>
#include <atomic>
#include <condition_variable>
#include <cstdio>
#include <memory>
#include <mutex>
#include <thread>

#include "printserver/cups_library.h"

namespace arcwright {
namespace {

constexpr double kPointsPerHundredthMm = 72.0 / 2540.0;

bool expired(const PrintWait& wait) {
    return wait.stop.stop_requested() || PrintClock::now() >= wait.deadline;
}

ServerAnswer whyNoAnswer(const PrintWait& wait) {
    return wait.stop.stop_requested() ? ServerAnswer::Stopped : ServerAnswer::NoAnswer;
}

// Ends every wait on a connection once the caller's deadline passes or it asks to stop,
// whichever comes first, by shutting the connection's socket down: a read or write blocked
// in libcups then returns at once. libcups' own timeout cannot serve: it also gives up an
// answer whose body comes more than one timeout after its first line, so a busy server
// looks like a silent one. The watch ends before the connection closes, so it never
// touches a closed (or reused) socket.
class Watch {
  public:
    Watch(int socket, const PrintWait& wait)
        : thread_([this, socket, &wait](std::stop_token done) { watch(socket, wait, done); }) {}
    Watch(const Watch&) = delete;
    Watch& operator=(const Watch&) = delete;

    // Whether the deadline or the stop request cut a wait short. libcups keeps the status of
    // the request before one cut short, so this is what tells it from a request answered.
    bool cutShort() const { return cutShort_; }

  private:
    void watch(int socket, const PrintWait& wait, const std::stop_token& done) {
        // The caller's stop request wakes the watch, as the end of the call does.
        const std::stop_callback stopped(wait.stop, [this] {
            const std::lock_guard lock(mutex_);
            woken_.notify_all();
        });
        std::unique_lock lock(mutex_);
        woken_.wait_until(lock, done, wait.deadline, [&] { return wait.stop.stop_requested(); });
        if (done.stop_requested()) return;
        cutShort_ = true;
        shutdown(socket, SHUT_RDWR);
    }

    std::mutex mutex_;
    std::condition_variable_any woken_;
    std::atomic<bool> cutShort_{false};
    std::jthread thread_;  // last: it starts once the rest is there, and ends first
};

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

// A connection of our own to the server, within what is left of `wait`.
Http connect(const CupsLibrary& cups, const PrintWait& wait) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(wait.deadline - PrintClock::now());
    if (left.count() <= 0 || wait.stop.stop_requested()) return Http(nullptr, {&cups});
    return Http(
        cups.httpConnect2(cups.cupsServer(), cups.ippPort(), nullptr, AF_UNSPEC,
                          cups.cupsEncryption(), 1, static_cast<int>(left.count()), nullptr),
        {&cups});
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
    const Http http = connect(cups, wait);
    if (!http) {
        found.answer = failure(wait, ServerAnswer::NoServer);
        return found;
    }
    const Watch watch(cups.httpGetFd(http.get()), wait);
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
    const Http http = connect(cups, wait);
    if (!http) {
        receipt.answer = failure(wait, ServerAnswer::NoServer);
        return receipt;
    }
    const Watch watch(cups.httpGetFd(http.get()), wait);
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
    if (watch.cutShort()) {
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
