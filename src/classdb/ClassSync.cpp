#include "ClassSync.h"

#include "Answer.h"
#include "ClassConnection.h"
#include "ErrorBox.h"
#include "HistoryDatabase.h"
#include "ProgramPaths.h"

#include <QMetaObject>
#include <QSqlQuery>
#include <QVariant>

#include <algorithm>
#include <utility>

namespace {

using Clock = std::chrono::steady_clock;

// How long after a poke the history has surely written the answer handed over.
constexpr auto kSettle = std::chrono::milliseconds(200);
// How long a connection or a statement may take before the server counts as not answering.
constexpr auto kPatience = std::chrono::seconds(10);

// A batch of this computer's answers after `seq`, in order, as the history keeps them.
QString batchQuery()
{
    std::string columns;
    for (const std::string& column : answerColumns())
        columns += (columns.empty() ? "" : ", ") + column;
    return QString::fromStdString("SELECT " + columns + " FROM answers WHERE device = ? AND seq > ? ORDER BY seq LIMIT ?");
}

} // namespace

ClassSync::ClassSync(std::string historyPath, std::string connection, std::chrono::milliseconds interval)
    : historyPath_(std::move(historyPath)), connection_(std::move(connection)), interval_(interval),
      worker_([this] { run(); })
{
}

ClassSync::~ClassSync()
{
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    worker_.join();
}

void ClassSync::poke()
{
    {
        const std::lock_guard lock(mutex_);
        if (!poked_)
            pokedAt_ = Clock::now();
        poked_ = true;
    }
    changed_.notify_all();
}

QString ClassSync::status() const
{
    const std::lock_guard lock(mutex_);
    return status_;
}

QStringList ClassSync::pupils() const
{
    const std::lock_guard lock(mutex_);
    return pupils_;
}

void ClassSync::run()
{
    std::unique_ptr<ClassConnection> server;
    Clock::time_point next = Clock::now();
    // A poked round that found nothing new looks once more a little later, in case the
    // history took longer to write the answer.
    bool lookedAgain = false;
    std::unique_lock lock(mutex_);
    for (;;) {
        if (stopping_)
            return;
        const Clock::time_point due = poked_ ? std::min(next, pokedAt_ + kSettle) : next;
        if (Clock::now() < due) {
            changed_.wait_until(lock, due);
            continue;
        }
        const bool poked = std::exchange(poked_, false);
        lock.unlock();
        bool sent = false;
        try {
            sent = round(server);
        } catch (const ClassConnectionStopped&) {
            return;
        }
        lock.lock();
        next = Clock::now() + interval_;
        if (poked && !sent && !lookedAgain) {
            next = std::min(next, Clock::now() + 4 * kSettle);
            lookedAgain = true;
        } else {
            lookedAgain = false;
        }
    }
}

bool ClassSync::round(std::unique_ptr<ClassConnection>& server)
{
    try {
        if (!server) {
            auto made = std::make_unique<ClassConnection>(connection_, kPatience, [this] {
                const std::lock_guard lock(mutex_);
                return stopping_;
            });
            made->checkSchema();
            server = std::move(made);
        }
        // The pupils first: the pupil list need not wait for a long backlog of answers.
        readPupils(*server);
        const bool sent = sendAnswers(*server);
        setStatus(allSentLine());
        return sent;
    } catch (const ClassDatabaseProblem& problem) {
        server.reset();
        setStatus(errorBoxText(problem.message()));
    } catch (const HistoryProblem&) {
        setStatus(errorBoxText("Calcora cannot read the answers in " + historyPath_
                               + " to send them to the class database"));
    }
    return false;
}

bool ClassSync::sendAnswers(ClassConnection& server)
{
    if (!fileExists(historyPath_))
        return false;
    // Opened anew each round: the history may have been made, or forgotten and given a new
    // device, since the last one.
    HistoryDatabase history(historyPath_, HistoryDatabase::Access::Read);
    const std::string device = history.device();
    if (device.empty())
        return false;
    long long sent = server.query("SELECT calcora_sent($1)", {device}).integer(0, 0);
    QSqlQuery rows(history.connection());
    rows.setForwardOnly(true);
    if (!rows.prepare(batchQuery()))
        throw HistoryProblem("the batch cannot be read");
    const int columns = static_cast<int>(answerColumns().size());
    std::vector<std::string> parameters;
    bool sentAny = false;
    for (;;) {
        rows.addBindValue(QString::fromStdString(device));
        rows.addBindValue(sent);
        rows.addBindValue(static_cast<qlonglong>(kAnswersPerBatch));
        if (!rows.exec())
            throw HistoryProblem("the batch cannot be read");
        parameters.clear();
        std::size_t count = 0;
        long long last = sent;
        while (rows.next()) {
            for (int column = 0; column < columns; ++column)
                parameters.push_back(rows.value(column).toString().toStdString());
            last = rows.value(1).toLongLong();
            ++count;
        }
        rows.finish();
        if (count == 0)
            return sentAny;
        if (!sentAny && count == kAnswersPerBatch)
            setStatus(sendingLine());
        server.query(insertAnswersStatement(count), parameters);
        sent = last;
        sentAny = true;
        const std::lock_guard lock(mutex_);
        if (stopping_)
            throw ClassConnectionStopped{};
    }
}

void ClassSync::readPupils(ClassConnection& server)
{
    const ClassConnection::Rows rows = server.query("SELECT name FROM pupils ORDER BY name");
    QStringList names;
    for (int row = 0; row < rows.count(); ++row)
        names << QString::fromStdString(rows.text(row, 0));
    {
        const std::lock_guard lock(mutex_);
        if (pupilsRead_ && names == pupils_)
            return;
        pupils_ = names;
        pupilsRead_ = true;
    }
    toWindow_.post([this, names] { emit pupilsChanged(names); });
}

void ClassSync::setStatus(const std::string& line)
{
    const QString text = QString::fromStdString(line);
    {
        const std::lock_guard lock(mutex_);
        if (status_ == text)
            return;
        status_ = text;
    }
    qWarning("%s", qUtf8Printable(text));
    toWindow_.post([this, text] { emit statusChanged(text); });
}
