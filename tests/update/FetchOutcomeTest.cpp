// What each kind of answer makes of a string fetch and of a file fetch: which one event ends
// it, what it carries, what the progress reports said and what is left on disk.

#include "FetchFixture.h"

#include <chrono>
#include <optional>
#include <string>

namespace {

constexpr std::uint64_t k64MiB = 64ull * 1024 * 1024;

std::string textOf(std::size_t size)
{
    std::string text(size, '\0');
    for (std::size_t i = 0; i < size; ++i)
        text[i] = static_cast<char>('A' + i % 23);
    return text;
}

HttpAnswer withRawLength(const char* length, std::string body)
{
    HttpAnswer answer = HttpAnswer::withoutLength(std::move(body));
    answer.headers.push_back(std::string("Content-Length: ") + length);
    return answer;
}

enum class Into { String, File };

struct OutcomeCase {
    const char* name;
    HttpAnswer answer;
    Into into;
    bool binaryData;
    FetchEvent::Kind expected;
    std::string expectedBody;          // OnDoneString's text
    qint32 expectedSize;               // OnDoneFile's size, and the progress reports' total
    std::optional<qint32> lastReaded;  // the last progress report; none: no report at all
    std::optional<std::string> fileAfter; // the file's bytes afterwards; none: no file
    bool withProgress = true;
    std::chrono::seconds stallTimeout{30};
};

void PrintTo(const OutcomeCase& c, std::ostream* out)
{
    *out << c.name;
}

class FetchOutcome : public FetchTest, public ::testing::WithParamInterface<OutcomeCase> {};

TEST_P(FetchOutcome, EndsWithOneEventAndTheBytesReceived)
{
    const OutcomeCase& c = GetParam();
    server.serve("/resource", c.answer);
    if (!c.withProgress)
        events = std::make_unique<FetchEvents>(*fetch, false);
    fetch->URL = url("/resource");
    fetch->FileName = downloadPath();
    fetch->BinaryData = c.binaryData;
    fetch->setStallTimeoutForTests(c.stallTimeout);

    if (c.into == Into::File)
        fetch->FetchFile();
    else
        fetch->FetchString();
    ASSERT_TRUE(events->waitForCompletion());

    const FetchEvent completion = onlyCompletion();
    EXPECT_EQ(completion.kind, c.expected);
    if (c.expected == FetchEvent::DoneString) {
        EXPECT_EQ(completion.body.toStdString(), c.expectedBody);
    }
    if (c.expected == FetchEvent::DoneFile) {
        EXPECT_EQ(completion.fileName, downloadPath());
        EXPECT_EQ(completion.fileSize, c.expectedSize);
    }
    EXPECT_FALSE(fetch->busy());

    const auto progress = events->progress();
    if (c.lastReaded) {
        ASSERT_FALSE(progress.empty());
        EXPECT_EQ(checkProgress(progress, *fetch), *c.lastReaded);
        EXPECT_EQ(progress.front().totalSize, c.expectedSize);
    } else {
        EXPECT_TRUE(progress.empty()) << progress.size() << " reports";
    }

    const auto onDisk = fileBytes(downloadPath());
    ASSERT_EQ(onDisk.has_value(), c.fileAfter.has_value());
    if (onDisk) {
        EXPECT_TRUE(onDisk->toStdString() == *c.fileAfter) << onDisk->size() << " bytes on disk";
    }
}

// The limit itself is still a download: only a byte more is refused.
TEST_F(FetchTest, ABodyOfExactly64MiBIsAccepted)
{
    server.serve("/resource", HttpAnswer::generated(k64MiB, false));
    events = std::make_unique<FetchEvents>(*fetch, false);
    fetch->URL = url("/resource");
    fetch->FetchString();
    ASSERT_TRUE(events->waitForCompletion());

    const FetchEvent completion = onlyCompletion();
    ASSERT_EQ(completion.kind, FetchEvent::DoneString);
    ASSERT_EQ(completion.body.size(), qsizetype(k64MiB));
    for (const std::uint64_t index : {std::uint64_t{0}, std::uint64_t{12345}, k64MiB - 1})
        EXPECT_EQ(completion.body[qsizetype(index)], HttpAnswer::generatedByte(index));
}

// The status of the answer is told, never judged: whoever fetches decides what an error page
// means. After a redirect it is the status of the answer that came at last.
TEST_F(FetchTest, StatusCodeTellsTheAnswersStatus)
{
    const RefusedPort refused;
    server.serve("/moved", HttpAnswer::redirect("/ok"));
    server.serve("/ok", HttpAnswer::page("fine"));
    server.serve("/gone", HttpAnswer::withStatus("404 Not Found", "No such list"));
    server.serve("/busy", HttpAnswer::withStatus("503 Service Unavailable", "Try later"));
    const std::pair<QString, int> cases[] = {
        {url("/ok"), 200}, {url("/moved"), 200}, {url("/gone"), 404}, {url("/busy"), 503},
        {QString::fromStdString(refused.url("/ok")), 0},
    };
    for (const auto& [address, status] : cases) {
        SCOPED_TRACE(address.toStdString());
        events = std::make_unique<FetchEvents>(*fetch);
        fetch->URL = address;
        fetch->FetchString();
        EXPECT_EQ(fetch->StatusCode(), 0) << "nothing is known while the fetch runs";
        ASSERT_TRUE(events->waitForCompletion());
        EXPECT_EQ(fetch->StatusCode(), status);
        EXPECT_EQ(fetch->property("StatusCode").toInt(), status);
    }
}

const std::string k3000 = textOf(3000);
const std::string k2500 = textOf(2500);
const std::string kZeros("\0a\0\xff\r\n\0", 7);

INSTANTIATE_TEST_SUITE_P(
    Answers, FetchOutcome,
    ::testing::Values(
        OutcomeCase{"FileWithItsLength", HttpAnswer::page(k3000), Into::File, false,
                    FetchEvent::DoneFile, "", 3000, 3000, k3000},
        OutcomeCase{"FileCutShort", HttpAnswer::declaringLength(5000, k3000), Into::File, false,
                    FetchEvent::Error, "", 5000, 3000, k3000},
        OutcomeCase{"FileWithoutLength", HttpAnswer::withoutLength(k2500), Into::File, false,
                    FetchEvent::Error, "", 0, 2500, k2500},
        OutcomeCase{"FileWithoutLengthAsBinary", HttpAnswer::withoutLength(k2500), Into::File, true,
                    FetchEvent::Error, "", 0, std::nullopt, std::nullopt},
        OutcomeCase{"EmptyFileWithoutLength", HttpAnswer::withoutLength(""), Into::File, false,
                    FetchEvent::DoneFile, "", 0, std::nullopt, ""},
        OutcomeCase{"EmptyFileWithLength", HttpAnswer::page(""), Into::File, false,
                    FetchEvent::DoneFile, "", 0, std::nullopt, ""},
        OutcomeCase{"StringWithLength", HttpAnswer::page(k3000), Into::String, false,
                    FetchEvent::DoneString, k3000, 3000, 3000, std::nullopt},
        OutcomeCase{"StringWithoutLength", HttpAnswer::withoutLength(k2500), Into::String, false,
                    FetchEvent::DoneString, k2500, 0, 2500, std::nullopt},
        OutcomeCase{"StringWithoutLengthAsBinary", HttpAnswer::withoutLength(k2500), Into::String, true,
                    FetchEvent::Error, "", 0, std::nullopt, std::nullopt},
        OutcomeCase{"StringCutShort", HttpAnswer::declaringLength(5000, k3000), Into::String, false,
                    FetchEvent::Error, "", 5000, 3000, std::nullopt},
        OutcomeCase{"EmptyString", HttpAnswer::page(""), Into::String, false,
                    FetchEvent::Error, "", 0, std::nullopt, std::nullopt},
        OutcomeCase{"StringWithZeroBytes", HttpAnswer::page(kZeros), Into::String, false,
                    FetchEvent::DoneString, kZeros, 7, 7, std::nullopt},
        OutcomeCase{"ErrorPageIsABody", HttpAnswer::withStatus("404 Not Found", "No such list"),
                    Into::String, false, FetchEvent::DoneString, "No such list", 12, 12, std::nullopt},
        OutcomeCase{"LengthNotANumber", withRawLength("5abc", "hello"), Into::String, false,
                    FetchEvent::Error, "", 0, std::nullopt, std::nullopt},
        OutcomeCase{"NegativeLength", withRawLength("-5", "hello"), Into::String, false,
                    FetchEvent::Error, "", 0, std::nullopt, std::nullopt},
        OutcomeCase{"SilentServer", HttpAnswer::silence(), Into::String, false,
                    FetchEvent::Error, "", 0, std::nullopt, std::nullopt, true, std::chrono::seconds(1)},
        OutcomeCase{"StallInTheBody", HttpAnswer::stalling(k2500, 5000), Into::File, false,
                    FetchEvent::Error, "", 5000, 2500, k2500, true, std::chrono::seconds(1)},
        OutcomeCase{"StringOver64MiBWithoutLength", HttpAnswer::generated(k64MiB + 1, false),
                    Into::String, false, FetchEvent::Error, "", 0, std::nullopt, std::nullopt, false},
        OutcomeCase{"FileOver64MiBWithLength", HttpAnswer::generated(k64MiB + 1), Into::File, false,
                    FetchEvent::Error, "", 0, std::nullopt, std::nullopt, false}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
