#pragma once

#include <QString>
#include <QTemporaryDir>

#include <cstdint>
#include <sys/types.h>

// nginx serving one folder on 127.0.0.1, run as a child process in the foreground, with its
// pid, logs and temporary files in a folder of its own, on a free loopback port.
class NginxServer {
public:
    explicit NginxServer(const QString& root);
    ~NginxServer();
    NginxServer(const NginxServer&) = delete;
    NginxServer& operator=(const NginxServer&) = delete;

    bool installed() const { return !program_.isEmpty(); }

    // Before start: serve https with a certificate of this server's own for 127.0.0.1, made
    // with openssl; false when it cannot be made. Its authority is certificateFile().
    bool useTls();
    QString certificateFile() const { return folder_.filePath("server.crt"); }
    // Before start: more lines for the server block, such as "location = /x { return 302 ...; }".
    void addServerLines(const QString& lines) { serverLines_ += lines; }

    // Starts it and waits until it takes connections. Another program may take the free port
    // first, so a few ports are tried.
    bool start();
    void stop();

    std::uint16_t port() const { return port_; }
    // "http://127.0.0.1:<port>" (or https) followed by the path.
    std::string url(const std::string& path) const;
    QString log() const;

private:
    bool ended();
    void writeConfiguration();

    QString program_;
    QTemporaryDir folder_;
    QString serverLines_;
    bool tls_ = false;
    pid_t pid_ = -1;
    std::uint16_t port_ = 0;
};
