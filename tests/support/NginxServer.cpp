#include "NginxServer.h"

#include "ChildProcess.h"

#include <QFile>
#include <QStandardPaths>
#include <QTest>

#include <arpa/inet.h>
#include <csignal>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int kGenerousMilliseconds = 30000;

sockaddr_in loopback(std::uint16_t port)
{
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return address;
}

// A loopback port that was free a moment ago.
std::uint16_t freePort()
{
    const int probe = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address = loopback(0);
    socklen_t length = sizeof address;
    const bool bound = ::bind(probe, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0
        && ::getsockname(probe, reinterpret_cast<sockaddr*>(&address), &length) == 0;
    ::close(probe);
    return bound ? ntohs(address.sin_port) : 0;
}

bool accepts(std::uint16_t port)
{
    const int client = ::socket(AF_INET, SOCK_STREAM, 0);
    const sockaddr_in address = loopback(port);
    const bool connected = ::connect(client, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    ::close(client);
    return connected;
}

// A text in double quotes as nginx's configuration reads it.
QString quoted(QString text)
{
    text.replace("\\", "\\\\").replace("\"", "\\\"");
    return "\"" + text + "\"";
}

} // namespace

NginxServer::NginxServer(const QString& root)
    : program_(QStandardPaths::findExecutable("nginx", {"/usr/sbin", "/usr/local/sbin", "/sbin"}))
{
    if (program_.isEmpty())
        program_ = QStandardPaths::findExecutable("nginx");
    // The folder is reached through a link of a plain name, whatever the checkout's path.
    QFile::link(root, folder_.filePath("site"));
}

NginxServer::~NginxServer()
{
    stop();
}

bool NginxServer::useTls()
{
    tls_ = runProgram({"openssl", "req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "2", "-subj", "/CN=127.0.0.1",
                       "-addext", "subjectAltName=IP:127.0.0.1", "-keyout", folder_.filePath("server.key").toStdString(),
                       "-out", certificateFile().toStdString()});
    return tls_;
}

bool NginxServer::start()
{
    for (int attempt = 0; attempt < 3; ++attempt) {
        port_ = freePort();
        writeConfiguration();
        pid_ = startProgram({program_.toStdString(), "-p", folder_.path().toStdString() + "/", "-c",
                             folder_.filePath("nginx.conf").toStdString(), "-e",
                             folder_.filePath("error.log").toStdString()});
        if (pid_ <= 0)
            return false;
        // It either takes connections or ends, when it could not listen on the port.
        const bool settled = QTest::qWaitFor([&] { return ended() || accepts(port_); }, kGenerousMilliseconds);
        if (!settled || !ended())
            return settled;
    }
    return false;
}

std::string NginxServer::url(const std::string& path) const
{
    return (tls_ ? "https" : "http") + std::string("://127.0.0.1:") + std::to_string(port_) + path;
}

QString NginxServer::log() const
{
    QFile errors(folder_.filePath("error.log"));
    return errors.open(QIODevice::ReadOnly) ? QString::fromUtf8(errors.readAll()) : QString();
}

bool NginxServer::ended()
{
    if (pid_ <= 0)
        return true;
    int status = 0;
    if (::waitpid(pid_, &status, WNOHANG) != pid_)
        return false;
    pid_ = -1;
    return true;
}

// A quick shutdown on SIGTERM; a server that does not end within a generous limit is killed.
void NginxServer::stop()
{
    if (pid_ <= 0)
        return;
    ::kill(pid_, SIGTERM);
    if (!QTest::qWaitFor([&] { return ended(); }, kGenerousMilliseconds)) {
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
    }
    pid_ = -1;
}

void NginxServer::writeConfiguration()
{
    QFile configuration(folder_.filePath("nginx.conf"));
    configuration.open(QIODevice::WriteOnly | QIODevice::Truncate);
    const auto path = [&](const char* name) { return quoted(folder_.filePath(name)); };
    QString text = "daemon off;\nworker_processes 1;\n";
    // Workers started by root would otherwise run as a user who cannot read a private folder.
    if (::geteuid() == 0)
        text += "user root;\n";
    text += "pid " + path("nginx.pid") + ";\nerror_log " + path("error.log") + ";\n"
        + "events { worker_connections 16; }\n"
        + "http {\n"
        + "    access_log " + path("access.log") + ";\n"
        + "    client_body_temp_path " + path("body") + ";\n"
        + "    proxy_temp_path " + path("proxy") + ";\n"
        + "    fastcgi_temp_path " + path("fastcgi") + ";\n"
        + "    uwsgi_temp_path " + path("uwsgi") + ";\n"
        + "    scgi_temp_path " + path("scgi") + ";\n"
        + "    default_type application/octet-stream;\n"
        + "    server {\n"
        + "        listen 127.0.0.1:" + QString::number(port_) + (tls_ ? " ssl" : "") + ";\n"
        + "        root " + path("site") + ";\n";
    if (tls_)
        text += "        ssl_certificate " + path("server.crt") + ";\n        ssl_certificate_key " + path("server.key") + ";\n";
    text += serverLines_ + "    }\n}\n";
    configuration.write(text.toUtf8());
}
