#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A PostgreSQL 15 server of a test's own: a new cluster (initdb) in a folder below /tmp, listening
// on a free loopback port with its socket in that folder, optionally with TLS and a certificate
// of its own for 127.0.0.1 made by openssl. PostgreSQL refuses to run as root, so when the test
// runs as root the server runs as Debian's user postgres, who owns the folder. The superuser
// "postgres" logs in without a password; every other login with its password over TCP
// (scram-sha-256), read from a password file of the server's own, as ~/.pgpass would be.
class PostgresServer {
public:
    // `durable`: the server writes through to the disk as an installed one does (slower);
    // otherwise it leaves that to the system, which a test's server never outlives.
    explicit PostgresServer(bool durable = false);
    // Stops the server and removes the folder.
    ~PostgresServer();
    PostgresServer(const PostgresServer&) = delete;
    PostgresServer& operator=(const PostgresServer&) = delete;

    // Whether PostgreSQL 15's programs are there (Debian's postgresql-15).
    bool installed() const;

    // Before the first start: TLS with a certificate for 127.0.0.1 and localhost, which is its
    // own root certificate; false when it cannot be made.
    bool useTls();
    std::string certificateFile() const { return folder_ + "/server.crt"; }
    // A self-signed certificate of another server, which vouches for nothing of this one.
    std::string strangerCertificateFile();

    // Makes the cluster on the first start, then starts the server and waits until it takes
    // connections; a later start keeps the port. False when it does not start.
    bool start();
    // A fast shutdown, or `immediate`: the server ends at once, as a crash would end it.
    void stop(bool immediate = false);

    // Makes the database and runs the script on it with psql, as its owner would.
    bool makeDatabase(const std::string& database, const std::string& script);
    // Makes a login with a password in the role (calcora_pupil, calcora_teacher) and writes its
    // password to the password file (a wrong one when `filedPassword` is given).
    bool addLogin(const std::string& login, const std::string& role, const std::string& filedPassword = {});

    std::uint16_t port() const { return port_; }
    // The libpq connection text of a login to a database, with the server's password file and
    // without TLS unless `more` asks for it ("sslmode=verify-full sslrootcert=...").
    std::string connection(const std::string& login, const std::string& database = "calcora",
                           const std::string& more = "sslmode=disable") const;
    // The first column of the first row of a statement run by the superuser; empty when it
    // fails or gives no row.
    std::string value(const std::string& statement, const std::string& database = "calcora") const;
    std::string log() const;

private:
    // Runs a program to its end, its output added to the folder's programs.log; the server's
    // own programs as the server's user.
    bool run(std::vector<std::string> arguments) const;
    std::string folder_;
    bool durable_;
    bool tls_ = false;
    bool made_ = false;
    bool running_ = false;
    std::uint16_t port_ = 0;
};
