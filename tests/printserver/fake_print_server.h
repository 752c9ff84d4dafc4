// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A stand-in print server for the client's tests: it listens on a Unix socket or a
// loopback port, reads what the client sends over HTTP, and answers each request as the
// test tells it, or says nothing at all. Only as much of the wire format as the client
// uses: attribute groups of plain values, a document after them, HTTP bodies by length or
// in chunks.

#include <chrono>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace arcwright::testing {

// The operations and answers the client meets.
namespace ipp {
inline constexpr std::uint16_t kCreateJob = 0x0005;
inline constexpr std::uint16_t kSendDocument = 0x0006;
inline constexpr std::uint16_t kCancelJob = 0x0008;
inline constexpr std::uint16_t kGetPrinterAttributes = 0x000B;
inline constexpr std::uint16_t kGetDefault = 0x4001;

inline constexpr std::uint16_t kOk = 0x0000;
inline constexpr std::uint16_t kNotFound = 0x0406;
inline constexpr std::uint16_t kNotAccepting = 0x0506;
inline constexpr std::uint16_t kDocumentFormatError = 0x040C;

// Group delimiters and value tags.
inline constexpr std::uint8_t kOperationGroup = 0x01;
inline constexpr std::uint8_t kJobGroup = 0x02;
inline constexpr std::uint8_t kEndOfAttributes = 0x03;
inline constexpr std::uint8_t kPrinterGroup = 0x04;
inline constexpr std::uint8_t kInteger = 0x21;
inline constexpr std::uint8_t kBoolean = 0x22;
inline constexpr std::uint8_t kEnum = 0x23;
inline constexpr std::uint8_t kText = 0x41;
inline constexpr std::uint8_t kName = 0x42;
inline constexpr std::uint8_t kKeyword = 0x44;
inline constexpr std::uint8_t kUri = 0x45;
inline constexpr std::uint8_t kCharset = 0x47;
inline constexpr std::uint8_t kLanguage = 0x48;
}  // namespace ipp

// One attribute: its value tag, its name and each value's bytes as sent.
struct IppAttribute {
    std::uint8_t tag = 0;
    std::string name;
    std::vector<std::string> values;

    static IppAttribute text(std::uint8_t tag, std::string name, std::vector<std::string> values);
    static IppAttribute integer(std::uint8_t tag, std::string name, std::vector<int> values);
    static IppAttribute boolean(std::string name, bool value);
};

struct IppGroup {
    std::uint8_t tag = 0;
    std::vector<IppAttribute> attributes;
};

// A request (code: the operation) or a response (code: the status), and the document that
// follows a request's attributes.
struct IppMessage {
    std::uint16_t code = 0;
    std::uint32_t requestId = 0;
    std::vector<IppGroup> groups;
    std::string document;
    std::string path;  // where an HTTP request was posted

    // The first value of the first attribute called `name` in any group; empty if none.
    std::string value(std::string_view name) const;
    // The attribute's first value read as a 32-bit integer; nothing if absent or not one.
    std::optional<int> integer(std::string_view name) const;
};

// The wire form, and back; nothing where the bytes do not hold one whole message.
std::string encode(const IppMessage& message);
std::optional<IppMessage> decode(std::string_view bytes);

// The answer to `request` with `status`: the attributes every answer starts with (and the
// server's own words, when given), then `groups`.
IppMessage answer(const IppMessage& request, std::uint16_t status,
                  std::vector<IppGroup> groups = {}, const std::string& statusMessage = {});

class FakePrintServer {
  public:
    enum class Transport { UnixSocket, Loopback };
    // What the server says to a request; nothing: it takes the request and goes silent on
    // that connection.
    using Responder = std::function<std::optional<IppMessage>(const IppMessage& request)>;

    // Listens in `folder` (the Unix socket) or on a free loopback port. Each answer's body
    // follows its HTTP head after `pauseBeforeBody`, as from a server busy with other work.
    FakePrintServer(Transport transport, const std::string& folder, Responder responder,
                    std::chrono::milliseconds pauseBeforeBody = {});
    ~FakePrintServer();
    FakePrintServer(const FakePrintServer&) = delete;
    FakePrintServer& operator=(const FakePrintServer&) = delete;

    bool listening() const { return listener_ >= 0; }
    // Where the client finds it, as CUPS_SERVER names a server.
    const std::string& address() const { return address_; }
    // Every request it has read so far, in order.
    std::vector<IppMessage> requests() const;
    int connections() const;

  private:
    void serve();
    void talk(int client);
    void record(const IppMessage& request);

    Responder responder_;
    std::chrono::milliseconds pauseBeforeBody_;
    std::string address_;
    std::string socketPath_;
    int listener_ = -1;
    int wake_[2] = {-1, -1};  // written to on destruction: every thread ends
    std::thread acceptor_;
    mutable std::mutex mutex_;
    std::vector<std::thread> talkers_;
    std::vector<int> clients_;
    std::vector<IppMessage> requests_;
};

// A loopback address with nothing listening on it.
std::string closedLoopbackAddress();

}  // namespace arcwright::testing
