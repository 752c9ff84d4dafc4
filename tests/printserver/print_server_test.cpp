// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The print server's client against a stand-in server on a local socket: what it reads from
// a server that answers, from one that refuses, from one that takes the connection and says
// nothing, and from none at all; how soon a deadline or a stop request ends its wait.
//
// libcups keeps its server name and settings per thread, read once on the first call: each
// case asks from a thread of its own, after pointing CUPS_SERVER at its own stand-in.
#include "printserver/print_server.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <random>
#include <thread>

#include "fake_print_server.h"

namespace arcwright {
namespace {

using namespace std::chrono_literals;
using testing::FakePrintServer;
using testing::IppAttribute;
using testing::IppGroup;
using testing::IppMessage;
namespace ipp = testing::ipp;

// How far past its deadline, or its stop request, a wait may run: libcups looks at both
// every 50 ms; the rest is for a machine busy with other work.
constexpr auto kLateness = 600ms;

// How the stand-in behaves.
struct StandIn {
    std::string defaultQueue = "Shop";  // empty: the server has no default queue
    bool paperSizes = true;             // the queue tells its paper and margins
    bool knowsQueues = true;            // false: every queue asked for by name is unknown
    std::string refusal;                // the queue's words when it refuses a new job
    std::string documentRefusal;        // its words when it refuses the document sent
    int answers = -1;                   // requests answered before it falls silent; -1: all
    std::chrono::milliseconds pauseBeforeBody{};  // between an answer's head and its body
};

// Paper the stand-in's queues report: A4 with margins of 6.35 mm left and right, 12.7 mm at
// top and bottom, in hundredths of a millimetre.
constexpr int kA4Width = 21000;
constexpr int kA4Length = 29700;
constexpr int kSideMargin = 635;
constexpr int kEndMargin = 1270;
constexpr double kPointsPerHundredthMm = 72.0 / 2540.0;
constexpr int kJobId = 42;

// A queue's name without its instance: "Shop/wide" is the queue Shop.
std::string withoutInstance(const std::string& queue) {
    return queue.substr(0, queue.find('/'));
}

std::string queueOf(const IppMessage& request) {
    const std::string uri = request.value("printer-uri");
    return uri.substr(uri.rfind('/') + 1);
}

// The stand-ins of the tables, each different from the one that answers everything.
StandIn noDefaultQueue() {
    StandIn standIn;
    standIn.defaultQueue.clear();
    return standIn;
}
StandIn withoutPaperSizes() {
    StandIn standIn;
    standIn.paperSizes = false;
    return standIn;
}
StandIn knowingNoQueue() {
    StandIn standIn;
    standIn.knowsQueues = false;
    return standIn;
}
StandIn refusing(std::string words) {
    StandIn standIn;
    standIn.refusal = std::move(words);
    return standIn;
}
StandIn refusingTheDocument(std::string words) {
    StandIn standIn;
    standIn.documentRefusal = std::move(words);
    return standIn;
}
StandIn busy() {
    StandIn standIn;
    standIn.pauseBeforeBody = 300ms;
    return standIn;
}
StandIn silentAfter(int answers) {
    StandIn standIn;
    standIn.answers = answers;
    return standIn;
}

IppGroup printerGroup(const std::string& name, bool paperSizes) {
    IppGroup printer{
        ipp::kPrinterGroup,
        {IppAttribute::text(ipp::kName, "printer-name", {name}),
         IppAttribute::text(ipp::kUri, "printer-uri-supported",
                            {"ipp://localhost/printers/" + name}),
         IppAttribute::integer(ipp::kEnum, "printer-state", {3}),
         IppAttribute::boolean("printer-is-accepting-jobs", true),
         IppAttribute::text(ipp::kKeyword, "document-format-supported", {"application/pdf"})}};
    if (paperSizes) {
        for (IppAttribute attribute :
             {IppAttribute::text(ipp::kKeyword, "media-default", {"iso_a4_210x297mm"}),
              IppAttribute::text(ipp::kKeyword, "media-supported",
                                 {"iso_a4_210x297mm", "na_letter_8.5x11in"}),
              IppAttribute::integer(ipp::kInteger, "media-left-margin-supported", {kSideMargin}),
              IppAttribute::integer(ipp::kInteger, "media-right-margin-supported", {kSideMargin}),
              IppAttribute::integer(ipp::kInteger, "media-top-margin-supported", {kEndMargin}),
              IppAttribute::integer(ipp::kInteger, "media-bottom-margin-supported",
                                    {kEndMargin})}) {
            printer.attributes.push_back(std::move(attribute));
        }
    }
    return printer;
}

IppGroup jobGroup() {
    return {ipp::kJobGroup,
            {IppAttribute::integer(ipp::kInteger, "job-id", {kJobId}),
             IppAttribute::text(ipp::kUri, "job-uri",
                                {"ipp://localhost/jobs/" + std::to_string(kJobId)}),
             IppAttribute::integer(ipp::kEnum, "job-state", {3})}};
}

FakePrintServer::Responder respond(const StandIn& standIn) {
    auto answered = std::make_shared<std::atomic<int>>(0);
    return [standIn, answered](const IppMessage& request) -> std::optional<IppMessage> {
        if (standIn.answers >= 0 && (*answered)++ >= standIn.answers) return std::nullopt;
        switch (request.code) {
            case ipp::kGetDefault:
                if (standIn.defaultQueue.empty()) {
                    return answer(request, ipp::kNotFound, {}, "No default printer.");
                }
                return answer(request, ipp::kOk,
                              {printerGroup(standIn.defaultQueue, standIn.paperSizes)});
            case ipp::kGetPrinterAttributes:
                if (!standIn.knowsQueues) {
                    return answer(request, ipp::kNotFound, {},
                                  "The printer or class does not exist.");
                }
                return answer(request, ipp::kOk,
                              {printerGroup(queueOf(request), standIn.paperSizes)});
            case ipp::kCreateJob:
                if (!standIn.refusal.empty()) {
                    return answer(request, ipp::kNotAccepting, {}, standIn.refusal);
                }
                return answer(request, ipp::kOk, {jobGroup()});
            case ipp::kSendDocument:
                if (!standIn.documentRefusal.empty()) {
                    return answer(request, ipp::kDocumentFormatError, {}, standIn.documentRefusal);
                }
                return answer(request, ipp::kOk, {jobGroup()});
            default:
                return answer(request, ipp::kOk);
        }
    };
}

// Sets an environment variable for as long as it lives (unset: nullptr).
class EnvironmentOverride {
  public:
    EnvironmentOverride(const char* name, const char* value) : name_(name) {
        if (const char* old = getenv(name)) old_ = old;
        if (value == nullptr) {
            unsetenv(name);
        } else {
            setenv(name, value, 1);
        }
    }
    ~EnvironmentOverride() {
        if (old_) {
            setenv(name_, old_->c_str(), 1);
        } else {
            unsetenv(name_);
        }
    }
    EnvironmentOverride(const EnvironmentOverride&) = delete;
    EnvironmentOverride& operator=(const EnvironmentOverride&) = delete;

