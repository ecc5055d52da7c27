#pragma once

#include "ClassRules.h"

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

struct PqLibrary;
struct pg_conn;
struct pg_result;

// Thrown out of any wait of a connection whose owner asked it to stop.
struct ClassConnectionStopped {};

// Why a connection text cannot be used as it stands, in the sentence a teacher is told: libpq
// is not installed, cannot read it, or finds a password in it, which belongs in ~/.pgpass and
// never in the store. Nothing when it can; the server is not asked.
std::optional<std::string> connectionTextProblem(const std::string& connection);

// One connection to the class database through libpq, never blocking longer than a moment:
// libpq is driven without blocking and every wait is a poll of its socket in short slices, so
// that a server that does not answer costs `patience` at most, and an owner that wants to stop
// (`stop` gives true) is let go within a tenth of a second. Each failure throws
// ClassDatabaseProblem with the sentence for it.
class ClassConnection {
public:
    using Clock = std::chrono::steady_clock;

    // A result's rows, as text.
    class Rows {
    public:
        Rows(const PqLibrary& pq, pg_result* result);
        ~Rows();
        Rows(Rows&& other) noexcept;
        Rows(const Rows&) = delete;
        Rows& operator=(const Rows&) = delete;
        Rows& operator=(Rows&&) = delete;

        int count() const;
        std::string text(int row, int column) const;
        long long integer(int row, int column) const;

    private:
        const PqLibrary* pq_;
        pg_result* result_;
    };

    // Connects with the libpq connection text as the store holds it ("service=calcora",
    // "host=... dbname=... sslmode=verify-full"): libpq reads pg_service.conf, ~/.pgpass and the
    // root certificate as it always does. A text that holds a password is refused.
    ClassConnection(const std::string& connection, std::chrono::milliseconds patience,
                    std::function<bool()> stop = {});
    ~ClassConnection();
    ClassConnection(const ClassConnection&) = delete;
    ClassConnection& operator=(const ClassConnection&) = delete;

    // Throws the sentence of schemaSentence() unless the server's schema is this Calcora's.
    void checkSchema();

    // Runs one statement with text parameters and gives its rows.
    Rows query(const std::string& statement, const std::vector<std::string>& parameters = {});
    // Runs one statement and hands its rows over one by one, as they come; gives their number.
    std::size_t eachRow(const std::string& statement, const std::vector<std::string>& parameters,
                        const std::function<void(const Rows& row)>& take);

    const std::string& login() const { return login_; }
    const std::string& server() const { return server_; }

private:
    void send(const std::string& statement, const std::vector<std::string>& parameters);
    pg_result* nextResult();
    // Waits until the socket is ready for `events` (poll's), or throws when `patience` has
    // gone by since `since` or the owner stops.
    bool wait(short events, Clock::time_point deadline);
    [[noreturn]] void failed(pg_result* result);

    const PqLibrary* pq_;
    pg_conn* connection_ = nullptr;
    std::chrono::milliseconds patience_;
    std::function<bool()> stop_;
    std::string login_;
    std::string server_;
};
