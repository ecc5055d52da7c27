// One fetch at a time, cancelling, waiting, and a component destroyed in the middle.

#include "FetchFixture.h"

#include "HTTPGetThread.h"

#include <QCoreApplication>
#include <QFile>

#include <chrono>
#include <functional>
#include <thread>

namespace {

const std::string k3000(3000, 'x');

// A stalled server is given up only after this, far beyond any test's wait: a test that ends
// has ended by the cause it looks at.
constexpr std::chrono::seconds kNeverStalls{3600};

// Waits without handling events, so that nothing the transfer posted is delivered meanwhile;
// false if the condition did not come true within a generous limit.
bool spinUntil(const std::function<bool()>& condition)
{
    const auto limit = std::chrono::steady_clock::now() + std::chrono::minutes(2);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > limit)
            return false;
        std::this_thread::yield();
    }
    return true;
}

bool noTransferRuns()
{
    return runningFetchWorkers() == 0;
}

TEST_F(FetchTest, ASecondFetchWhileOneRunsIsIgnored)
{
    server.serve("/file", HttpAnswer::page(k3000));
    fetch->URL = url("/file");
    fetch->FileName = downloadPath();
    fetch->FetchFile();
    EXPECT_TRUE(fetch->busy());
    fetch->FetchFile();
    fetch->FetchString();
    ASSERT_TRUE(events->waitForCompletion());

    EXPECT_EQ(onlyCompletion().kind, FetchEvent::DoneFile);
    EXPECT_EQ(server.requests().size(), 1u);
    EXPECT_FALSE(fetch->busy());
}

TEST_F(FetchTest, ChangingPropertiesWhileRunningDoesNotChangeTheFetch)
{
    server.serve("/file", HttpAnswer::page(k3000));
    server.serve("/other", HttpAnswer::page("other"));
    fetch->URL = url("/file");
    fetch->FileName = downloadPath();
    fetch->FetchFile();
    fetch->URL = url("/other");
    fetch->FileName = folder.filePath("other.bin");
    fetch->BinaryData = true;
    ASSERT_TRUE(events->waitForCompletion());

    const FetchEvent completion = onlyCompletion();
    EXPECT_EQ(completion.kind, FetchEvent::DoneFile);
    EXPECT_EQ(completion.fileName, downloadPath());
    EXPECT_EQ(fileBytes(downloadPath()), QByteArray::fromStdString(k3000));
    EXPECT_FALSE(QFile::exists(folder.filePath("other.bin")));
}

struct InsideCompletionCase {
    const char* name;
    HttpAnswer answer;
    bool toFile;
    FetchEvent::Kind expected;
};

// The component is still busy while its completion event runs, so a fetch started there is
// ignored; once the event is over it takes the next one.
TEST_F(FetchTest, AFetchStartedInsideTheCompletionEventIsIgnored)
{
    const InsideCompletionCase cases[] = {
        {"OnDoneFile", HttpAnswer::page(k3000), true, FetchEvent::DoneFile},
        {"OnDoneString", HttpAnswer::page(k3000), false, FetchEvent::DoneString},
        {"OnError", HttpAnswer::declaringLength(5000, k3000), true, FetchEvent::Error},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        server.serve("/file", c.answer);
        const std::size_t before = server.requests().size();
        THTTPGet component;
        FetchEvents recorder(component);
        component.URL = url("/file");
        component.FileName = downloadPath();
        bool busyInside = false;
        recorder.onEvent = [&](const FetchEvent& event) {
            if (event.kind == FetchEvent::Progress)
                return;
            busyInside = component.busy();
            component.FetchFile();
            component.FetchString();
        };
        c.toFile ? component.FetchFile() : component.FetchString();
        ASSERT_TRUE(recorder.waitForCompletion());
        EXPECT_TRUE(waitUntil(noTransferRuns));
        QCoreApplication::processEvents();

        ASSERT_EQ(recorder.completions().size(), 1u);
        EXPECT_EQ(recorder.completions().front().kind, c.expected);
        EXPECT_TRUE(busyInside);
        EXPECT_FALSE(component.busy());
        EXPECT_EQ(server.requests().size(), before + 1);

        recorder.onEvent = nullptr;
        component.FetchString();
        ASSERT_TRUE(waitUntil([&] { return recorder.completions().size() == 2; }));
        EXPECT_EQ(server.requests().size(), before + 2);
    }
}

struct CancelCase {
    const char* name;
    HttpAnswer answer;
    bool withProgress;
    // Cancels the fetch at some moment; the fetch has just been started.
    std::function<void(THTTPGet&, FetchEvents&)> cancel;
};

