#include "AppError.h"
#include "ErrorBox.h"
#include "ScopedService.h"
#include "ScriptedDialogs.h"

#include <gtest/gtest.h>

namespace {

TEST(ErrorBox, AddsAFullStopOnlyAfterCharactersAboveIt)
{
    EXPECT_EQ(errorBoxText("Cannot open file /x/bg.bmp"), "Cannot open file /x/bg.bmp.");
    EXPECT_EQ(errorBoxText("'abc' is not a valid integer value"), "'abc' is not a valid integer value.");
    EXPECT_EQ(errorBoxText("Failed to set data for 'Sound1'"), "Failed to set data for 'Sound1'");
    EXPECT_EQ(errorBoxText("List index out of bounds (41)"), "List index out of bounds (41)");
    EXPECT_EQ(errorBoxText("Bitmap image is not valid."), "Bitmap image is not valid.");
    EXPECT_EQ(errorBoxText("Counted 40"), "Counted 40.") << "digits sort above the full stop";
    EXPECT_EQ(errorBoxText("Ends in a slash/"), "Ends in a slash/.");
    EXPECT_EQ(errorBoxText("Ends in a hyphen-"), "Ends in a hyphen-");
    EXPECT_EQ(errorBoxText("Caf\xE9"), "Caf\xE9.");
    EXPECT_EQ(errorBoxText(""), "");
}

TEST(ErrorBox, GuardedStepsStopAtTheFailureAndShowIt)
{
    ScopedService<Dialogs, ScriptedDialogs> dialogs;
    std::vector<int> ran;
    const bool finished = guarded([&] {
        ran.push_back(1);
        throw AppError("List index out of bounds (41)");
        ran.push_back(2);
    });
    EXPECT_FALSE(finished);
    EXPECT_EQ(ran, std::vector<int>{1});
    EXPECT_EQ(dialogs->errors, QStringList{"List index out of bounds (41)"});
    EXPECT_EQ(dialogs->errorTitles, QStringList{"Calcora"});

    EXPECT_TRUE(guarded([&] { ran.push_back(3); }));
    EXPECT_EQ(dialogs->errors.size(), 1);
}

TEST(ErrorBox, AnyExceptionIsShownAndNeverEscapes)
{
    ScopedService<Dialogs, ScriptedDialogs> dialogs;
    EXPECT_FALSE(guarded([] { throw std::out_of_range("vector"); }));
    EXPECT_FALSE(guarded([] { throw 42; }));
    EXPECT_EQ(dialogs->errors, (QStringList{"vector.", "Unknown failure."}));
}

} // namespace
