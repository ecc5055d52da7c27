#include "LoopbackHttpServer.h"

#include "PathText.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <cerrno>
#include <stdexcept>

namespace {

// How long a client may take to send its request before the connection is dropped.
constexpr int kRequestLimitMilliseconds = 30'000;
constexpr std::size_t kMaxRequestBytes = 1 << 20;

bool equalNoCase(std::string_view a, std::string_view b)
{
    return lowerCaseLetters(std::string(a)) == lowerCaseLetters(std::string(b));
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

// A TCP socket bound to a free loopback port; returns the socket and fills in the port.
int boundLoopbackSocket(std::uint16_t& port)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        throw std::runtime_error("LoopbackHttpServer: no socket");
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    socklen_t length = sizeof address;
    if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0
        || ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        ::close(fd);
        throw std::runtime_error("LoopbackHttpServer: cannot bind a loopback port");
    }
    port = ntohs(address.sin_port);
    return fd;
}

std::string loopbackUrl(std::uint16_t port, const std::string& path)
{
    return "http://127.0.0.1:" + std::to_string(port) + path;
}

} // namespace

// ---- answers and requests ----

HttpAnswer HttpAnswer::page(std::string body)
{
    HttpAnswer answer;
    answer.body = std::move(body);
    return answer;
}

HttpAnswer HttpAnswer::withoutLength(std::string body)
{
    HttpAnswer answer = page(std::move(body));
    answer.sendsLength = false;
    return answer;
}

HttpAnswer HttpAnswer::declaringLength(std::uint64_t length, std::string body)
{
    HttpAnswer answer = page(std::move(body));
    answer.declaredLength = length;
    return answer;
}

HttpAnswer HttpAnswer::withStatus(std::string status, std::string body)
{
    HttpAnswer answer = page(std::move(body));
    answer.status = std::move(status);
    return answer;
}

HttpAnswer HttpAnswer::redirect(std::string location, std::string status)
{
    HttpAnswer answer = withStatus(std::move(status), "Moved\n");
    answer.headers.push_back("Location: " + location);
    return answer;
}

HttpAnswer HttpAnswer::stalling(std::string firstBytes, std::uint64_t declaredLength)
{
    HttpAnswer answer = declaringLength(declaredLength, std::move(firstBytes));
    answer.stallsAfterBody = true;
    return answer;
}

HttpAnswer HttpAnswer::silence()
{
    HttpAnswer answer;
    answer.sendsHeaders = false;
    answer.stallsAfterBody = true;
    return answer;
}

HttpAnswer HttpAnswer::generated(std::uint64_t size, bool sendsLength)
{
    HttpAnswer answer;
    answer.generatedBytes = size;
    answer.sendsLength = sendsLength;
    return answer;
}

char HttpAnswer::generatedByte(std::uint64_t index)
{
    return static_cast<char>('a' + index % 26);
}

std::optional<std::string> HttpRequest::header(std::string_view name) const
{
    for (const auto& [headerName, value] : headers) {
        if (equalNoCase(headerName, name))
            return value;
    }
    return std::nullopt;
}

// ---- the server ----

LoopbackHttpServer::LoopbackHttpServer()
{
    listener_ = boundLoopbackSocket(port_);
    if (::listen(listener_, 64) != 0 || ::pipe2(stopPipe_, O_CLOEXEC | O_NONBLOCK) != 0) {
        ::close(listener_);
        throw std::runtime_error("LoopbackHttpServer: cannot listen");
    }
    acceptor_ = std::thread([this] { acceptLoop(); });
}

LoopbackHttpServer::~LoopbackHttpServer()
{
    stop();
}

void LoopbackHttpServer::serve(const std::string& path, HttpAnswer answer)
{
    const std::lock_guard lock(mutex_);
    answers_[path] = std::move(answer);
}

std::string LoopbackHttpServer::url(const std::string& path) const
{
    return loopbackUrl(port_, path);
}

std::vector<HttpRequest> LoopbackHttpServer::requests() const
{
    const std::lock_guard lock(mutex_);
    return requests_;
}

void LoopbackHttpServer::stop()
{
    {
        const std::lock_guard lock(mutex_);
        if (stopped_)
            return;
        stopped_ = true;
    }
    // The pipe is never read, so every wait from now on sees it ready and gives up.
    const char wake = 1;
    [[maybe_unused]] const auto written = ::write(stopPipe_[1], &wake, 1);
    acceptor_.join();
    std::vector<std::thread> connections;
    {
        const std::lock_guard lock(mutex_);
        connections.swap(connections_);
    }
    for (auto& connection : connections)
        connection.join();
    ::close(listener_);
    ::close(stopPipe_[0]);
    ::close(stopPipe_[1]);
}

bool LoopbackHttpServer::waitFor(int socket, short events, int limitMilliseconds)
{
    pollfd fds[2] = {{socket, events, 0}, {stopPipe_[0], POLLIN, 0}};
    for (;;) {
        const int ready = ::poll(fds, 2, limitMilliseconds);
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0 || fds[1].revents != 0)
            return false;
        return (fds[0].revents & (events | POLLHUP | POLLERR)) != 0;
    }
}

void LoopbackHttpServer::acceptLoop()
{
    while (waitFor(listener_, POLLIN, -1)) {
        const int socket = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
        if (socket < 0)
            continue;
        // Head and body go out in separate sends; without this the second waits for an ACK.
        const int noDelay = 1;
        ::setsockopt(socket, IPPROTO_TCP, TCP_NODELAY, &noDelay, sizeof noDelay);
        const std::lock_guard lock(mutex_);
        connections_.emplace_back([this, socket] { serveConnection(socket); });
    }
}

