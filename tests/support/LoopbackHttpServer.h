#pragma once

// A small HTTP server on 127.0.0.1 for tests that fetch over the network. It listens on a free
// port from construction until it is stopped or destroyed, accepts on a thread of its own and
// answers each connection on one more, with the answer scripted for the request's path, then
// closes the connection (HTTP/1.0). Every request is recorded for the test to read.
//
//     LoopbackHttpServer server;
//     server.serve("/update201", HttpAnswer::page("lang;German;german.lng\n"));
//     server.serve("/big.bin", HttpAnswer::generated(100'000));
//     server.serve("/old", HttpAnswer::redirect("/big.bin"));
//     fetch.URL = QString::fromStdString(server.url("/update201"));
//     ... start the fetch, wait for its event ...
//     EXPECT_EQ(server.requests().at(0).header("User-Agent"), "Calcora 2.01");
//
// A path without an answer gets "404 Not Found". Answers may be changed while it runs. Stopping
// (or destroying) the server ends every connection at once, stalled ones included; a client
// that goes away in the middle never blocks it. For an address where nothing listens, see
// RefusedPort below.

#include <cstdint>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <utility>
#include <vector>

struct HttpAnswer {
    std::string status = "200 OK";    // the status line after "HTTP/1.0 "
    std::vector<std::string> headers; // further header lines, such as "Location: /new"
    std::string body;
    std::uint64_t generatedBytes = 0; // after the body, this many bytes made on the fly
    bool sendsHeaders = true;         // false: not even a status line
    bool sendsLength = true;          // a Content-Length header
    std::optional<std::uint64_t> declaredLength; // sent instead of the true length
    bool stallsAfterBody = false;     // then nothing more, the connection open until the
                                      // client leaves or the server stops

    // 200 with the body and its true length.
    static HttpAnswer page(std::string body);
    // 200 with the body and no length: the closing connection ends it.
    static HttpAnswer withoutLength(std::string body);
    // 200 that declares one length, sends the body (of another length) and closes.
    static HttpAnswer declaringLength(std::uint64_t length, std::string body);
    // Any status, such as "404 Not Found", with a body and its length.
    static HttpAnswer withStatus(std::string status, std::string body);
    // A redirect to the location, "302 Found" unless another status is given.
    static HttpAnswer redirect(std::string location, std::string status = "302 Found");
    // Declares a length, sends the first bytes of the body, then stalls.
    static HttpAnswer stalling(std::string firstBytes, std::uint64_t declaredLength);
    // Reads the request and never answers.
    static HttpAnswer silence();
    // A body of `size` bytes made while sending (see generatedByte), with or without length.
    static HttpAnswer generated(std::uint64_t size, bool sendsLength = true);
    // Byte number `index` of a generated body.
    static char generatedByte(std::uint64_t index);
};

struct HttpRequest {
    std::string method;
    std::string path;    // the request target as sent, query included
    std::string version; // "HTTP/1.0"
    std::vector<std::pair<std::string, std::string>> headers;
    std::string body;

    // The first header of that name (any letter case), if any.
    std::optional<std::string> header(std::string_view name) const;
};

class LoopbackHttpServer {
public:
    // Listens at once; throws std::runtime_error when no socket can be had.
    LoopbackHttpServer();
    ~LoopbackHttpServer();

    LoopbackHttpServer(const LoopbackHttpServer&) = delete;
    LoopbackHttpServer& operator=(const LoopbackHttpServer&) = delete;

    // Answers requests for `path` (the target without its query, or the whole target) so.
    void serve(const std::string& path, HttpAnswer answer);

    std::uint16_t port() const { return port_; }
    // "http://127.0.0.1:<port>" followed by the path.
    std::string url(const std::string& path) const;

    // Every request received so far, in order of arrival.
    std::vector<HttpRequest> requests() const;

    // Ends every connection and the server's threads; waits until they are gone.
    void stop();

private:
    void acceptLoop();
    void serveConnection(int socket);
    std::optional<HttpRequest> readRequest(int socket);
    bool receiveMore(int socket, std::string& received);
    bool sendAll(int socket, std::string_view bytes);
    void sendAnswer(int socket, const HttpAnswer& answer);
    void waitUntilStoppedOrLeft(int socket);
    HttpAnswer answerFor(const std::string& target) const;
    // Waits until the socket is ready for `events` (or the server stops); false on stop,
    // error, or when nothing happened within the limit.
    bool waitFor(int socket, short events, int limitMilliseconds);

    int listener_ = -1;
    int stopPipe_[2] = {-1, -1};
    std::uint16_t port_ = 0;
    std::thread acceptor_;

    mutable std::mutex mutex_;
    bool stopped_ = false;
    std::map<std::string, HttpAnswer> answers_;
    std::vector<HttpRequest> requests_;
    std::vector<std::thread> connections_;
};

// A loopback port on which nothing listens: a connection to it is refused. The port stays
// bound (without listening) while this object lives, so nothing else can take it meanwhile.
class RefusedPort {
public:
    RefusedPort();
    ~RefusedPort();

    RefusedPort(const RefusedPort&) = delete;
    RefusedPort& operator=(const RefusedPort&) = delete;

    std::uint16_t port() const { return port_; }
    std::string url(const std::string& path) const;

private:
    int socket_ = -1;
    std::uint16_t port_ = 0;
};
