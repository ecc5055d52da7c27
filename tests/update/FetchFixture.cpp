#include "FetchFixture.h"

#include "HTTPGetThread.h"

#include <QCoreApplication>
#include <QFile>
#include <QTest>

namespace {

// Generous: a fetch under ThreadSanitizer on a busy machine may take long, but never this.
constexpr int kWaitLimitMilliseconds = 120'000;

// A proxy the machine may have configured must not stand between the tests and their own
// loopback server.
class LoopbackWithoutProxy : public ::testing::Environment {
public:
    void SetUp() override
    {
        qputenv("no_proxy", "127.0.0.1,localhost");
        qputenv("NO_PROXY", "127.0.0.1,localhost");
    }
};

const auto* const loopbackWithoutProxy = ::testing::AddGlobalTestEnvironment(new LoopbackWithoutProxy);

} // namespace

FetchEvents::FetchEvents(THTTPGet& fetch, bool withProgress)
{
    if (withProgress) {
        connect(&fetch, &THTTPGet::OnProgress, this, [this](QObject* sender, qint32 totalSize, qint32 readed) {
            record({FetchEvent::Progress, sender, totalSize, readed, {}, 0, {}});
        });
    }
    connect(&fetch, &THTTPGet::OnDoneFile, this, [this](QObject* sender, const QString& name, qint32 size) {
        record({FetchEvent::DoneFile, sender, 0, 0, name, size, {}});
    });
    connect(&fetch, &THTTPGet::OnDoneString, this, [this](QObject* sender, const QByteArray& body) {
        record({FetchEvent::DoneString, sender, 0, 0, {}, 0, body});
    });
    connect(&fetch, &THTTPGet::OnError, this, [this](QObject* sender) {
        record({FetchEvent::Error, sender, 0, 0, {}, 0, {}});
    });
}

void FetchEvents::record(FetchEvent event)
{
    events_.push_back(event);
    if (onEvent)
        onEvent(events_.back());
}

std::vector<FetchEvent> FetchEvents::progress() const
{
    std::vector<FetchEvent> found;
    for (const auto& event : events_) {
        if (event.kind == FetchEvent::Progress)
            found.push_back(event);
    }
    return found;
}

std::vector<FetchEvent> FetchEvents::completions() const
{
    std::vector<FetchEvent> found;
    for (const auto& event : events_) {
        if (event.kind != FetchEvent::Progress)
            found.push_back(event);
    }
    return found;
}

bool FetchEvents::waitForCompletion()
{
    const bool arrived = waitUntil([this] { return !completions().empty(); });
    QCoreApplication::processEvents();
    return arrived;
}

bool waitUntil(const std::function<bool()>& condition)
{
    return QTest::qWaitFor(condition, kWaitLimitMilliseconds);
}

qint32 checkProgress(const std::vector<FetchEvent>& progress, const THTTPGet& component)
{
    qint32 previous = 0;
    for (const auto& event : progress) {
        EXPECT_NE(event.sender, nullptr);
        EXPECT_NE(event.sender, &component) << "progress comes from the worker";
        EXPECT_EQ(event.totalSize, progress.front().totalSize);
        EXPECT_GT(event.readed - previous, 0);
        EXPECT_LE(event.readed - previous, 1025);
        previous = event.readed;
    }
    return previous;
}

std::optional<QByteArray> fileBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

FetchTest::FetchTest()
    : fetch(std::make_unique<THTTPGet>()), events(std::make_unique<FetchEvents>(*fetch))
{
}

FetchTest::~FetchTest()
{
    fetch.reset();
    // No transfer outlives its test, so none can disturb the next one.
    EXPECT_TRUE(waitUntil([] { return runningFetchWorkers() == 0; }));
}

QString FetchTest::downloadPath() const
{
    return folder.filePath(QString::fromUtf8("Güncelleme paketi.bin"));
}

FetchEvent FetchTest::onlyCompletion() const
{
    const auto completions = events->completions();
    EXPECT_EQ(completions.size(), 1u);
    if (completions.empty())
        return FetchEvent{FetchEvent::Progress, nullptr, 0, 0, {}, 0, {}};
    for (const auto& completion : completions)
        EXPECT_EQ(completion.sender, fetch.get()) << "completion events come from the component";
    return completions.front();
}