void LoopbackHttpServer::serveConnection(int socket)
{
    if (auto request = readRequest(socket)) {
        const HttpAnswer answer = answerFor(request->path);
        {
            const std::lock_guard lock(mutex_);
            requests_.push_back(std::move(*request));
        }
        sendAnswer(socket, answer);
    }
    ::shutdown(socket, SHUT_WR);
    ::close(socket);
}

bool LoopbackHttpServer::receiveMore(int socket, std::string& received)
{
    char buffer[16384];
    if (received.size() > kMaxRequestBytes || !waitFor(socket, POLLIN, kRequestLimitMilliseconds))
        return false;
    const auto count = ::recv(socket, buffer, sizeof buffer, 0);
    if (count <= 0)
        return false;
    received.append(buffer, static_cast<std::size_t>(count));
    return true;
}

std::optional<HttpRequest> LoopbackHttpServer::readRequest(int socket)
{
    std::string received;
    std::size_t headEnd;
    while ((headEnd = received.find("\r\n\r\n")) == std::string::npos) {
        if (!receiveMore(socket, received))
            return std::nullopt;
    }

    HttpRequest request;
    std::string_view head(received.data(), headEnd);
    const auto lineEnd = std::min(head.find("\r\n"), head.size());
    const std::string_view requestLine = head.substr(0, lineEnd);
    const auto firstSpace = requestLine.find(' ');
    const auto lastSpace = requestLine.rfind(' ');
    if (firstSpace == std::string_view::npos || lastSpace == firstSpace)
        return std::nullopt;
    request.method = requestLine.substr(0, firstSpace);
    request.path = requestLine.substr(firstSpace + 1, lastSpace - firstSpace - 1);
    request.version = requestLine.substr(lastSpace + 1);

    head.remove_prefix(std::min(lineEnd + 2, head.size()));
    while (!head.empty()) {
        const auto end = std::min(head.find("\r\n"), head.size());
        const std::string_view line = head.substr(0, end);
        const auto colon = line.find(':');
        if (colon != std::string_view::npos)
            request.headers.emplace_back(line.substr(0, colon), trimmed(line.substr(colon + 1)));
        head.remove_prefix(std::min(end + 2, head.size()));
    }

    std::size_t length = 0;
    if (const auto declared = request.header("Content-Length")) {
        if (std::from_chars(declared->data(), declared->data() + declared->size(), length).ec != std::errc())
            return std::nullopt;
    }
    received.erase(0, headEnd + 4);
    while (received.size() < length) {
        if (!receiveMore(socket, received))
            return std::nullopt;
    }
    request.body = std::move(received);
    return request;
}

HttpAnswer LoopbackHttpServer::answerFor(const std::string& target) const
{
    const std::lock_guard lock(mutex_);
    auto found = answers_.find(target);
    if (found == answers_.end())
        found = answers_.find(target.substr(0, target.find('?')));
    if (found != answers_.end())
        return found->second;
    return HttpAnswer::withStatus("404 Not Found", "Not found\n");
}

bool LoopbackHttpServer::sendAll(int socket, std::string_view bytes)
{
    while (!bytes.empty()) {
        if (!waitFor(socket, POLLOUT, kRequestLimitMilliseconds))
            return false;
        const auto sent = ::send(socket, bytes.data(), bytes.size(), MSG_NOSIGNAL);
        if (sent < 0 && (errno == EINTR || errno == EAGAIN))
            continue;
        if (sent <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(sent));
    }
    return true;
}

void LoopbackHttpServer::sendAnswer(int socket, const HttpAnswer& answer)
{
    if (answer.sendsHeaders) {
        std::string head = "HTTP/1.0 " + answer.status + "\r\n";
        for (const auto& header : answer.headers)
            head += header + "\r\n";
        if (answer.sendsLength) {
            const std::uint64_t length = answer.declaredLength.value_or(answer.body.size() + answer.generatedBytes);
            head += "Content-Length: " + std::to_string(length) + "\r\n";
        }
        head += "\r\n";
        if (!sendAll(socket, head) || !sendAll(socket, answer.body))
            return;
        // A whole number of the pattern's periods, so every block is the same.
        std::string block(26 * 2520, '\0');
        for (std::size_t i = 0; i < block.size(); ++i)
            block[i] = HttpAnswer::generatedByte(i);
        for (std::uint64_t sent = 0; sent < answer.generatedBytes;) {
            const auto size = std::min<std::uint64_t>(block.size(), answer.generatedBytes - sent);
            if (!sendAll(socket, std::string_view(block.data(), size)))
                return;
            sent += size;
        }
    }
    if (answer.stallsAfterBody)
        waitUntilStoppedOrLeft(socket);
}

void LoopbackHttpServer::waitUntilStoppedOrLeft(int socket)
{
    char buffer[4096];
    while (waitFor(socket, POLLIN, -1)) {
        if (::recv(socket, buffer, sizeof buffer, 0) <= 0)
            return;
    }
}

// ---- a port nobody listens on ----

RefusedPort::RefusedPort() : socket_(boundLoopbackSocket(port_)) {}

RefusedPort::~RefusedPort()
{
    ::close(socket_);
}

std::string RefusedPort::url(const std::string& path) const
{
    return loopbackUrl(port_, path);
}
