#include "UpdateList.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

using namespace std::string_literals;

struct ItemCase {
    std::string item;
    std::string kind;
    std::string name;
    std::string file;
    bool offered;
};

TEST(UpdateList, SplitsAnItemIntoKindNameAndFile)
{
    const std::vector<ItemCase> cases = {
        {"1-German-german.lng", "1", "German", "german.lng", true},
        {"2-Blue sky-blue sky.bmp", "2", "Blue sky", "blue sky.bmp", true},
        {"2-Sky-blue-sky.bmp", "2", "Sky", "blue-sky.bmp", true},
        // A "-" right after a separator starts the next field, so no field is empty.
        {"1--x-y", "1", "-x", "y", true},
        {"--a-b", "-", "a", "b", true},
        {"1-a--b", "1", "a", "-b", true},
        {"10-Big-big.bmp", "10", "Big", "big.bmp", true},
        {"1-a-b-", "1", "a", "b-", true},
        {"1-\xC3\x9C" "bersetzung-\xC3\xBC.lng", "1", "\xC3\x9C" "bersetzung", "\xC3\xBC.lng", true},
        {" 1 - A - a.lng ", " 1 ", " A ", " a.lng ", true},
        // Cut short: the fields the item does not reach are empty.
        {"", "", "", "", false},
        {"german", "german", "", "", false},
        {"-german", "-german", "", "", false},
        {"1-German", "1", "German", "", false},
        {"1-German-", "1", "German", "", false},
        {"1--", "1", "-", "", false},
        {"1-a", "1", "a", "", false},
        // FILE must be a file in the folder, nothing more.
        {"1-Up-../german.lng", "1", "Up", "../german.lng", false},
        {"1-Up-..", "1", "Up", "..", false},
        {"1-Up-.", "1", "Up", ".", false},
        {"1-Abs-/etc/passwd", "1", "Abs", "/etc/passwd", false},
        {"1-Win-..\\german.lng", "1", "Win", "..\\german.lng", false},
        {"1-Sub-packs\\german.lng", "1", "Sub", "packs\\german.lng", false},
        {"1-Line-german.lng\r\n", "1", "Line", "german.lng\r\n", false},
        {"1-Tab-ger\tman.lng", "1", "Tab", "ger\tman.lng", false},
        {"1-Del-german\x7F.lng", "1", "Del", "german\x7F.lng", false},
        {"1-Nul-german\0.lng"s, "1", "Nul", "german\0.lng"s, false},
        {"1-Dots-..german.lng", "1", "Dots", "..german.lng", true},
        {"1-Dot-.lng", "1", "Dot", ".lng", true},
    };
    for (const ItemCase& c : cases) {
        SCOPED_TRACE(c.item);
        EXPECT_EQ(UpdateItemField(c.item, kUpdateKind), c.kind);
        EXPECT_EQ(UpdateItemField(c.item, kUpdateName), c.name);
        EXPECT_EQ(UpdateItemField(c.item, kUpdateFile), c.file);
        EXPECT_EQ(isWellFormedUpdateItem(c.item), c.offered);
    }
    for (const int field : {0, 4, -1})
        EXPECT_EQ(UpdateItemField("1-a-b", field), "") << field;
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

TEST(UpdateList, OffersTheWellFormedItemsThatAreNotInstalledInListOrder)
{
    std::vector<std::pair<std::string, std::string>> asked;
    const std::set<std::string> installed = {"Sky"};
    const auto isInstalled = [&](const std::string& name, const std::string& file) {
        asked.emplace_back(name, file);
        return installed.count(name) != 0;
    };
    const std::string list = "1-German-german.lng:2-Sky-sky.bmp:1-French-french.lng";
    EXPECT_EQ(arrangeUpdates(list, isInstalled),
              (std::vector<std::string>{"1-German-german.lng", "1-French-french.lng"}));
    EXPECT_EQ(asked, (std::vector<std::pair<std::string, std::string>>{
                         {"German", "german.lng"}, {"Sky", "sky.bmp"}, {"French", "french.lng"}}))
        << "the check gets each item's NAME and FILE";

    asked.clear();
    const std::string malformed = ":1-German-german.lng::x:1-Short:1-Up-../up.lng:3-Tune-tune.wav:";
    EXPECT_EQ(arrangeUpdates(malformed, isInstalled),
              (std::vector<std::string>{"1-German-german.lng", "3-Tune-tune.wav"}))
        << "empty, short and path-naming items are passed over, other kinds are offered";
    EXPECT_EQ(asked.size(), 2u) << "only well-formed items are checked";

    EXPECT_TRUE(arrangeUpdates("", isInstalled).empty());
    EXPECT_TRUE(arrangeUpdates("2-Sky-sky.bmp", isInstalled).empty());
}

TEST(UpdateList, AddressesFollowTheStoredBaseOrTheProgramsOwnServer)
{
    struct AddressCase {
        std::string base;
        std::string list;
        std::string file;
    };
    const std::vector<AddressCase> cases = {
        {"", "http://updates.tovik-software.example/calcora/201/update",
         "http://updates.tovik-software.example/calcora/201/german.lng"},
        {"http://127.0.0.1:8080/u/", "http://127.0.0.1:8080/u/update201", "http://127.0.0.1:8080/u/german.lng"},
        // The base is used as it stands: no separator is added.
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
    const auto offered = arrangeUpdates(noise, [](const std::string&, const std::string&) { return false; });
    EXPECT_EQ(offered, std::vector<std::string>{std::string(100002, '-')})
        << "only the run of dashes is an item: KIND \"-\", NAME \"-\", FILE the other dashes";
    EXPECT_EQ(UpdateItemField(offered.at(0), kUpdateFile), std::string(99998, '-'));
}

} // namespace