  private:
    const char* name_;
    std::optional<std::string> old_;
};

// Where the client is sent.
enum class Server {
    UnixSocket,  // a stand-in on a Unix socket
    Loopback,    // a stand-in on a loopback port
    Absent,      // a socket path nothing listens on
    ClosedPort,  // a loopback port nothing listens on
};

// A folder of its own for each case, and the client's settings pointed into it: no
// lpoptions, client.conf or default printer of the machine's or the user's reaches it.
class PrintServerTest {
  public:
    PrintServerTest()
        : folder_(makeFolder()),
          home_("HOME", folder_.c_str()),
          serverRoot_("CUPS_SERVERROOT", folder_.c_str()),
          printer_("PRINTER", nullptr),
          lpdest_("LPDEST", nullptr) {}
    ~PrintServerTest() { std::filesystem::remove_all(folder_); }
    PrintServerTest(const PrintServerTest&) = delete;
    PrintServerTest& operator=(const PrintServerTest&) = delete;

    const std::string& folder() const { return folder_; }

    // The stand-in (none for Absent and ClosedPort), with CUPS_SERVER naming where to go.
    std::unique_ptr<FakePrintServer> start(Server server, const StandIn& standIn) {
        std::unique_ptr<FakePrintServer> standInServer;
        std::string address;
        switch (server) {
            case Server::UnixSocket:
            case Server::Loopback:
                standInServer = std::make_unique<FakePrintServer>(
                    server == Server::UnixSocket ? FakePrintServer::Transport::UnixSocket
                                                 : FakePrintServer::Transport::Loopback,
                    folder_, respond(standIn), standIn.pauseBeforeBody);
                address = standInServer->address();
                break;
            case Server::Absent:
                address = folder_ + "/nobody.sock";
                break;
            case Server::ClosedPort:
                address = testing::closedLoopbackAddress();
                break;
        }
        server_.emplace("CUPS_SERVER", address.c_str());
        return standInServer;
    }

  private:
    static std::string makeFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "arcwright-ipp-XXXXXX");
        return mkdtemp(pattern.data()) != nullptr ? pattern : std::string();
    }

