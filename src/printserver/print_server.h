// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <chrono>
#include <stop_token>
#include <string>
#include <utility>
#include <vector>

namespace arcwright {

// Talks to the print system (CUPS) through libcups, for a worker thread: each call blocks
// until the server answers, `deadline` passes or `stop` is requested, whichever comes first,
// and then returns within a few tens of milliseconds. It follows CUPS_SERVER and PRINTER
// like every CUPS tool. Nothing here touches Qt.
//
// libcups is not linked into the program but opened from kCupsLibraryFile on the first call;
// where it cannot be, every call answers NoServer and says why in its message.

inline constexpr const char* kCupsLibraryFile = "libcups.so.2";

using PrintClock = std::chrono::steady_clock;

struct PrintWait {
    PrintClock::time_point deadline;
    std::stop_token stop;
};

// How the print server answered.
enum class ServerAnswer {
    Answered,  // what was asked for is in the result
    NotFound,  // the server answered: there is no such printer, or no default one
    NoServer,  // nothing listens where the server should be
    NoAnswer,  // the server took the connection but said nothing before the deadline
    Stopped,   // given up on request
    Refused,   // the queue answered no (stopped, rejecting, an unknown job option)
};

// A page size with its unprintable margins, in points.
struct QueueMedia {
    double width = 0.0;
    double height = 0.0;
    double left = 0.0;
    double top = 0.0;
    double right = 0.0;
    double bottom = 0.0;
};

struct DefaultQueue {
    ServerAnswer answer = ServerAnswer::NoServer;
    std::string name;  // the default queue, when Answered
    bool hasMedia = false;
    QueueMedia media;     // its default paper, when hasMedia
    std::string message;  // the server's own words, when it gave any
};

// The default queue: PRINTER or LPDEST, then the user's and the system's lpoptions, then
// the server's default.
DefaultQueue findDefaultQueue(const PrintWait& wait);

// One PDF file for one queue, with job options in IPP names ("print-scaling" = "none").
struct QueueJob {
    std::string queue;
    std::string file;
    std::string title;
    std::vector<std::pair<std::string, std::string>> options;
};

struct JobReceipt {
    ServerAnswer answer = ServerAnswer::NoServer;
    int jobId = 0;        // when Answered
    std::string message;  // the server's reason, when Refused
};

// Hands the file over as one job and waits until the queue has all of it.
JobReceipt submitJob(const QueueJob& job, const PrintWait& wait);

}  // namespace arcwright
