#include "AccessKeys.h"

#include <gtest/gtest.h>

#include <set>

namespace {

using Captions = std::vector<std::u32string>;

struct Menu {
    const char* what;
    Captions captions;
    Captions keyed;
};

const Menu kMenus[] = {
    {"each item's first letter", {U"Make a Quiz...", U"Settings...", U"Check for Updates...", U"About..."},
     {U"&Make a Quiz...", U"&Settings...", U"&Check for Updates...", U"&About..."}},
    {"a word beginning before a letter inside a word", {U"Save", U"Save as"}, {U"&Save", U"Save &as"}},
    {"any free letter when every word beginning is taken", {U"Ab", U"Ab"}, {U"&Ab", U"A&b"}},
    {"upper and lower case are one key", {U"sound", U"Sand"}, {U"&sound", U"S&and"}},
    {"a key the pack marks is kept, and no other item takes it",
     {U"Make a Quiz...", U"Settings...", U"&Quit"}, {U"&Make a Quiz...", U"&Settings...", U"&Quit"}},
    {"a marked key later in the menu is reserved from the start", {U"Quiz", U"&Quit"}, {U"Q&uiz", U"&Quit"}},
    {"a doubled '&' is a plain '&' and marks no key", {U"Tips && Tricks"}, {U"&Tips && Tricks"}},
    {"punctuation and signs are no keys", {U"...", U"(+) 2"}, {U"...", U"(+) &2"}},
    {"letters beyond ASCII", {U"\u00DCber...", U"\u00FCbrig", U"\u0421\u043F\u0440\u0430\u0432\u043A\u0430"},
     {U"&\u00DCber...", U"\u00FC&brig", U"&\u0421\u043F\u0440\u0430\u0432\u043A\u0430"}},
    {"an item with no free letter stays unmarked", {U"a", U"A"}, {U"&a", U"A"}},
    {"empty captions", {U"", U"x"}, {U"", U"&x"}},
};

TEST(AccessKeys, EveryItemGetsAKeyOfItsOwnWhereTheMenuAllows)
{
    for (const Menu& menu : kMenus) {
        SCOPED_TRACE(menu.what);
        const Captions keyed = withAccessKeys(menu.captions);
        EXPECT_EQ(keyed, menu.keyed);
        std::set<char32_t> keys;
        for (const auto& caption : keyed) {
            if (const auto key = markedAccessKey(caption)) {
                EXPECT_TRUE(keys.insert(*key).second) << "a key used twice";
            }
        }
    }
}

TEST(AccessKeys, TheMarkedKeyIsTheCharacterAfterASingleAmpersand)
{
    const std::pair<std::u32string, std::optional<char32_t>> cases[] = {
        {U"&Settings", U's'}, {U"Se&ttings", U't'}, {U"A && B", std::nullopt},
        {U"A && &B", U'b'}, {U"Ends in &", std::nullopt}, {U"", std::nullopt}, {U"&\u00C4", U'\u00E4'},
    };
    for (const auto& [caption, key] : cases)
        EXPECT_EQ(markedAccessKey(caption), key);
}

} // namespace