    std::string folder_;
    EnvironmentOverride home_;
    EnvironmentOverride serverRoot_;
    EnvironmentOverride printer_;
    EnvironmentOverride lpdest_;
    std::optional<EnvironmentOverride> server_;
};

// Runs `call` on a thread of its own with a wait of `deadline`, stopped after `stopAfter`
// when given; returns its result and how long it took.
template <class Call>
auto askOnItsOwnThread(Call call, std::chrono::milliseconds deadline,
                       std::optional<std::chrono::milliseconds> stopAfter) {
    std::stop_source stop;
    const auto started = PrintClock::now();
    std::optional<decltype(call(PrintWait{}))> result;
    std::jthread asking([&] { result = call(PrintWait{started + deadline, stop.get_token()}); });
    if (stopAfter) {
        std::this_thread::sleep_for(*stopAfter);
        stop.request_stop();
    }
    asking.join();
    const auto took =
        std::chrono::duration_cast<std::chrono::milliseconds>(PrintClock::now() - started);
    return std::pair{*result, took};
}

const char* answerName(ServerAnswer answer) {
    switch (answer) {
        case ServerAnswer::Answered:
            return "Answered";
        case ServerAnswer::NotFound:
            return "NotFound";
        case ServerAnswer::NoServer:
            return "NoServer";
        case ServerAnswer::NoAnswer:
            return "NoAnswer";
        case ServerAnswer::Stopped:
            return "Stopped";
        case ServerAnswer::Refused:
            return "Refused";
    }
    return "?";
}

// How long a case may take: until its deadline or stop, a little late; at once otherwise.
void expectTimely(ServerAnswer answer, std::chrono::milliseconds took,
                  std::chrono::milliseconds deadline,
                  std::optional<std::chrono::milliseconds> stopAfter) {
    if (answer == ServerAnswer::NoAnswer) {
        EXPECT_GE(took, deadline - 50ms);
        EXPECT_LE(took, deadline + kLateness);
    } else if (answer == ServerAnswer::Stopped) {
        ASSERT_TRUE(stopAfter);
        EXPECT_GE(took, *stopAfter);
        EXPECT_LE(took, *stopAfter + kLateness);
    } else {
        EXPECT_LT(took, 3s);
    }
}

// --- The default queue ---------------------------------------------------------------

struct QueueCase {
    const char* name;
    Server server;
    StandIn standIn;
    const char* printer;  // PRINTER, nullptr: not set
    std::chrono::milliseconds deadline;
    std::optional<std::chrono::milliseconds> stopAfter;
    ServerAnswer answer;
    const char* queue;    // the name found, when Answered
    const char* message;  // a part of the server's words, or ""
    bool paper;           // the queue's paper found
};

class DefaultQueueTest : public ::testing::TestWithParam<QueueCase> {};

