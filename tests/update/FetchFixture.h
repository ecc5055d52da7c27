#pragma once

#include "HTTPGet.h"
#include "LoopbackHttpServer.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

struct FetchEvent {
    enum Kind { Progress, DoneFile, DoneString, Error };
    Kind kind;
    QObject* sender = nullptr;
    qint32 totalSize = 0; // Progress
    qint32 readed = 0;    // Progress
    QString fileName;     // DoneFile
    qint32 fileSize = 0;  // DoneFile
    QByteArray body;      // DoneString
};

// Records every event of one fetch component as it arrives on the GUI thread. It may outlive
// the component, so a test can check that a destroyed one delivered nothing more.
class FetchEvents : public QObject {
public:
    // withProgress: whether OnProgress has a receiver (the component checks this when a
    // fetch starts).
    explicit FetchEvents(THTTPGet& fetch, bool withProgress = true);

    // Runs in the handler of every event, after it was recorded.
    std::function<void(const FetchEvent&)> onEvent;

    const std::vector<FetchEvent>& all() const { return events_; }
    std::vector<FetchEvent> progress() const;
    std::vector<FetchEvent> completions() const;

    // Handles events until a completion has arrived (false if none came within a generous
    // limit), then handles whatever is already queued, so that a second one would be seen.
    bool waitForCompletion();

private:
    void record(FetchEvent event);

    std::vector<FetchEvent> events_;
};

// The progress reports are well formed: sent by the worker (not the component), one per chunk
// of 1 to 1025 bytes, with the same total each time. Returns the bytes last reported.
qint32 checkProgress(const std::vector<FetchEvent>& progress, const THTTPGet& component);

// Handles events until the condition holds; false if it did not within a generous limit.
bool waitUntil(const std::function<bool()>& condition);

// A running server, a folder for downloads and one fetch component with its recorder.
class FetchTest : public ::testing::Test {
protected:
    FetchTest();
    ~FetchTest() override;

    QString url(const std::string& path) const { return QString::fromStdString(server.url(path)); }
    // A file in the test's own folder, whose name has a space and non-ASCII letters.
    QString downloadPath() const;
    // Checks that there was exactly one completion event and returns it.
    FetchEvent onlyCompletion() const;

    LoopbackHttpServer server;
    QTemporaryDir folder;
    std::unique_ptr<THTTPGet> fetch;
    std::unique_ptr<FetchEvents> events;
};

// The bytes of a file, or nothing when it does not exist.
std::optional<QByteArray> fileBytes(const QString& path);
