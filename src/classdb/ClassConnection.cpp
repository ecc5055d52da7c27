#include "ClassConnection.h"

#include "PqLibrary.h"

#include <poll.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <string_view>
#include <utility>

namespace {

// How long a wait goes before it looks whether its owner wants to stop.
constexpr auto kSlice = std::chrono::milliseconds(100);

const PqLibrary& library()
{
    if (const PqLibrary* pq = pqLibrary())
        return *pq;
    throw ClassDatabaseProblem("Calcora cannot use the class database, because libpq (libpq.so.5, Debian's package "
                               "libpq5) is not installed");
}

// The store never keeps a password: a connection text that holds one is refused before it is
// used. Gives libpq's reason when the text cannot be read at all.
void refuseTextWithPassword(const PqLibrary& pq, const std::string& connection)
{
    char* error = nullptr;
    PQconninfoOption* options = pq.conninfoParse(connection.c_str(), &error);
    if (!options) {
        ConnectFailure failure;
        failure.stage = ConnectStage::Reading;
        failure.reason = error ? reasonText(error) : "libpq has no memory left";
        if (error)
            pq.freemem(error);
        throw ClassDatabaseProblem(connectSentence(failure));
    }
    bool holdsPassword = false;
    for (const PQconninfoOption* option = options; option->keyword; ++option) {
        if (std::string_view(option->keyword) == "password" && option->val && *option->val)
            holdsPassword = true;
    }
    pq.conninfoFree(options);
    if (holdsPassword)
        throw ClassDatabaseProblem(passwordInStoreSentence());
}

// Where a connection was when its last step failed.
ConnectStage stageOf(ConnStatusType status)
{
    switch (status) {
    case CONNECTION_NEEDED:
    case CONNECTION_STARTED:
        return ConnectStage::Connecting;
    case CONNECTION_SSL_STARTUP:
        return ConnectStage::Securing;
    default:
        return ConnectStage::LoggingIn;
    }
}

std::string textOf(const char* text)
{
    return text ? text : "";
}

} // namespace

std::optional<std::string> connectionTextProblem(const std::string& connection)
{
    try {
        refuseTextWithPassword(library(), connection);
        return std::nullopt;
    } catch (const ClassDatabaseProblem& problem) {
        return problem.message();
    }
}

ClassConnection::ClassConnection(const std::string& connection, std::chrono::milliseconds patience,
                                 std::function<bool()> stop)
    : pq_(&library()), patience_(patience), stop_(std::move(stop))
{
    refuseTextWithPassword(*pq_, connection);
    // The store's text goes in as "dbname", which libpq expands; values it names win over the
    // ones before it. No Kerberos: looking for its tickets would only delay every connection.
    const char* const keys[] = {"application_name", "gssencmode", "dbname", nullptr};
    const char* const values[] = {"Calcora", "disable", connection.c_str(), nullptr};
    connection_ = pq_->connectStartParams(keys, values, 1);
    if (!connection_)
        throw ClassDatabaseProblem("Calcora cannot use the class database: libpq has no memory left");
    login_ = textOf(pq_->user(connection_));
    server_ = textOf(pq_->host(connection_));
    // The server's notices ("terminating connection ...") are not the program's output: what
    // goes wrong is told in the sentences.
    pq_->setNoticeProcessor(connection_, [](void*, const char*) {}, nullptr);

    ConnectFailure failure;
    // Failing at once, before anything was sent: the text, a service it names, or the server's
    // name or address (libpq looks it up and starts connecting before it gives the connection).
    failure.stage = server_.empty() ? ConnectStage::Reading : ConnectStage::Connecting;
    PostgresPollingStatusType polling =
        pq_->status(connection_) == CONNECTION_BAD ? PGRES_POLLING_FAILED : PGRES_POLLING_WRITING;
    const auto deadline = Clock::now() + patience_;
    try {
        while (polling != PGRES_POLLING_OK && polling != PGRES_POLLING_FAILED) {
            failure.stage = stageOf(pq_->status(connection_));
            if (!wait(polling == PGRES_POLLING_READING ? POLLIN : POLLOUT, deadline)) {
                failure.timedOut = true;
                break;
            }
            polling = pq_->connectPoll(connection_);
        }
    } catch (...) {
        pq_->finish(connection_);
        throw;
    }
    if (polling == PGRES_POLLING_OK && pq_->setNonblocking(connection_, 1) == 0) {
        login_ = textOf(pq_->user(connection_));
        server_ = textOf(pq_->host(connection_));
        return;
    }
    failure.usedPassword = pq_->connectionUsedPassword(connection_) != 0;
    failure.neededPassword = pq_->connectionNeedsPassword(connection_) != 0;
    failure.login = textOf(pq_->user(connection_));
    failure.server = textOf(pq_->host(connection_));
    failure.reason = reasonText(textOf(pq_->errorMessage(connection_)));
    pq_->finish(connection_);
    throw ClassDatabaseProblem(connectSentence(failure));
}

ClassConnection::~ClassConnection()
{
    pq_->finish(connection_);
}

bool ClassConnection::wait(short events, Clock::time_point deadline)
{
    for (;;) {
        if (stop_ && stop_())
            throw ClassConnectionStopped{};
        const auto now = Clock::now();
        if (now >= deadline)
            return false;
        const int socket = pq_->socket(connection_);
        if (socket < 0)
            return true; // libpq's next step tells what went wrong
        pollfd watched{socket, events, 0};
        const auto slice = std::min<Clock::duration>(kSlice, deadline - now);
        const auto milliseconds = std::chrono::ceil<std::chrono::milliseconds>(slice).count();
        const int ready = ::poll(&watched, 1, static_cast<int>(milliseconds));
        if (ready > 0 || (ready < 0 && errno != EINTR))
            return true;
    }
}

