#include "AviFile.h"
#include "PictureRecipes.h"
#include "ProgramPaths.h"
#include "TestAvi.h"

#include <gtest/gtest.h>

#include <climits>
#include <fstream>
#include <iterator>
#include <string>

namespace {

using Pixels = std::vector<std::uint32_t>;

constexpr std::uint32_t kBlack = 0xFF000000;

Pixels opaque(Pixels colours)
{
    for (std::uint32_t& colour : colours)
        colour |= kBlack;
    return colours;
}

AviBytes fileBytes(const std::string& path)
{
    std::ifstream file(fileSystemPath(path), std::ios::binary);
    return AviBytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

testing::AssertionResult samePixels(const Pixels& decoded, const Pixels& expected)
{
    if (decoded.size() != expected.size())
        return testing::AssertionFailure() << decoded.size() << " pixels instead of " << expected.size();
    for (std::size_t i = 0; i < decoded.size(); ++i)
        if (decoded[i] != expected[i])
            return testing::AssertionFailure()
                << "pixel " << i << " is " << std::hex << decoded[i] << " instead of " << expected[i];
    return testing::AssertionSuccess();
}

// A 3 x 2 picture, top row first, whose colours differ in every channel; its odd width makes
// every stored row padded.
const Pixels kPicture = {0x102030, 0x405060, 0x708090, 0xA0B0C0, 0xD0E0F0, 0x123456};
const Pixels kIndices = {0, 1, 2, 3, 4, 5};

TestAvi plainMovie()
{
    const AviBytes frame = storedPixels(kPicture, 3, 2, 24);
    return {.frames = {frame, frame}};
}

TestAvi rle8Movie(std::vector<AviBytes> frames, int height = 2)
{
    return {.height = height, .bitsPerPixel = 8, .compression = 1, .palette = kPicture,
            .frameKind = "dc", .frames = std::move(frames)};
}

TEST(AviFile, TheShippedAnimationIsWhatTheMediaToolDrew)
{
    const AviMovie movie = decodeAvi(fileBytes(CALCORA_MEDIA_DIR "/update.avi"));
    ASSERT_EQ(movie.frames.size(), 48u);
    EXPECT_EQ(movie.width, 48);
    EXPECT_EQ(movie.height, 48);
    EXPECT_EQ(movie.microsecondsPerFrame, 1'000'000u / 12);

    const std::vector<calcora::media::Image> drawn = calcora::media::updateAnimationFrames();
    ASSERT_EQ(drawn.size(), movie.frames.size());
    for (std::size_t i = 0; i < drawn.size(); ++i) {
        SCOPED_TRACE("frame " + std::to_string(i));
        Pixels expected;
        for (int y = 0; y < 48; ++y) {
            for (int x = 0; x < 48; ++x) {
                const calcora::media::Pixel8 p = drawn[i].pixel8(x, y);
                expected.push_back(kBlack | std::uint32_t{p.red} << 16 | std::uint32_t{p.green} << 8 | p.blue);
            }
        }
        EXPECT_TRUE(samePixels(movie.frames[i], expected));
    }
}

struct Layout {
    const char* name;
    TestAvi movie;
    std::vector<Pixels> expected; // each frame, top row first
};

TEST(AviFile, ReadsEveryStoredLayout)
{
    const Pixels picture = opaque(kPicture);
    const auto indexed = [](int height) {
        return TestAvi{.height = height, .bitsPerPixel = 8, .palette = kPicture,
                       .frames = {storedPixels(kIndices, 3, height, 8)}};
    };
    // RLE8, bottom row first: a literal stretch, the end of the row, a run, the end.
    const AviBytes fullRle = {0, 3, 4, 0, 5, 0, 0, 0, 3, 1, 0, 1};
    // Then: jump one right and one up, to the top row's middle, and change that pixel only.
    const AviBytes changeRle = {0, 2, 1, 1, 1, 2, 0, 1};
    const Pixels fullPicture = opaque({kPicture[1], kPicture[1], kPicture[1], kPicture[4], kPicture[0], kPicture[5]});
    const Pixels changedPicture = opaque({kPicture[1], kPicture[2], kPicture[1], kPicture[4], kPicture[0], kPicture[5]});

    const std::vector<Layout> layouts = {
        {"24 bits, bottom-up", plainMovie(), {picture, picture}},
        {"24 bits, top-down", {.height = -2, .frames = {storedPixels(kPicture, 3, -2, 24)}}, {picture}},
        {"32 bits, bottom-up", {.bitsPerPixel = 32, .frames = {storedPixels(kPicture, 3, 2, 32)}}, {picture}},
        {"32 bits, top-down", {.height = -2, .bitsPerPixel = 32, .frames = {storedPixels(kPicture, 3, -2, 32)}},
         {picture}},
        {"8-bit palette, bottom-up", indexed(2), {picture}},
        {"8-bit palette, top-down", indexed(-2), {picture}},
        {"indices past a short palette are black",
         {.bitsPerPixel = 8, .palette = {kPicture[0], kPicture[1]}, .frames = {storedPixels(kIndices, 3, 2, 8)}},
         {opaque({kPicture[0], kPicture[1], 0, 0, 0, 0})}},
        {"RLE8 frames change only what they draw; an empty one changes nothing",
         rle8Movie({fullRle, changeRle, {}}), {fullPicture, changedPicture, changedPicture}},
        {"an empty plain frame repeats the one before",
         {.frames = {storedPixels(kPicture, 3, 2, 24), {}}}, {picture, picture}},
        {"a sound stream first, frames grouped with sound",
         {.soundFirst = true, .frameKind = "dc", .frames = {storedPixels(kPicture, 3, 2, 24)}}, {picture}},
    };
    for (const Layout& layout : layouts) {
        SCOPED_TRACE(layout.name);
        const AviMovie movie = decodeAvi(aviBytes(layout.movie));
        EXPECT_EQ(movie.width, 3);
        EXPECT_EQ(movie.height, 2);
        ASSERT_EQ(movie.frames.size(), layout.expected.size());
        for (std::size_t i = 0; i < movie.frames.size(); ++i)
            EXPECT_TRUE(samePixels(movie.frames[i], layout.expected[i])) << "frame " << i;
    }
}

TEST(AviFile, TakesTheFramePeriodFromTheMainHeaderElseFromTheStreamRate)
{
    struct Case {
        std::uint32_t mainPeriod, scale, rate, expected;
    };
    for (const Case& c : {Case{83'333, 1, 12, 83'333}, Case{50'000, 1, 12, 50'000}, Case{0, 1, 12, 83'333},
                          Case{0, 1001, 30'000, 33'366}}) {
        SCOPED_TRACE(testing::Message() << c.mainPeriod << " " << c.scale << "/" << c.rate);
        TestAvi movie = plainMovie();
        movie.microsecondsPerFrame = c.mainPeriod;
        movie.streamScale = c.scale;
        movie.streamRate = c.rate;
        EXPECT_EQ(decodeAvi(aviBytes(movie)).microsecondsPerFrame, c.expected);
    }
}

TEST(AviFile, AcceptsTheLargestMoviesAndNothingLarger)
{
    struct Case {
        const char* name;
        int width, height;
        std::size_t frames;
        bool decodes;
    };
    const std::vector<Case> cases = {
        {"4096 wide", 4096, 1, 1, true},       {"4097 wide", 4097, 1, 1, false},
        {"4096 high", 1, -4096, 1, true},      {"4097 high", 1, -4097, 1, false},
        {"10,000 frames", 1, 1, 10'000, true}, {"10,001 frames", 1, 1, 10'001, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const AviBytes frame = storedPixels(Pixels(static_cast<std::size_t>(c.width) * std::abs(c.height)),
                                            c.width, c.height, 24);
        const TestAvi movie{.width = c.width, .height = c.height, .frames = std::vector<AviBytes>(c.frames, frame)};
        EXPECT_EQ(decodeAvi(aviBytes(movie)).frames.size(), c.decodes ? c.frames : 0);
    }
    // A few bytes of RLE8 can stand for a whole picture, so all frames together are limited.
    const AviBytes blank = {0, 1};
    for (std::size_t frames : {1, 2}) {
        TestAvi movie = rle8Movie(std::vector<AviBytes>(frames, blank), 4096);
        movie.width = 4096;
        EXPECT_EQ(decodeAvi(aviBytes(movie)).frames.size(), frames == 1 ? 1u : 0u) << frames << " frames";
    }
}

TEST(AviFile, DamagedFilesGiveNoFrames)
{
    const auto patched = [](TestAvi movie, const char* code, std::uint32_t value) {
        AviBytes file = aviBytes(movie);
        patchAfter(file, code, value);
        return file;
    };
    const auto renamed = [](TestAvi movie, const char* code, const char* replacement) {
        AviBytes file = aviBytes(movie);
        renameCode(file, code, replacement);
        return file;
    };
    const auto with = [](auto change) {
        TestAvi movie = plainMovie();
        change(movie);
        return aviBytes(movie);
    };
    const AviBytes plain = aviBytes(plainMovie());
    const auto rle = [](AviBytes stream) { return aviBytes(rle8Movie({stream})); };

    const std::vector<std::pair<const char*, AviBytes>> damaged = {
        {"an empty file", {}},
        {"no movie at all", {'R', 'I', 'F', 'F', 4, 0, 0, 0, 'W', 'A', 'V', 'E'}},
        {"the file ends before its RIFF length",
         patched(plainMovie(), "RIFF", static_cast<std::uint32_t>(plain.size() - 8 + 2))},
        {"the header list runs past the file", patched(plainMovie(), "LIST", 0xFFFFFF00)},
        {"the main header runs past its list", patched(plainMovie(), "avih", 4000)},
        {"a frame runs past its list", patched(plainMovie(), "00db", 0x7FFFFFFF)},
        {"a frame's length is the largest there is", patched(plainMovie(), "00db", 0xFFFFFFFF)},
        {"the bitmap header is cut short", patched(plainMovie(), "strf", 20)},
        {"a frame shorter than its picture", with([](TestAvi& m) { m.frames = {AviBytes(23)}; })},
        {"an empty first frame", with([](TestAvi& m) { m.frames = {{}}; })},
        {"no frames", with([](TestAvi& m) { m.frames.clear(); })},
        {"frames of another stream only", with([](TestAvi& m) { m.frameKind = "wb"; })},
        {"no video stream", renamed(plainMovie(), "vids", "mids")},
        {"no header list", renamed(plainMovie(), "hdrl", "hdrx")},
        {"no frame period", with([](TestAvi& m) { m.microsecondsPerFrame = 0; m.streamRate = 0; })},
        {"zero width", with([](TestAvi& m) { m.width = 0; })},
        {"zero height", with([](TestAvi& m) { m.height = 0; })},
        {"a negative width", with([](TestAvi& m) { m.width = -3; })},
        {"a huge width", with([](TestAvi& m) { m.width = INT_MAX; })},
        {"a huge top-down height", with([](TestAvi& m) { m.height = INT_MIN; })},
        {"16 bits per pixel", with([](TestAvi& m) { m.bitsPerPixel = 16; })},
        {"a compression it cannot read", with([](TestAvi& m) { m.compression = 0x47504A4D; })},
        {"RLE8 of 24-bit pixels", with([](TestAvi& m) { m.compression = 1; })},
        {"RLE8 stored top-down", aviBytes(rle8Movie({{0, 1}}, -2))},
        {"a palette of 257 colours",
         aviBytes({.bitsPerPixel = 8, .palette = Pixels(257), .frames = {storedPixels(kIndices, 3, 2, 8)}})},
        {"a palette longer than its chunk",
         aviBytes({.bitsPerPixel = 8, .palette = kPicture, .coloursUsed = 200,
                   .frames = {storedPixels(kIndices, 3, 2, 8)}})},
        {"RLE8: a run past the row's end", rle({4, 1, 0, 1})},
        {"RLE8: a literal stretch past the row's end", rle({0, 4, 1, 2, 3, 4, 0, 1})},
        {"RLE8: a jump past the right edge", rle({0, 2, 4, 0, 0, 1})},
        {"RLE8: a jump past the top", rle({0, 2, 0, 3, 0, 1})},
        {"RLE8: a run above the top row", rle({0, 0, 0, 0, 1, 1, 0, 1})},
        {"RLE8: a literal stretch cut short", rle({0, 5, 1, 2})},
        {"RLE8: a jump cut short", rle({0, 2, 1})},
        {"RLE8: a command cut in half", rle({3})},
    };
    for (const auto& [name, file] : damaged) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(decodeAvi(file).frames.empty());
    }
}

TEST(AviFile, AFileCutShortAnywhereGivesNoFrames)
{
    const std::vector<std::pair<const char*, AviBytes>> files = {
        {"24 bits", aviBytes(plainMovie())},
        {"8-bit palette", aviBytes({.bitsPerPixel = 8, .palette = kPicture, .frames = {storedPixels(kIndices, 3, 2, 8)}})},
        {"RLE8", aviBytes(rle8Movie({{0, 3, 4, 0, 5, 0, 0, 0, 3, 1, 0, 1}}))},
        {"with sound", aviBytes({.soundFirst = true, .frames = {storedPixels(kPicture, 3, 2, 24)}})},
    };
    for (const auto& [name, file] : files) {
        SCOPED_TRACE(name);
        ASSERT_FALSE(decodeAvi(file).frames.empty());
        for (std::size_t length = 0; length < file.size(); ++length) {
            const AviBytes cut(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(length));
            EXPECT_TRUE(decodeAvi(cut).frames.empty()) << "cut after " << length << " bytes";
        }
    }
}

// Whatever a damaged byte says, the frames that come out have the movie's own size: the
// reader never makes up pixels it did not bound. (Out-of-range reads show in sanitizer runs.)
TEST(AviFile, ADamagedByteAnywhereNeverGivesMisshapenFrames)
{
    const AviBytes files[] = {
        aviBytes(plainMovie()),
        aviBytes(rle8Movie({{0, 3, 4, 0, 5, 0, 0, 0, 3, 1, 0, 1}, {0, 2, 1, 1, 1, 2, 0, 1}})),
    };
    for (const AviBytes& file : files) {
        for (std::size_t at = 0; at < file.size(); ++at) {
            for (std::uint8_t value : {std::uint8_t{0x00}, std::uint8_t{0x7F}, std::uint8_t{0xFF}}) {
                AviBytes damaged = file;
                damaged[at] = value;
                const AviMovie movie = decodeAvi(damaged);
                const std::size_t pixels = static_cast<std::size_t>(movie.width) * movie.height;
                EXPECT_LE(pixels * movie.frames.size(), kAviMostPixels);
                for (const Pixels& frame : movie.frames)
                    ASSERT_EQ(frame.size(), pixels) << "byte " << at << " set to " << int{value};
            }
        }
    }
}

} // namespace
