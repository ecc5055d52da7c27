#include "UpdateList.h"
#include "UpdateSteps.h"

#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

using namespace std::string_literals;

struct FieldCase {
    std::string item;
    std::string kind;
    std::string name;
    std::string file;
};

TEST(UpdateList, SplitsAnItemIntoKindNameAndFile)
{
    const std::vector<FieldCase> cases = {
        {"1-German-german.lng", "1", "German", "german.lng"},
        {"2-Sky-blue-sky.bmp", "2", "Sky", "blue-sky.bmp"},
        // A "-" right after a separator starts the next field, so no field is empty.
        {"1--x-y", "1", "-x", "y"},
        {"--a-b", "-", "a", "b"},
        {"1-a--b", "1", "a", "-b"},
        {"1-a-b-", "1", "a", "b-"},
        {" 1 - A - a.lng ", " 1 ", " A ", " a.lng "},
        // Cut short: the fields the item does not reach are empty.
        {"", "", "", ""},
        {"german", "german", "", ""},
        {"-german", "-german", "", ""},
        {"1-German-", "1", "German", ""},
        {"1--", "1", "-", ""},
    };
    for (const FieldCase& c : cases) {
        SCOPED_TRACE(c.item);
        EXPECT_EQ(UpdateItemField(c.item, kUpdateKind), c.kind);
        EXPECT_EQ(UpdateItemField(c.item, kUpdateName), c.name);
        EXPECT_EQ(UpdateItemField(c.item, kUpdateFile), c.file);
    }
    for (const int field : {0, 4, -1})
        EXPECT_EQ(UpdateItemField("1-a-b", field), "") << field;
}

// Only a language pack or a picture is ever an update: nothing else a server names, however it
// is spelt, is offered, downloaded or written anywhere.
TEST(UpdateList, AnItemIsAPackOrAPictureOfAPlainNameOrNothing)
{
    using Kind = UpdateKind;
    struct Case {
        std::string item;
        std::optional<UpdateItem> onCaseSensitiveNames;
        std::optional<UpdateItem> onCaseBlindNames;
    };
    const auto both = [](std::string item, Kind kind, std::string name, std::string file) {
        const UpdateItem parsed{kind, std::move(name), std::move(file)};
        return Case{std::move(item), parsed, parsed};
    };
    const auto neither = [](std::string item) { return Case{std::move(item), std::nullopt, std::nullopt}; };
    const std::vector<Case> cases = {
        both("1-German-german.lng", Kind::LanguagePack, "German", "german.lng"),
        both("2-Blue sky-blue sky.bmp", Kind::Background, "Blue sky", "blue sky.bmp"),
        both("2-Sky-blue-sky.bmp", Kind::Background, "Sky", "blue-sky.bmp"),
        both("1-\xC3\x9C" "bersetzung-\xC3\xBC.lng", Kind::LanguagePack, "\xC3\x9C" "bersetzung", "\xC3\xBC.lng"),
        both("1-a..b-german..lng", Kind::LanguagePack, "a..b", "german..lng"),
        both("1-" + std::string(kLongestUpdateName, 'N') + "-n.lng", Kind::LanguagePack,
             std::string(kLongestUpdateName, 'N'), "n.lng"),
        // The case of the ending counts where the file system tells case apart.
        Case{"1-Deutsch-deutsch.LNG", std::nullopt, UpdateItem{Kind::LanguagePack, "Deutsch", "deutsch.LNG"}},
        Case{"2-Sky-Sky.Bmp", std::nullopt, UpdateItem{Kind::Background, "Sky", "Sky.Bmp"}},
        // Files the program runs on, or that a build runs.
        neither("1-X-qt.conf"), neither("1-X-build.ninja"), neither("2-X-calcora"),
        neither("1-X-x.lng.so"), neither("2-X-bg.bmp.exe"), neither("1-X-lng"),
        // Hidden files, and the kinds mixed up.
        neither("1-X-.lng"), neither("1-X-.hidden.lng"), neither("1-Dots-..german.lng"), neither("2-X-.bmp"),
        neither("1-X-sky.bmp"), neither("2-X-german.lng"),
        // Other kinds, and a name too long for the store.
        neither("3-Tune-tune.wav"), neither("3-Pack-third.lng"), neither("10-Big-big.bmp"), neither(" 1-X-x.lng"),
        neither("1-" + std::string(kLongestUpdateName + 1, 'N') + "-n.lng"),
        // Cut short, or naming more than a file in the folder.
        neither(""), neither("german.lng"), neither("1-German"), neither("1-German-"), neither("1--x.lng"),
        neither("1-Up-../german.lng"), neither("1-Abs-/etc/x.lng"), neither("1-Win-..\\german.lng"),
        neither("1-Sub-packs\\german.lng"), neither("1-Drive-c:x.lng"), neither("1-Line-german.lng\r\n"),
        neither("1-Tab-ger\tman.lng"), neither("1-Del-german\x7F.lng"), neither("1-Nul-german\0.lng"s),
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item);
        EXPECT_EQ(parseUpdateItem(c.item, false), c.onCaseSensitiveNames);
        EXPECT_EQ(parseUpdateItem(c.item, true), c.onCaseBlindNames);
    }
}

