// The classroom's rules in plain C++: pupils' names and where their totals are kept, and the
// sizes of the windows.

#include "PupilNames.h"
#include "ScreenScale.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

using Names = std::vector<std::string>;

TEST(PupilNames, AreOneToFortyCharactersOfAnyScriptAndUnique)
{
    const std::string fortyLetters = [] {
        std::string name;
        for (int letter = 0; letter < 40; ++letter)
            name += "ğ"; // two bytes, one letter
        return name;
    }();
    struct Case {
        const char* what;
        std::string name;
        Names others;
        std::optional<std::string> kept;
    };
    const Case cases[] = {
        {"a plain name", "Ada", {}, "Ada"},
        {"blanks at the ends are taken off", "  Boris ", {}, "Boris"},
        {"forty letters of two bytes each", fortyLetters, {}, fortyLetters},
        {"forty-one letters", fortyLetters + "a", {}, std::nullopt},
        {"nothing", "", {}, std::nullopt},
        {"only blanks", "   ", {}, std::nullopt},
        {"a line break", "Ada\nLovelace", {}, std::nullopt},
        {"a tab", "Ada\tL", {}, std::nullopt},
        {"another pupil's name", "Ada", {"Boris", "Ada"}, std::nullopt},
        {"letter case tells names apart", "ada", {"Ada"}, "ada"},
        {"another script", "Çiğdem Öztürk", {"Ada"}, "Çiğdem Öztürk"},
    };
    for (const Case& name : cases) {
        SCOPED_TRACE(name.what);
        EXPECT_EQ(acceptedPupilName(name.name, name.others), name.kept);
    }
}

TEST(PupilNames, ListKeptInOneValueReadsBackAndLeavesOutWhatIsNoName)
{
    const Names names = {"Ada", "Boris", "Çiğdem"};
    EXPECT_EQ(pupilListText(names), "Ada\nBoris\nÇiğdem");
    EXPECT_EQ(parsePupilList(pupilListText(names)), names);
    EXPECT_EQ(parsePupilList("Ada\n\nAda\n  Boris  \r\n\n"), (Names{"Ada", "Boris"}))
        << "a blank line and a repeat are no names; a line may end in CR LF";
    EXPECT_EQ(parsePupilList(""), Names{});
}

TEST(PupilNames, TotalsAreTheComputersWithoutAPupilAndThePupilsOwnWithOne)
{
    EXPECT_EQ(totalPlace("", "Correct").section, "Stats");
    EXPECT_EQ(totalPlace("", "Correct").name, "Correct");
    EXPECT_EQ(totalPlace("Ada", "Wrong").section, "Pupil Totals");
    EXPECT_EQ(totalPlace("Ada", "Wrong").name, "Ada Wrong");
}

TEST(ScreenScale, ScalesAsChosenAndFillsTheScreenAtTheLargestWholeScaleThatFits)
{
    struct Case {
        const char* stored;
        int width, height;
        ScreenScale scale;
    };
    const Case cases[] = {
        {"100", 1920, 1080, {1, false}},
        {"150", 1920, 1080, {1.5, false}},
        {"200", 1280, 800, {2, false}},
        {"Fill", 1280, 800, {3, true}},    // 1080 x 495 fits, 1440 x 660 does not
        {"Fill", 1920, 1080, {5, true}},
        {"Fill", 3840, 800, {4, true}},    // the height decides
        {"Fill", 320, 200, {1, true}},     // a screen smaller than the window still shows it
        {"fill", 1920, 1080, {1, false}},  // the store's values are spelled exactly
        {"", 1920, 1080, {1, false}},
    };
    for (const Case& size : cases) {
        SCOPED_TRACE(testing::Message() << size.stored << " on " << size.width << " x " << size.height);
        EXPECT_EQ(screenScale(size.stored, size.width, size.height), size.scale);
    }
}

} // namespace
