#include "AppError.h"
#include "LanguagePack.h"
#include "MemoryConfigStore.h"
#include "PackDefaults.h"
#include "NamedPipe.h"
#include "TemporaryFolder.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

std::vector<std::string> lines(const std::string& content, std::size_t maxLines = 67)
{
    std::istringstream in(content);
    return readPackLines(in, maxLines);
}

std::string numberedPack(int count, const std::string& lineEnd, bool endLast)
{
    std::string content;
    for (int i = 0; i < count; ++i) {
        content += "text " + std::to_string(i);
        if (i + 1 < count || endLast)
            content += lineEnd;
    }
    return content;
}

std::string failureOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const AppError& error) {
        return error.what();
    }
    return "no failure";
}

class LanguagePackFile : public testing::Test {
protected:
    std::string write(const std::string& name, const std::string& content)
    {
        return folder.write(name, content);
    }

    TemporaryFolder folder;
    LanguagePack pack;
};

TEST(PackLines, EveryKindOfLineEndGivesTheSameItems)
{
    const auto crlf = lines(numberedPack(67, "\r\n", false));
    ASSERT_EQ(crlf.size(), 67u);
    EXPECT_EQ(crlf[66], "text 66");
    EXPECT_EQ(lines(numberedPack(67, "\n", false)), crlf);
    EXPECT_EQ(lines(numberedPack(67, "\r", false)), crlf);
    EXPECT_EQ(lines(numberedPack(67, "\r\n", true)), crlf) << "a final line end adds no item";
    EXPECT_EQ(lines("a\r\nb\nc\rd"), (std::vector<std::string>{"a", "b", "c", "d"}));
}