TEST(UpdateList, APlainFileNameNamesNothingButAFileInTheFolder)
{
    const std::vector<std::pair<std::string, bool>> names = {
        {"german.lng", true}, {"Blue Sky.BMP", true}, {"a", true}, {"...", true},
        {"\xC3\xBC" "bung.lng", true}, {"a-b", true}, {"~x", true},
        {"", false}, {".", false}, {"..", false}, {"a/b", false}, {"/a", false}, {"a\\b", false},
        {"c:a", false}, {"a\n", false}, {"\x1F" "a", false}, {"a\0"s, false}, {"a\x7F", false},
    };
    for (const auto& [name, plain] : names)
        EXPECT_EQ(isPlainFileName(name), plain) << name;
}

TEST(UpdateList, SplitsTheListAtEveryColonAndTrimsNothing)
{
    const std::vector<std::pair<std::string, std::vector<std::string>>> lists = {
        {"a", {"a"}},
        {"a:b", {"a", "b"}},
        {" a : b \r\n", {" a ", " b \r\n"}},
        {"", {""}},
        {":", {"", ""}},
        {"a::b:", {"a", "", "b", ""}},
        {":a", {"", "a"}},
        {"a\0:b"s, {"a\0"s, "b"}},
    };
    for (const auto& [text, items] : lists)
        EXPECT_EQ(splitUpdateList(text), items) << text;
}

TEST(UpdateList, OffersTheUpdatesThatAreNotInstalledInListOrderEachFileOnce)
{
    std::vector<std::pair<std::string, std::string>> asked;
    const std::set<std::string> installed = {"Sky"};
    const auto isInstalled = [&](const std::string& name, const std::string& file) {
        asked.emplace_back(name, file);
        return installed.count(name) != 0;
    };
    const auto names = [](const std::vector<UpdateItem>& items) {
        std::vector<std::string> offered;
        for (const UpdateItem& item : items)
            offered.push_back(item.name);
        return offered;
    };
    const std::string list = "1-German-german.lng:2-Sky-sky.bmp:1-French-french.lng";
    EXPECT_EQ(names(arrangeUpdates(list, false, isInstalled)), (std::vector<std::string>{"German", "French"}));
    EXPECT_EQ(asked, (std::vector<std::pair<std::string, std::string>>{
                         {"German", "german.lng"}, {"Sky", "sky.bmp"}, {"French", "french.lng"}}))
        << "the check gets each item's NAME and FILE";

    asked.clear();
    const std::string malformed = ":1-German-german.lng::x:1-Short:1-Up-../up.lng:3-Tune-tune.wav:1-Again-german.lng:";
    EXPECT_EQ(names(arrangeUpdates(malformed, false, isInstalled)), std::vector<std::string>{"German"})
        << "empty, short, path-naming and other items are passed over, and so is a file named twice";
    EXPECT_EQ(asked.size(), 1u) << "only items that are updates are checked";

    const std::string twiceByCase = "1-German-german.lng:1-Again-GERMAN.LNG";
    EXPECT_EQ(names(arrangeUpdates(twiceByCase, true, isInstalled)), std::vector<std::string>{"German"});
    EXPECT_EQ(names(arrangeUpdates(twiceByCase, false, isInstalled)), std::vector<std::string>{"German"})
        << "\"GERMAN.LNG\" is no pack where case counts";

    EXPECT_TRUE(arrangeUpdates("", false, isInstalled).empty());
    EXPECT_TRUE(arrangeUpdates("2-Sky-sky.bmp", false, isInstalled).empty());
}

TEST(UpdateList, AddressesFollowTheStoredBaseOrTheProgramsOwnServer)
{
    struct AddressCase {
        std::string base;
        std::string list;
        std::string file;
    };
    const std::vector<AddressCase> cases = {
        {"", "https://updates.tovik-software.example/calcora/201/update",
         "https://updates.tovik-software.example/calcora/201/german.lng"},
        {"http://127.0.0.1:8080/u/", "http://127.0.0.1:8080/u/update201", "http://127.0.0.1:8080/u/german.lng"},
        // The base is used as it stands, plain http included: no separator is added.
        {"http://mirror.example/files", "http://mirror.example/filesupdate201", "http://mirror.example/filesgerman.lng"},
    };
    for (const AddressCase& c : cases) {
        SCOPED_TRACE(c.base);
        EXPECT_EQ(updateListAddress(c.base), c.list);
        EXPECT_EQ(updateFileAddress(c.base, "german.lng"), c.file);
    }
}

TEST(UpdateList, AnyBytesGiveAnAnswerInOnePass)
{
    // Every byte value once, then separators in a row, long runs of each and a long item.
    std::string bytes;
    for (int byte = 0; byte < 256; ++byte)
        bytes += static_cast<char>(byte);
    const std::string noise = bytes + ":--::--" + std::string(100000, '-') + ":"
        + std::string(100000, ':') + std::string(100000, 'x');
    // One item more than separators: one among the bytes, three in ":--::--", one after the
    // dashes and the run of them.
    EXPECT_EQ(splitUpdateList(noise).size(), (1u + 3u + 1u + 100000u) + 1u);
    const std::string listed = noise + ":1-" + std::string(100000, 'n') + "-n.lng:1-n-" + std::string(100000, 'f') + ".lng";
    const auto offered = arrangeUpdates(listed, false, [](const std::string&, const std::string&) { return false; });
    ASSERT_EQ(offered.size(), 1u) << "only the pack with the long FILE is an update";
    EXPECT_EQ(offered[0].file, std::string(100000, 'f') + ".lng");
}

TEST(UpdateSteps, NextOnTheOfferDownloadsWhileSomethingIsCheckedElseCloses)
{
    EXPECT_EQ(stepOfOffer(true), UpdateStep::Download);
    EXPECT_EQ(stepOfOffer(false), UpdateStep::Close);
}

} // namespace