TEST_P(DefaultQueueTest, FindsWhatTheServerSays) {
    const QueueCase& c = GetParam();
    PrintServerTest setting;
    ASSERT_FALSE(setting.folder().empty());
    const EnvironmentOverride printer("PRINTER", c.printer);
    const auto server = setting.start(c.server, c.standIn);
    if (server) {
        ASSERT_TRUE(server->listening());
    }

    const auto [found, took] = askOnItsOwnThread(findDefaultQueue, c.deadline, c.stopAfter);

    EXPECT_STREQ(answerName(found.answer), answerName(c.answer));
    expectTimely(found.answer, took, c.deadline, c.stopAfter);
    if (c.answer == ServerAnswer::Answered) {
        EXPECT_EQ(found.name, c.queue);
    }
    EXPECT_NE(found.message.find(c.message), std::string::npos) << found.message;
    EXPECT_EQ(found.hasMedia, c.paper);
    if (c.paper) {
        EXPECT_NEAR(found.media.width, kA4Width * kPointsPerHundredthMm, 0.01);  // 595.28 pt
        EXPECT_NEAR(found.media.height, kA4Length * kPointsPerHundredthMm, 0.01);
        EXPECT_NEAR(found.media.left, 18.0, 0.01);
        EXPECT_NEAR(found.media.right, 18.0, 0.01);
        EXPECT_NEAR(found.media.top, 36.0, 0.01);
        EXPECT_NEAR(found.media.bottom, 36.0, 0.01);
    }
    if (c.printer != nullptr && server) {
        // The queue PRINTER names is the one asked about, by its address on the server.
        const auto asked = server->requests();
        ASSERT_FALSE(asked.empty());
        EXPECT_EQ(asked.front().code, ipp::kGetPrinterAttributes);
        EXPECT_EQ(queueOf(asked.front()), withoutInstance(c.printer));
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Servers, DefaultQueueTest, ::testing::Values(
    //        name                           server              stand-in               PRINTER       deadline stop
    //        answer                  queue          message        paper
    QueueCase{"ServerDefaultOnAUnixSocket",  Server::UnixSocket, {},                    nullptr,      5s,     {},
              ServerAnswer::Answered, "Shop",        "",            true},
    QueueCase{"ServerDefaultOnALoopbackPort", Server::Loopback,  {},                    nullptr,      5s,     {},
              ServerAnswer::Answered, "Shop",        "",            true},
    QueueCase{"NamedByPrinter",              Server::UnixSocket, {},                    "Bench",      5s,     {},
              ServerAnswer::Answered, "Bench",       "",            true},
    QueueCase{"InstanceNamedByPrinter",      Server::UnixSocket, {},                    "Bench/wide", 5s,     {},
              ServerAnswer::Answered, "Bench/wide",  "",            true},
    QueueCase{"QueueWithoutPaperSizes",      Server::UnixSocket, withoutPaperSizes(),   nullptr,      5s,     {},
              ServerAnswer::Answered, "Shop",        "",            false},
    QueueCase{"BusyServerSlowToFinishItsAnswers", Server::UnixSocket, busy(),           nullptr,      5s,     {},
              ServerAnswer::Answered, "Shop",        "",            true},
    QueueCase{"NoDefaultQueue",              Server::UnixSocket, noDefaultQueue(),      nullptr,      5s,     {},
              ServerAnswer::NotFound, "",            "No default",  false},
    QueueCase{"SilentFromTheStart",          Server::UnixSocket, silentAfter(0),        nullptr,      700ms,  {},
              ServerAnswer::NoAnswer, "",            "",            false},
    QueueCase{"SilentAfterNamingItsPrinter", Server::UnixSocket, silentAfter(1),        nullptr,      700ms,  {},
              ServerAnswer::NoAnswer, "",            "",            false},
    QueueCase{"SilentOnALoopbackPort",       Server::Loopback,   silentAfter(0),        nullptr,      700ms,  {},
              ServerAnswer::NoAnswer, "",            "",            false},
    QueueCase{"StopRequestWakesTheWait",     Server::UnixSocket, silentAfter(0),        nullptr,      30s,    300ms,
              ServerAnswer::Stopped,  "",            "",            false},
    QueueCase{"NoServerOnTheSocket",         Server::Absent,     {},                    nullptr,      5s,     {},
              ServerAnswer::NoServer, "",            "",            false},
    QueueCase{"NoServerOnThePort",           Server::ClosedPort, {},                    nullptr,      5s,     {},
              ServerAnswer::NoServer, "",            "",            false}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// A wait whose deadline has passed asks nothing at all.
TEST(DefaultQueue, DeadlinePassedAsksNothing) {
    PrintServerTest setting;
    const auto server = setting.start(Server::UnixSocket, {});
    const DefaultQueue found = askOnItsOwnThread(findDefaultQueue, -1ms, {}).first;
    EXPECT_STREQ(answerName(found.answer), "NoAnswer");
    EXPECT_EQ(server->connections(), 0);
}

// --- Handing over a job --------------------------------------------------------------

struct JobCase {
    const char* name;
    Server server;
    StandIn standIn;
    const char* queue;
    bool pageOnDisk;
    std::chrono::milliseconds deadline;
    std::optional<std::chrono::milliseconds> stopAfter;
    ServerAnswer answer;
    const char* message;   // a part of the reason given, or ""
    bool documentArrives;  // the server has the whole page
    bool cancelled;        // the client took back the job it had started
};

class SubmitJobTest : public ::testing::TestWithParam<JobCase> {};

// A page of a few hundred kilobytes, so that it goes over in several writes.
std::string writePage(const std::string& file) {
    std::string bytes(300 * 1024, '\0');
    std::mt19937 random(7);
    for (char& byte : bytes) byte = static_cast<char>(random() & 0xFF);
    bytes.replace(0, 8, "%PDF-1.4");
    std::ofstream(file, std::ios::binary) << bytes;
    return bytes;
}

TEST_P(SubmitJobTest, HandsOverThePageOrSaysWhyNot) {
    const JobCase& c = GetParam();
    PrintServerTest setting;
    ASSERT_FALSE(setting.folder().empty());
    const std::string file = setting.folder() + "/page.pdf";
    const std::string page = c.pageOnDisk ? writePage(file) : std::string();
    const auto server = setting.start(c.server, c.standIn);
    if (server) {
        ASSERT_TRUE(server->listening());
    }
    const QueueJob job{c.queue, file, "Arcwright set-up sheet", {{"print-scaling", "none"}}};

    const auto [receipt, took] = askOnItsOwnThread(
        [&](const PrintWait& wait) { return submitJob(job, wait); }, c.deadline, c.stopAfter);

    EXPECT_STREQ(answerName(receipt.answer), answerName(c.answer));
    expectTimely(receipt.answer, took, c.deadline, c.stopAfter);
    EXPECT_EQ(receipt.jobId, c.answer == ServerAnswer::Answered ? kJobId : 0);
    EXPECT_NE(receipt.message.find(c.message), std::string::npos) << receipt.message;
    if (!server) return;
    const auto requests = server->requests();
    if (!c.pageOnDisk) {
        EXPECT_EQ(server->connections(), 0);
    }
    const auto find = [&](std::uint16_t operation) -> const IppMessage* {
        for (const IppMessage& request : requests) {
            if (request.code == operation) return &request;
        }
        return nullptr;
    };
    const IppMessage* created = find(ipp::kCreateJob);
    if (created != nullptr) {
        // To the queue itself, an instance's options taken along; named as the window names it.
        EXPECT_EQ(queueOf(*created), withoutInstance(c.queue));
        EXPECT_EQ(created->value("job-name"), "Arcwright set-up sheet");
        EXPECT_EQ(created->value("print-scaling"), "none");
    }
    const IppMessage* sent = find(ipp::kSendDocument);
    EXPECT_EQ(sent != nullptr && sent->document == page, c.documentArrives);
    if (sent != nullptr) {
        EXPECT_EQ(sent->integer("job-id"), kJobId);
        EXPECT_EQ(sent->value("document-format"), "application/pdf");
    }
    const IppMessage* cancel = find(ipp::kCancelJob);
    EXPECT_EQ(cancel != nullptr, c.cancelled);
    if (cancel != nullptr) {
        EXPECT_EQ(cancel->integer("job-id"), kJobId);
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Servers, SubmitJobTest, ::testing::Values(
    //      name                          server              stand-in                 queue        page on disk
    //      deadline stop   answer                  reason              page arrives, job taken back
    JobCase{"AcceptedWithItsJobNumber",   Server::UnixSocket, {},                      "Shop",      true,
            5s,      {},    ServerAnswer::Answered, "",                 true,  false},
    JobCase{"AcceptedOnALoopbackPort",    Server::Loopback,   {},                      "Shop",      true,
            5s,      {},    ServerAnswer::Answered, "",                 true,  false},
    JobCase{"InstanceGoesToItsQueue",     Server::UnixSocket, {},                      "Shop/wide", true,
            5s,      {},    ServerAnswer::Answered, "",                 true,  false},
    JobCase{"BusyServerSlowToFinishItsAnswers", Server::UnixSocket, busy(),            "Shop",      true,
            5s,      {},    ServerAnswer::Answered, "",                 true,  false},
    JobCase{"RefusedWithItsReason",       Server::UnixSocket, refusing("Shop is not accepting jobs: out of paper."),
                                                                                       "Shop",      true,
            5s,      {},    ServerAnswer::Refused,  "out of paper",     false, false},
    JobCase{"DocumentRefusedAndTheJobTakenBack", Server::UnixSocket, refusingTheDocument("Unsupported document-format."),
                                                                                       "Shop",      true,
            5s,      {},    ServerAnswer::Refused,  "Unsupported document-format", true, true},
    JobCase{"UnknownQueue",               Server::UnixSocket, knowingNoQueue(),        "Shop",      true,
            5s,      {},    ServerAnswer::Refused,  "does not exist",   false, false},
    JobCase{"PageNotOnDisk",              Server::UnixSocket, {},                      "Shop",      false,
            5s,      {},    ServerAnswer::Refused,  "could not be read back", false, false},
    JobCase{"SilentFromTheStart",         Server::UnixSocket, silentAfter(0),          "Shop",      true,
            700ms,   {},    ServerAnswer::NoAnswer, "",                 false, false},
    JobCase{"SilentWhileThePageGoesOver", Server::UnixSocket, silentAfter(2),          "Shop",      true,
            700ms,   {},    ServerAnswer::NoAnswer, "",                 true,  false},
    JobCase{"StopRequestWakesTheWait",    Server::UnixSocket, silentAfter(0),          "Shop",      true,
            30s,     300ms, ServerAnswer::Stopped,  "",                 false, false},
    JobCase{"NoServerOnTheSocket",        Server::Absent,     {},                      "Shop",      true,
            5s,      {},    ServerAnswer::NoServer, "",                 false, false}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

}  // namespace
}  // namespace arcwright