void ClassConnection::send(const std::string& statement, const std::vector<std::string>& parameters)
{
    std::vector<const char*> values;
    values.reserve(parameters.size());
    for (const std::string& parameter : parameters)
        values.push_back(parameter.c_str());
    if (!pq_->sendQueryParams(connection_, statement.c_str(), static_cast<int>(values.size()), nullptr, values.data(),
                              nullptr, nullptr, 0))
        throw ClassDatabaseProblem(lostSentence(server_, reasonText(textOf(pq_->errorMessage(connection_)))));
    const auto deadline = Clock::now() + patience_;
    for (;;) {
        const int flushed = pq_->flush(connection_);
        if (flushed == 0)
            return;
        // While it cannot write, the server may have something to say (an error, say) that
        // libpq must read for the writing to go on.
        if (flushed < 0 || !wait(POLLOUT | POLLIN, deadline) || !pq_->consumeInput(connection_))
            break;
    }
    throw ClassDatabaseProblem(lostSentence(server_, reasonText(textOf(pq_->errorMessage(connection_)))));
}

pg_result* ClassConnection::nextResult()
{
    const auto deadline = Clock::now() + patience_;
    while (pq_->isBusy(connection_)) {
        if (!wait(POLLIN, deadline))
            throw ClassDatabaseProblem(lostSentence(server_, "no answer within "
                                                    + std::to_string(patience_.count() / 1000) + " seconds"));
        if (!pq_->consumeInput(connection_))
            throw ClassDatabaseProblem(lostSentence(server_, reasonText(textOf(pq_->errorMessage(connection_)))));
    }
    return pq_->getResult(connection_);
}

void ClassConnection::failed(pg_result* result)
{
    const std::string state = textOf(pq_->resultErrorField(result, PG_DIAG_SQLSTATE));
    std::string reason = reasonText(textOf(pq_->resultErrorMessage(result)));
    pq_->clear(result);
    if (reason.empty())
        reason = reasonText(textOf(pq_->errorMessage(connection_)));
    // Class 08: the connection; 57: the server stopping or cancelling.
    if (pq_->status(connection_) == CONNECTION_BAD || state.starts_with("08") || state.starts_with("57"))
        throw ClassDatabaseProblem(lostSentence(server_, reason));
    if (state == "42501")
        throw ClassDatabaseProblem(notAllowedSentence(login_, reason));
    if (state == "42P01" || state == "42883")
        throw ClassDatabaseProblem(schemaSentence(std::nullopt));
    throw ClassDatabaseProblem("The class database refuses what Calcora asks of it (" + reason + ")");
}

ClassConnection::Rows ClassConnection::query(const std::string& statement, const std::vector<std::string>& parameters)
{
    send(statement, parameters);
    pg_result* kept = nullptr;
    // Every result is read, so that the connection is ready for the next statement; the first
    // failure is the one told.
    while (pg_result* result = nextResult()) {
        const ExecStatusType status = pq_->resultStatus(result);
        const bool fine = status == PGRES_TUPLES_OK || status == PGRES_COMMAND_OK;
        if (kept && (fine || pq_->resultStatus(kept) == PGRES_FATAL_ERROR)) {
            pq_->clear(result);
            continue;
        }
        if (kept)
            pq_->clear(kept);
        kept = result;
    }
    if (!kept)
        throw ClassDatabaseProblem(lostSentence(server_, reasonText(textOf(pq_->errorMessage(connection_)))));
    const ExecStatusType status = pq_->resultStatus(kept);
    if (status != PGRES_TUPLES_OK && status != PGRES_COMMAND_OK)
        failed(kept);
    return Rows(*pq_, kept);
}

std::size_t ClassConnection::eachRow(const std::string& statement, const std::vector<std::string>& parameters,
                                     const std::function<void(const Rows& row)>& take)
{
    send(statement, parameters);
    pq_->setSingleRowMode(connection_);
    std::size_t count = 0;
    pg_result* failure = nullptr;
    while (pg_result* result = nextResult()) {
        const ExecStatusType status = pq_->resultStatus(result);
        if (status == PGRES_SINGLE_TUPLE && !failure) {
            const Rows row(*pq_, result);
            take(row);
            ++count;
        } else if (status == PGRES_SINGLE_TUPLE || status == PGRES_TUPLES_OK || failure) {
            pq_->clear(result);
        } else {
            failure = result;
        }
    }
    if (failure)
        failed(failure);
    return count;
}

void ClassConnection::checkSchema()
{
    const Rows rows = query("SELECT version FROM calcora_schema");
    if (rows.count() != 1)
        throw ClassDatabaseProblem(schemaSentence(std::nullopt));
    const long long version = rows.integer(0, 0);
    if (version != kClassSchemaVersion)
        throw ClassDatabaseProblem(schemaSentence(static_cast<int>(version)));
}

ClassConnection::Rows::Rows(const PqLibrary& pq, pg_result* result) : pq_(&pq), result_(result)
{
}

ClassConnection::Rows::~Rows()
{
    if (result_)
        pq_->clear(result_);
}

ClassConnection::Rows::Rows(Rows&& other) noexcept : pq_(other.pq_), result_(std::exchange(other.result_, nullptr))
{
}

int ClassConnection::Rows::count() const
{
    return pq_->ntuples(result_);
}

std::string ClassConnection::Rows::text(int row, int column) const
{
    return std::string(pq_->getvalue(result_, row, column),
                       static_cast<std::size_t>(pq_->getlength(result_, row, column)));
}

long long ClassConnection::Rows::integer(int row, int column) const
{
    const char* text = pq_->getvalue(result_, row, column);
    const char* end = text + pq_->getlength(result_, row, column);
    long long value = 0;
    std::from_chars(text, end, value);
    return value;
}
