// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fake_print_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>

namespace arcwright::testing {
namespace {

void put16(std::string& out, std::uint32_t value) {
    out.push_back(static_cast<char>((value >> 8) & 0xFF));
    out.push_back(static_cast<char>(value & 0xFF));
}

void put32(std::string& out, std::uint32_t value) {
    put16(out, value >> 16);
    put16(out, value & 0xFFFF);
}

// Reads big-endian numbers and byte runs off the front of a message.
class Reader {
  public:
    explicit Reader(std::string_view bytes) : bytes_(bytes) {}
    bool has(std::size_t n) const { return bytes_.size() >= n; }
    std::uint32_t number(std::size_t n) {
        std::uint32_t value = 0;
        for (std::size_t i = 0; i < n; ++i)
            value = (value << 8) | static_cast<std::uint8_t>(bytes_[i]);
        bytes_.remove_prefix(n);
        return value;
    }
    std::string bytes(std::size_t n) {
        std::string run(bytes_.substr(0, n));
        bytes_.remove_prefix(n);
        return run;
    }
    std::string rest() { return bytes(bytes_.size()); }

  private:
    std::string_view bytes_;
};

std::string lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// One client connection, read as far as a request needs; every wait ends when the server
// shuts down.
class Connection {
  public:
    Connection(int socket, int wake) : socket_(socket), wake_(wake) {}

    // Reads what has arrived; false once the client has gone or the server is closing.
    bool fill() {
        pollfd watched[2] = {{socket_, POLLIN, 0}, {wake_, POLLIN, 0}};
        while (poll(watched, 2, -1) < 0) {
            if (errno != EINTR) return false;
        }
        if (watched[1].revents != 0) return false;
        char chunk[16 * 1024];
        const ssize_t got = read(socket_, chunk, sizeof chunk);
        if (got <= 0) return false;
        buffer_.append(chunk, static_cast<std::size_t>(got));
        return true;
    }

    std::optional<std::string> line() {
        for (;;) {
            if (const auto end = buffer_.find("\r\n"); end != std::string::npos) {
                std::string text = buffer_.substr(0, end);
                buffer_.erase(0, end + 2);
                return text;
            }
            if (!fill()) return std::nullopt;
        }
    }

    std::optional<std::string> take(std::size_t n) {
        while (buffer_.size() < n) {
            if (!fill()) return std::nullopt;
        }
        std::string run = buffer_.substr(0, n);
        buffer_.erase(0, n);
        return run;
    }

    bool send(std::string_view bytes) {
        while (!bytes.empty()) {
            const ssize_t sent = ::send(socket_, bytes.data(), bytes.size(), MSG_NOSIGNAL);
            if (sent <= 0) return false;
            bytes.remove_prefix(static_cast<std::size_t>(sent));
        }
        return true;
    }