TEST(PackLines, LfCrIsTwoLineEndsAndEmptyLinesKeepTheirPlace)
{
    EXPECT_EQ(lines("a\n\rb"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_EQ(lines("a\r\n\r\nb\n\n"), (std::vector<std::string>{"a", "", "b", ""}));
    EXPECT_EQ(lines("\n"), (std::vector<std::string>{""}));
    EXPECT_TRUE(lines("").empty());
}

TEST(PackLines, TextIsTakenExactlyAsWritten)
{
    EXPECT_EQ(lines("  Correct!  \r\n\tTab\\n \xE9t\xE9"),
              (std::vector<std::string>{"  Correct!  ", "\tTab\\n \xE9t\xE9"}));
}

TEST(PackLines, ANulEndsTheText)
{
    std::string content = numberedPack(67, "\r\n", true);
    content.insert(content.find("text 40"), 1, '\0');
    const auto items = lines(content);
    ASSERT_EQ(items.size(), 40u);
    EXPECT_EQ(items.back(), "text 39");
    EXPECT_EQ(lines(std::string("ab\0cd\r\nef", 9)), (std::vector<std::string>{"ab"}));
}

TEST(PackLines, AnInstallablePackHasEveryUsedLineAndNoNulAnywhere)
{
    std::string nulAtLine50 = numberedPack(70, "\r\n", true);
    nulAtLine50.insert(nulAtLine50.find("text 50"), 1, '\0');
    const std::pair<std::string, bool> cases[] = {
        {numberedPack(67, "\r\n", false), true},
        {numberedPack(70, "\n", true), true},
        {numberedPack(66, "\r\n", true), false},
        {nulAtLine50, false},
        {numberedPack(70, "\n", true) + std::string(1, '\0'), false},
        {"", false},
    };
    for (const auto& [bytes, usable] : cases)
        EXPECT_EQ(isUsableLanguagePack(bytes), usable) << bytes.size() << " bytes";
}

TEST(PackLines, LinesAfterTheUsedOnesAreNotRead)
{
    const auto items = lines(numberedPack(90, "\n", true));
    ASSERT_EQ(items.size(), 67u);
    EXPECT_EQ(items.back(), "text 66");
}

TEST_F(LanguagePackFile, LoadReplacesTheListAndGetAddressesItByLine)
{
    pack.Load(write("one.lng", numberedPack(67, "\r\n", false)));
    EXPECT_EQ(pack.Count(), 67);
    EXPECT_EQ(pack.Get(0), "text 0");
    EXPECT_EQ(pack.Get(66), "text 66");

    pack.Load(write("two.lng", "only\r\n"));
    EXPECT_EQ(pack.Count(), 1);
    EXPECT_EQ(pack.Get(0), "only");
}

TEST_F(LanguagePackFile, AFileThatCannotBeOpenedLeavesTheListAsItWas)
{
    pack.Load(write("one.lng", "kept\n"));
    const std::string missing = folder.filePath("missing.lng");
    EXPECT_EQ(failureOf([&] { pack.Load(missing); }), "Cannot open file " + missing);
    EXPECT_EQ(failureOf([&] { pack.Load(folder.path()); }), "Cannot open file " + folder.path())
        << "a folder is no pack";
    ASSERT_EQ(pack.Count(), 1);
    EXPECT_EQ(pack.Get(0), "kept");
}

TEST_F(LanguagePackFile, ANamedPipeIsNoPackAndDoesNotBlock)
{
    pack.Load(write("one.lng", "kept\n"));
    const std::string pipe = folder.filePath("pipe.lng");
    if (!makeNamedPipe(pipe))
        GTEST_SKIP() << "this file system has no named pipes";
    EXPECT_EQ(failureOf([&] { pack.Load(pipe); }), "Cannot open file " + pipe);
    ASSERT_EQ(pack.Count(), 1);
    EXPECT_EQ(pack.Get(0), "kept");
}

TEST_F(LanguagePackFile, OnlyTheFirstMebibyteOfAHugeFileIsRead)
{
    // Two lines, the second running far past the first mebibyte without a line end.
    std::string huge = "first\n" + std::string(3 * 1024 * 1024, 'x');
    pack.Load(write("huge.lng", huge));
    ASSERT_EQ(pack.Count(), 2);
    EXPECT_EQ(pack.Get(0), "first");
    EXPECT_EQ(pack.Get(1).size(), LanguagePack::kLargestPackRead - 6);
}

TEST_F(LanguagePackFile, AskingPastTheEndNamesTheIndex)
{
    pack.Load(write("short.lng", numberedPack(40, "\n", true)));
    EXPECT_EQ(pack.Get(39), "text 39");
    EXPECT_EQ(failureOf([&] { pack.Get(41); }), "List index out of bounds (41)");
    EXPECT_EQ(failureOf([&] { pack.Get(-1); }), "List index out of bounds (-1)");
    EXPECT_EQ(failureOf([&] { LanguagePack().Get(0); }), "List index out of bounds (0)");
}

TEST_F(LanguagePackFile, ReloadEmptiesFirstThenLoadsTheStoredPack)
{
    MemoryConfigStore store;
    store.WriteString("Interface", "Language Pack", write("other.lng", "Hallo\nWelt\n"));
    pack.Load(write("one.lng", numberedPack(67, "\n", true)));
    pack.Reload(store);
    ASSERT_EQ(pack.Count(), 2);
    EXPECT_EQ(pack.Get(1), "Welt");

    const std::string gone = folder.filePath("gone.lng");
    store.WriteString("Interface", "Language Pack", gone);
    EXPECT_EQ(failureOf([&] { pack.Reload(store); }), "Cannot open file " + gone);
    EXPECT_EQ(pack.Count(), 0) << "a failed reload leaves the list empty";
}

TEST(ShippedLanguagePack, HasATextForEveryUse)
{
    LanguagePack pack;
    pack.Load(CALCORA_MEDIA_DIR "/english.lng");
    ASSERT_EQ(pack.Count(), kPackLinesKnown) << "every line the program knows, the later ones too";
    for (int index = 0; index < pack.Count(); ++index) {
        SCOPED_TRACE(index);
        const std::string& text = pack.Get(index);
        EXPECT_FALSE(text.empty());
        EXPECT_NE(text.front(), ' ');
        EXPECT_NE(text.back(), ' ');
    }
    EXPECT_EQ(pack.Get(4), "Addition");
    EXPECT_EQ(pack.Get(PackLine::Progress), "Progress");
}

// A pack written before the later lines came shows their English words; one that has them
// shows its own. An early line stays required.
TEST(ShippedLanguagePack, APackWithoutTheLaterLinesShowsTheirEnglishWords)
{
    TemporaryFolder folder;
    std::string older;
    for (int line = 0; line < 67; ++line)
        older += "Zeile " + std::to_string(line) + "\r\n";
    LanguagePack pack;
    pack.Load(folder.write("older.lng", older));
    EXPECT_EQ(packLineOrEnglish(pack, PackLine::Addition), "Zeile 4");
    EXPECT_EQ(packLineOrEnglish(pack, PackLine::Progress), "Progress");
    EXPECT_EQ(packLineOrEnglish(pack, PackLine::DateField), "Date");
    pack.Load(folder.write("newer.lng", older + "Fortschritt\r\n"));
    EXPECT_EQ(packLineOrEnglish(pack, PackLine::Progress), "Fortschritt");
    EXPECT_EQ(packLineOrEnglish(pack, PackLine::MasteryNew), "new");
    pack.Load(folder.write("short.lng", "only one line"));
    EXPECT_EQ(failureOf([&] { packLineOrEnglish(pack, PackLine::Addition); }), "List index out of bounds (4)");
}

} // namespace