TEST_F(FetchTest, CancellingEndsTheFetchInOnError)
{
    const CancelCase cases[] = {
        {"right after the start", HttpAnswer::page(k3000), false,
         [](THTTPGet& f, FetchEvents&) { f.CancelFetch(); }},
        {"while the server is silent", HttpAnswer::silence(), false,
         [this](THTTPGet& f, FetchEvents&) {
             ASSERT_TRUE(waitUntil([this] { return !server.requests().empty(); }));
             f.CancelFetch();
         }},
        {"inside a progress report, the server stalled after it", HttpAnswer::stalling(k3000, 6000), true,
         [](THTTPGet& f, FetchEvents& e) {
             e.onEvent = [&f](const FetchEvent& event) {
                 if (event.kind == FetchEvent::Progress && event.readed == 3000)
                     f.CancelFetch();
             };
         }},
        {"after the transfer ended, before its event", HttpAnswer::page(k3000), false,
         [](THTTPGet& f, FetchEvents&) {
             ASSERT_TRUE(spinUntil(noTransferRuns));
             f.CancelFetch();
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        server.serve("/file", c.answer);
        THTTPGet component;
        FetchEvents recorder(component, c.withProgress);
        component.URL = url("/file");
        component.setStallTimeoutForTests(kNeverStalls);
        component.FetchString();
        c.cancel(component, recorder);
        ASSERT_TRUE(recorder.waitForCompletion());

        ASSERT_EQ(recorder.completions().size(), 1u);
        EXPECT_EQ(recorder.completions().front().kind, FetchEvent::Error);
        EXPECT_FALSE(component.busy());
    }
}

TEST_F(FetchTest, CancellingWhileIdleDoesNothing)
{
    fetch->CancelFetch();
    server.serve("/file", HttpAnswer::page(k3000));
    fetch->URL = url("/file");
    fetch->FetchString();
    ASSERT_TRUE(events->waitForCompletion());
    EXPECT_EQ(onlyCompletion().kind, FetchEvent::DoneString) << "an earlier cancel does not carry over";
    fetch->CancelFetch();
    QCoreApplication::processEvents();
    EXPECT_EQ(events->completions().size(), 1u);
}

struct DestroyCase {
    const char* name;
    HttpAnswer answer;
    bool withProgress;
    bool waitThread;
    // Destroys the component (through `destroy`) at some moment; the fetch has just started.
    std::function<void(THTTPGet&, FetchEvents&, const std::function<void()>& destroy)> when;
};

// A component destroyed while its fetch runs delivers nothing more, does not wait for the
// transfer (which ends on its own), and never deadlocks with it.
TEST_F(FetchTest, DestroyingABusyComponentDeliversNothingMore)
{
    const DestroyCase cases[] = {
        {"while the server is silent", HttpAnswer::silence(), false, false,
         [](THTTPGet&, FetchEvents&, const auto& destroy) { destroy(); }},
        {"while a progress report waits for the GUI thread", HttpAnswer::stalling(k3000, 6000), true, false,
         [](THTTPGet& f, FetchEvents&, const auto& destroy) {
             ASSERT_TRUE(spinUntil([&f] { return f.progressHandOverWaiting(); }));
             destroy();
         }},
        {"inside its progress report", HttpAnswer::stalling(k3000, 6000), true, false,
         [](THTTPGet&, FetchEvents& e, const auto& destroy) {
             e.onEvent = [destroy](const FetchEvent&) { destroy(); };
         }},
        {"inside its progress report while FetchFile waits", HttpAnswer::stalling(k3000, 6000), true, true,
         [](THTTPGet&, FetchEvents& e, const auto& destroy) {
             e.onEvent = [destroy](const FetchEvent&) { destroy(); };
         }},
        {"after the transfer ended, before its event", HttpAnswer::page(k3000), false, false,
         [](THTTPGet&, FetchEvents&, const auto& destroy) {
             ASSERT_TRUE(spinUntil(noTransferRuns));
             destroy();
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        server.serve("/file", c.answer);
        auto component = std::make_unique<THTTPGet>();
        FetchEvents recorder(*component, c.withProgress);
        component->URL = url("/file");
        component->FileName = downloadPath();
        component->WaitThread = c.waitThread;
        component->setStallTimeoutForTests(kNeverStalls);
        std::size_t eventsBefore = 0;
        const auto destroy = [&] {
            eventsBefore = recorder.all().size();
            component.reset();
        };
        if (c.waitThread) {
            c.when(*component, recorder, destroy);
            component->FetchFile();  // returns when a handler has destroyed the component
        } else {
            component->FetchFile();
            c.when(*component, recorder, destroy);
        }
        ASSERT_TRUE(waitUntil([&] { return component == nullptr; }));

        EXPECT_TRUE(waitUntil(noTransferRuns));
        QCoreApplication::processEvents();
        EXPECT_EQ(recorder.all().size(), eventsBefore);
        EXPECT_TRUE(recorder.completions().empty());
    }
}

TEST_F(FetchTest, WaitThreadMakesFetchFileReturnAfterItsEvent)
{
    server.serve("/file", HttpAnswer::page(k3000));
    fetch->URL = url("/file");
    fetch->FileName = downloadPath();
    fetch->WaitThread = true;
    fetch->FetchFile();

    EXPECT_FALSE(fetch->busy());
    const FetchEvent completion = onlyCompletion();
    EXPECT_EQ(completion.kind, FetchEvent::DoneFile);
    EXPECT_EQ(completion.fileSize, 3000);
    EXPECT_EQ(checkProgress(events->progress(), *fetch), 3000);
}

// FetchString only handles what is already queued and returns while the fetch goes on.
TEST_F(FetchTest, WaitThreadMakesFetchStringHandleQueuedEventsOnly)
{
    server.serve("/list", HttpAnswer::silence());
    fetch->URL = url("/list");
    fetch->WaitThread = true;
    fetch->setStallTimeoutForTests(kNeverStalls);
    bool queuedCallRan = false;
    QMetaObject::invokeMethod(fetch.get(), [&] { queuedCallRan = true; }, Qt::QueuedConnection);
    fetch->FetchString();

    EXPECT_TRUE(queuedCallRan);
    EXPECT_TRUE(fetch->busy());
    EXPECT_TRUE(events->completions().empty());
    fetch->CancelFetch();
    ASSERT_TRUE(events->waitForCompletion());
    EXPECT_EQ(onlyCompletion().kind, FetchEvent::Error);
}

} // namespace