  private:
    int socket_;
    int wake_;
    std::string buffer_;
};

struct HttpRequest {
    std::string path;
    std::string body;
};

std::optional<std::string> chunkedBody(Connection& connection) {
    std::string body;
    for (;;) {
        const auto sizeLine = connection.line();
        if (!sizeLine) return std::nullopt;
        const std::size_t size = std::stoul(*sizeLine, nullptr, 16);
        if (size == 0) break;
        const auto chunk = connection.take(size + 2);  // with its CRLF
        if (!chunk) return std::nullopt;
        body += chunk->substr(0, size);
    }
    for (;;) {  // trailer lines, up to the empty one
        const auto trailer = connection.line();
        if (!trailer) return std::nullopt;
        if (trailer->empty()) return body;
    }
}

std::optional<HttpRequest> readRequest(Connection& connection) {
    const auto requestLine = connection.line();
    if (!requestLine) return std::nullopt;
    HttpRequest request;
    const auto pathStart = requestLine->find(' ');
    const auto pathEnd = requestLine->find(' ', pathStart + 1);
    if (pathStart != std::string::npos && pathEnd != std::string::npos) {
        request.path = requestLine->substr(pathStart + 1, pathEnd - pathStart - 1);
    }
    std::size_t length = 0;
    bool chunked = false;
    bool expectsContinue = false;
    for (;;) {
        const auto header = connection.line();
        if (!header) return std::nullopt;
        if (header->empty()) break;
        const auto colon = header->find(':');
        if (colon == std::string::npos) continue;
        const std::string name = lower(header->substr(0, colon));
        std::string value = lower(header->substr(colon + 1));
        value.erase(0, value.find_first_not_of(' '));
        if (name == "content-length") length = std::stoul(value);
        if (name == "transfer-encoding") chunked = value == "chunked";
        if (name == "expect") expectsContinue = value == "100-continue";
    }
    if (expectsContinue && !connection.send("HTTP/1.1 100 Continue\r\n\r\n")) return std::nullopt;
    const auto body = chunked ? chunkedBody(connection) : connection.take(length);
    if (!body) return std::nullopt;
    request.body = *body;
    return request;
}

}  // namespace

IppAttribute IppAttribute::text(std::uint8_t tag, std::string name,
                                std::vector<std::string> values) {
    return {tag, std::move(name), std::move(values)};
}

IppAttribute IppAttribute::integer(std::uint8_t tag, std::string name, std::vector<int> values) {
    IppAttribute attribute{tag, std::move(name), {}};
    for (const int value : values) {
        std::string bytes;
        put32(bytes, static_cast<std::uint32_t>(value));
        attribute.values.push_back(bytes);
    }
    return attribute;
}

IppAttribute IppAttribute::boolean(std::string name, bool value) {
    return {ipp::kBoolean, std::move(name), {std::string(1, value ? '\1' : '\0')}};
}

std::string IppMessage::value(std::string_view name) const {
    for (const IppGroup& group : groups) {
        for (const IppAttribute& attribute : group.attributes) {
            if (attribute.name == name && !attribute.values.empty()) return attribute.values[0];
        }
    }
    return {};
}

std::optional<int> IppMessage::integer(std::string_view name) const {
    const std::string bytes = value(name);
    if (bytes.size() != 4) return std::nullopt;
    return static_cast<int>(Reader(bytes).number(4));
}

std::string encode(const IppMessage& message) {
    std::string out;
    put16(out, 0x0200);  // version 2.0
    put16(out, message.code);
    put32(out, message.requestId);
    for (const IppGroup& group : message.groups) {
        out.push_back(static_cast<char>(group.tag));
        for (const IppAttribute& attribute : group.attributes) {
            for (std::size_t i = 0; i < attribute.values.size(); ++i) {
                out.push_back(static_cast<char>(attribute.tag));
                // Values after the first carry no name: they belong to the one before.
                const std::string_view name = i == 0 ? std::string_view(attribute.name) : "";
                put16(out, static_cast<std::uint32_t>(name.size()));
                out += name;
                put16(out, static_cast<std::uint32_t>(attribute.values[i].size()));
                out += attribute.values[i];
            }
        }
    }
    out.push_back(static_cast<char>(ipp::kEndOfAttributes));
    out += message.document;
    return out;
}

std::optional<IppMessage> decode(std::string_view bytes) {
    Reader in(bytes);
    if (!in.has(8)) return std::nullopt;
    IppMessage message;
    in.number(2);  // the version: the client's choice
    message.code = static_cast<std::uint16_t>(in.number(2));
    message.requestId = in.number(4);
    for (;;) {
        if (!in.has(1)) return std::nullopt;
        const auto tag = static_cast<std::uint8_t>(in.number(1));
        if (tag == ipp::kEndOfAttributes) break;
        if (tag < 0x10) {  // a group starts
            message.groups.push_back({tag, {}});
            continue;
        }
        if (message.groups.empty() || !in.has(2)) return std::nullopt;
        const std::size_t nameLength = in.number(2);
        if (!in.has(nameLength + 2)) return std::nullopt;
        std::string name = in.bytes(nameLength);
        const std::size_t valueLength = in.number(2);
        if (!in.has(valueLength)) return std::nullopt;
        std::string value = in.bytes(valueLength);
        auto& attributes = message.groups.back().attributes;
        if (name.empty() && !attributes.empty()) {
            attributes.back().values.push_back(std::move(value));
        } else {
            attributes.push_back({tag, std::move(name), {std::move(value)}});
        }
    }
    message.document = in.rest();
    return message;
}

IppMessage answer(const IppMessage& request, std::uint16_t status, std::vector<IppGroup> groups,
                  const std::string& statusMessage) {
    IppMessage response;
    response.code = status;
    response.requestId = request.requestId;
    IppGroup operation{ipp::kOperationGroup,
                       {IppAttribute::text(ipp::kCharset, "attributes-charset", {"utf-8"}),
                        IppAttribute::text(ipp::kLanguage, "attributes-natural-language", {"en"})}};
    if (!statusMessage.empty()) {
        operation.attributes.push_back(
            IppAttribute::text(ipp::kText, "status-message", {statusMessage}));
    }
    response.groups.push_back(std::move(operation));
    for (IppGroup& group : groups) response.groups.push_back(std::move(group));
    return response;
}

FakePrintServer::FakePrintServer(Transport transport, const std::string& folder,
                                 Responder responder, std::chrono::milliseconds pauseBeforeBody)
    : responder_(std::move(responder)), pauseBeforeBody_(pauseBeforeBody) {
    if (pipe(wake_) != 0) return;
    if (transport == Transport::UnixSocket) {
        socketPath_ = folder + "/print.sock";
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        if (socketPath_.size() >= sizeof(address.sun_path)) return;
        std::copy(socketPath_.begin(), socketPath_.end(), address.sun_path);
        listener_ = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (listener_ >= 0 &&
            bind(listener_, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
            close(listener_);
            listener_ = -1;
        }
        address_ = socketPath_;
    } else {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        listener_ = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        socklen_t size = sizeof address;
        if (listener_ >= 0 &&
            (bind(listener_, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
             getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &size) != 0)) {
            close(listener_);
            listener_ = -1;
        }
        address_ = "127.0.0.1:" + std::to_string(ntohs(address.sin_port));
    }
    if (listener_ < 0) return;
    if (listen(listener_, 16) != 0) {
        close(listener_);
        listener_ = -1;
        return;
    }
    acceptor_ = std::thread(&FakePrintServer::serve, this);
}

FakePrintServer::~FakePrintServer() {
    if (wake_[1] >= 0) {
        [[maybe_unused]] const ssize_t woken = write(wake_[1], "x", 1);
    }
    if (acceptor_.joinable()) acceptor_.join();
    for (std::thread& talker : talkers_) talker.join();
    for (const int client : clients_) close(client);
    if (listener_ >= 0) close(listener_);
    if (!socketPath_.empty()) unlink(socketPath_.c_str());
    for (const int end : wake_) {
        if (end >= 0) close(end);
    }
}

std::vector<IppMessage> FakePrintServer::requests() const {
    const std::lock_guard lock(mutex_);
    return requests_;
}

int FakePrintServer::connections() const {
    const std::lock_guard lock(mutex_);
    return static_cast<int>(clients_.size());
}

void FakePrintServer::serve() {
    for (;;) {
        pollfd watched[2] = {{listener_, POLLIN, 0}, {wake_[0], POLLIN, 0}};
        if (poll(watched, 2, -1) < 0) {
            if (errno == EINTR) continue;
            return;
        }
        if (watched[1].revents != 0) return;
        const int client = accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
        if (client < 0) continue;
        const std::lock_guard lock(mutex_);
        clients_.push_back(client);
        talkers_.emplace_back(&FakePrintServer::talk, this, client);
    }
}

void FakePrintServer::talk(int client) {
    Connection connection(client, wake_[0]);
    for (;;) {
        const auto http = readRequest(connection);
        if (!http) return;
        std::optional<IppMessage> request = decode(http->body);
        if (!request) return;
        request->path = http->path;
        record(*request);
        const std::optional<IppMessage> reply = responder_(*request);
        if (!reply) {
            // Silent from here on: the connection stays open, unanswered, until the client
            // gives up on it or the server closes.
            while (connection.fill()) {
            }
            return;
        }
        const std::string body = encode(*reply);
        const std::string head =
            "HTTP/1.1 200 OK\r\nContent-Type: application/ipp\r\n"
            "Content-Length: " +
            std::to_string(body.size()) + "\r\n\r\n";
        if (pauseBeforeBody_.count() == 0) {
            if (!connection.send(head + body)) return;
            continue;
        }
        if (!connection.send(head)) return;
        pollfd wake{wake_[0], POLLIN, 0};
        if (poll(&wake, 1, static_cast<int>(pauseBeforeBody_.count())) != 0) return;
        if (!connection.send(body)) return;
    }
}

void FakePrintServer::record(const IppMessage& request) {
    const std::lock_guard lock(mutex_);
    requests_.push_back(request);
}

std::string closedLoopbackAddress() {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    const int probe = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    socklen_t size = sizeof address;
    bind(probe, reinterpret_cast<const sockaddr*>(&address), sizeof address);
    getsockname(probe, reinterpret_cast<sockaddr*>(&address), &size);
    close(probe);  // nothing listens there now
    return "127.0.0.1:" + std::to_string(ntohs(address.sin_port));
}

}  // namespace arcwright::testing
