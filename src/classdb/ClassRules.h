#pragma once

#include "AppError.h"
#include "Facts.h"
#include "HistoryFigures.h"
#include "Mastery.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The class database: a school's PostgreSQL server that keeps the answers of every computer of
// a class beside each computer's own history. What needs neither Qt nor libpq: what is sent,
// how the server's rows become figures, and the one sentence each kind of trouble is told in.

// The class database could not be used for what was asked. Its message is the one sentence the
// teacher or the pupil is told.
class ClassDatabaseProblem : public AppError {
public:
    using AppError::AppError;
};

// The version of server/calcora-class.sql this Calcora works with.
inline constexpr int kClassSchemaVersion = 1;

// How many answers one statement sends at most.
inline constexpr std::size_t kAnswersPerBatch = 1000;

// The statement that adds `rows` answers, given as parameters $1, $2 ... row after row, each
// row the columns of answerColumns() in their order. An answer the server has already (a batch
// sent again after a connection broke before its reply) is left as it is. The table's one
// unique key is (device, seq), so DO NOTHING needs no conflict target, which would ask the
// pupil's login for the right to read those columns.
std::string insertAnswersStatement(std::size_t rows);

// One of the last first presses of a pupil's fact as the server gives them.
struct ServerPress {
    bool correct = false;
    std::int64_t milliseconds = 0;
    std::int64_t markMilliseconds = 0;
    Day day = 0;
    bool operator==(const ServerPress&) const = default;
};

// The presses of a row of the server, from its arrays in PostgreSQL's text form, oldest first:
// "{t,f,t}", "{1200,3400,900}", "{3000,3000,3000}", "{20431,20432,20433}". Nothing when an
// array cannot be read or they differ in length.
std::optional<std::vector<ServerPress>> serverPresses(std::string_view correct, std::string_view milliseconds,
                                                      std::string_view marks, std::string_view days);

// What the history would keep of the fact after these presses: `asked` first presses in all,
// the last of them given (at most three count), and whether it was ever fluent, which the
// server works out over every press.
FactState factStateOf(int asked, const std::vector<ServerPress>& lastPresses, bool everFluent);

// What the teacher sees of a class in one operation.
struct ClassFigures {
    int operation = 1;
    std::vector<std::string> pupils;          // the rows, by name
    std::vector<Fact> facts;                  // the columns: levelOneFacts(operation)
    std::vector<std::vector<Mastery>> mastery; // mastery[pupil][fact]
    std::vector<std::string> needHelpToday;   // by name
    std::vector<ChosenWrong> chosenWrong;     // most first
};

// The figures of a class whose pupils answered nothing yet: every cell New.
ClassFigures emptyClassFigures(std::vector<std::string> pupils, int operation);
// Puts a pupil's mastery of a fact in its cell; a pupil or fact without one is left out.
void setMastery(ClassFigures& figures, const std::string& pupil, const Fact& fact, Mastery mastery);

// A pupil needs help today when more than a quarter of the day's answers were wrong.
bool needsHelp(long long answers, long long wrong);

// How far a connection came before it failed.
enum class ConnectStage {
    Reading,     // the connection text itself, or a service it names
    Connecting,  // the server's address and its port
    Securing,    // TLS: the server's certificate
    LoggingIn,   // the server answered and refused the login or the database
};

struct ConnectFailure {
    ConnectStage stage = ConnectStage::Connecting;
    bool timedOut = false;
    bool usedPassword = false;   // a password was sent, and refused
    bool neededPassword = false; // the server asked for one and none was there
    std::string login;
    std::string server;
    std::string reason;          // libpq's own words
};

// The sentence a failed connection is told in.
std::string connectSentence(const ConnectFailure& failure);
// A server of another schema's version (nothing: none of Calcora's at all).
std::string schemaSentence(std::optional<int> version);
// A login that may not do what Calcora asks of it.
std::string notAllowedSentence(const std::string& login, const std::string& reason);
// A connection that broke, or a server that stopped answering, while in use.
std::string lostSentence(const std::string& server, const std::string& reason);
// The store's value holds a password, which Calcora's store never keeps.
std::string passwordInStoreSentence();

// libpq's message as part of a sentence: one line, without its end of line.
std::string reasonText(std::string_view message);

// The lines of the synchronisation's state that are no trouble.
std::string allSentLine();
std::string sendingLine();
