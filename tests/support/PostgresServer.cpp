#include "PostgresServer.h"

#include "ChildProcess.h"
#include "ClassConnection.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <pwd.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

const std::string kPrograms = "/usr/lib/postgresql/15/bin/";

// A loopback port that was free a moment ago.
std::uint16_t freePort()
{
    const int probe = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    const bool bound = ::bind(probe, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0
        && ::getsockname(probe, reinterpret_cast<sockaddr*>(&address), &length) == 0;
    ::close(probe);
    return bound ? ntohs(address.sin_port) : 0;
}

// The user the server runs as when the test runs as root.
const passwd* serverUser()
{
    return ::geteuid() == 0 ? ::getpwnam("postgres") : nullptr;
}

void append(const std::string& path, const std::string& text)
{
    std::ofstream(path, std::ios::app) << text;
}

} // namespace

PostgresServer::PostgresServer(bool durable) : durable_(durable)
{
    std::string pattern = (std::filesystem::temp_directory_path() / "calcora-pg-XXXXXX").string();
    if (::mkdtemp(pattern.data()))
        folder_ = pattern;
    if (const passwd* user = serverUser(); user && !folder_.empty()) {
        [[maybe_unused]] const int owned = ::chown(folder_.c_str(), user->pw_uid, user->pw_gid);
    }
    // The password file, which libpq reads only when no one else may.
    const std::string passwords = folder_ + "/passwords";
    std::ofstream{passwords};
    ::chmod(passwords.c_str(), 0600);
}

PostgresServer::~PostgresServer()
{
    stop();
    std::error_code ignored;
    if (!folder_.empty())
        std::filesystem::remove_all(folder_, ignored);
}

bool PostgresServer::installed() const
{
    return ::access((kPrograms + "postgres").c_str(), X_OK) == 0 && !folder_.empty();
}

bool PostgresServer::run(std::vector<std::string> arguments) const
{
    if (serverUser() && arguments.front().starts_with(kPrograms) && !arguments.front().ends_with("psql"))
        arguments.insert(arguments.begin(), {"runuser", "-u", "postgres", "--"});
    return runProgram(arguments, folder_ + "/programs.log");
}

bool PostgresServer::useTls()
{
    const auto make = [&](const std::string& name, const std::string& subject) {
        return run({"openssl", "req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "2", "-subj", subject,
                           "-addext", "subjectAltName=DNS:localhost,IP:127.0.0.1", "-keyout",
                           folder_ + "/" + name + ".key", "-out", folder_ + "/" + name + ".crt"});
    };
    if (!make("server", "/CN=localhost"))
        return false;
    const std::string key = folder_ + "/server.key";
    if (const passwd* user = serverUser()) {
        [[maybe_unused]] const int owned = ::chown(key.c_str(), user->pw_uid, user->pw_gid);
    }
    ::chmod(key.c_str(), 0600);
    tls_ = true;
    return true;
}

std::string PostgresServer::strangerCertificateFile()
{
    const std::string file = folder_ + "/stranger.crt";
    if (!std::filesystem::exists(file)) {
        run({"openssl", "req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "2", "-subj", "/CN=localhost",
                    "-addext", "subjectAltName=DNS:localhost,IP:127.0.0.1", "-keyout", folder_ + "/stranger.key", "-out",
                    file});
    }
    return file;
}

bool PostgresServer::start()
{
    if (running_)
        return true;
    const std::string data = folder_ + "/data";
    if (!made_) {
        if (!run({kPrograms + "initdb", "--pgdata=" + data, "--username=postgres", "--auth=trust", "--encoding=UTF8",
                  "--locale=C", "--no-sync", "--no-instructions"}))
            return false;
        std::string settings = "listen_addresses = '127.0.0.1'\nunix_socket_directories = '" + folder_ + "'\n"
            + "max_connections = 100\n";
        if (!durable_)
            settings += "fsync = off\n";
        if (tls_)
            settings += "ssl = on\nssl_cert_file = '" + folder_ + "/server.crt'\nssl_key_file = '" + folder_
                + "/server.key'\n";
        append(data + "/postgresql.conf", settings);
        std::ofstream(data + "/pg_hba.conf", std::ios::trunc) << "local all all trust\n"
                                                                 "host all postgres 127.0.0.1/32 trust\n"
                                                                 "host all all 127.0.0.1/32 scram-sha-256\n";
        made_ = true;
    }
    // Another program may take the free port first: a first start tries a few; a later one keeps
    // the port, which the connection texts name.
    const int attempts = port_ == 0 ? 3 : 1;
    for (int attempt = 0; attempt < attempts && !running_; ++attempt) {
        if (attempts > 1)
            port_ = freePort();
        running_ = run({kPrograms + "pg_ctl", "--pgdata=" + data, "--log=" + folder_ + "/server.log", "--wait",
                        "--timeout=60", "-o", "-p " + std::to_string(port_), "start"});
    }
    return running_;
}

void PostgresServer::stop(bool immediate)
{
    if (!running_)
        return;
    run({kPrograms + "pg_ctl", "--pgdata=" + folder_ + "/data", "--wait", "--timeout=60", "--mode",
         immediate ? "immediate" : "fast", "stop"});
    running_ = false;
}

bool PostgresServer::makeDatabase(const std::string& database, const std::string& script)
{
    return run({kPrograms + "psql", "-X", "-q", "-v", "ON_ERROR_STOP=1", "-d",
                       connection("postgres", "postgres"), "-c", "CREATE DATABASE " + database})
        && run({kPrograms + "psql", "-X", "-q", "-v", "ON_ERROR_STOP=1", "-d",
                       connection("postgres", database), "-f", script});
}

bool PostgresServer::addLogin(const std::string& login, const std::string& role, const std::string& filedPassword)
{
    const std::string password = login + "-secret";
    append(folder_ + "/passwords", "127.0.0.1:" + std::to_string(port_) + ":*:" + login + ":"
                                       + (filedPassword.empty() ? password : filedPassword) + "\n");
    return run({kPrograms + "psql", "-X", "-q", "-v", "ON_ERROR_STOP=1", "-d", connection("postgres", "postgres"),
                       "-c", "CREATE ROLE " + login + " LOGIN PASSWORD '" + password + "' IN ROLE " + role});
}

std::string PostgresServer::connection(const std::string& login, const std::string& database,
                                       const std::string& more) const
{
    return "host=127.0.0.1 port=" + std::to_string(port_) + " dbname=" + database + " user=" + login + " passfile='"
        + folder_ + "/passwords' connect_timeout=10 " + more;
}

std::string PostgresServer::value(const std::string& statement, const std::string& database) const
{
    try {
        ClassConnection admin(connection("postgres", database), std::chrono::seconds(60));
        const ClassConnection::Rows rows = admin.query(statement);
        return rows.count() > 0 ? rows.text(0, 0) : std::string();
    } catch (const ClassDatabaseProblem&) {
        return {};
    }
}

std::string PostgresServer::log() const
{
    std::stringstream text;
    for (const char* name : {"/programs.log", "/server.log"})
        text << std::ifstream(folder_ + name).rdbuf();
    return text.str();
}
