#include "AppError.h"
#include "ErrorBox.h"
#include "ModalWindow.h"
#include "ScriptedDialogs.h"

#include <QMessageBox>
#include <QSpinBox>

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
    ScriptedDialogs dialogs;
    std::vector<int> ran;
    const bool finished = guarded(dialogs, [&] {
        ran.push_back(1);
        throw AppError("List index out of bounds (41)");
        ran.push_back(2);
    });
    EXPECT_FALSE(finished);
    EXPECT_EQ(ran, std::vector<int>{1});
    EXPECT_EQ(dialogs.errors, QStringList{"List index out of bounds (41)"});
    EXPECT_EQ(dialogs.errorTitles, QStringList{"Calcora"});

    EXPECT_TRUE(guarded(dialogs, [&] { ran.push_back(3); }));
    EXPECT_EQ(dialogs.errors.size(), 1);
}

TEST(ErrorBox, AnyExceptionIsShownAndNeverEscapes)
{
    ScriptedDialogs dialogs;
    EXPECT_FALSE(guarded(dialogs, [] { throw std::out_of_range("vector"); }));
    EXPECT_FALSE(guarded(dialogs, [] { throw 42; }));
    EXPECT_EQ(dialogs.errors, (QStringList{"vector.", "Unknown failure."}));
}

} // namespace

namespace {

TEST(ErrorBox, EveryByteOfAMessageIsShownAndControlsAreMadeVisible)
{
    ScriptedDialogs dialogs;
    using namespace std::string_literals;
    guarded(dialogs, [] { throw AppError("'\x7F\0abc\tx' is not a valid integer value"s); });
    EXPECT_EQ(dialogs.errors,
              QStringList{QString::fromUtf8("'\u2421\u2400abc\u2409x' is not a valid integer value.")});
}

TEST(ErrorBox, TheRealBoxShowsItsMessageAsPlainText)
{
    const auto real = createQtDialogs();
    QString shownText;
    Qt::TextFormat shownFormat = Qt::RichText;
    withModalWindow<QMessageBox>([&] { real->showError("Calcora", "Cannot open file /packs/<b>turkish</b>.lng."); },
                                 [&](QMessageBox& box) {
                                     shownText = box.text();
                                     shownFormat = box.textFormat();
                                     box.accept();
                                 });
    EXPECT_EQ(shownText, "Cannot open file /packs/<b>turkish</b>.lng.");
    EXPECT_EQ(shownFormat, Qt::PlainText);
}

// A window's creation in steps: a failing step ends there, the others still run, and one box
// tells the first failure, however many handlers the steps set off.
TEST(ErrorBox, ACreationShowsOneBoxForItsFirstFailureAndRunsEveryStep)
{
    ScriptedDialogs dialogs;
    std::vector<std::string> ran;
    QSpinBox counter;
    int handlerRuns = 0;
    QObject::connect(&counter, &QSpinBox::valueChanged, [&] {
        guarded(dialogs, [&] {
            ++handlerRuns;
            throw AppError("List index out of bounds (23)");
        });
    });
    const bool whole = createInSteps(dialogs, {
        [&] { ran.push_back("texts"); },
        [&] {
            for (int value = 1; value <= 12; ++value)
                counter.setValue(value);
            ran.push_back("counts");
        },
        [&] {
            ran.push_back("colours");
            throw AppError("'white' is not a valid integer value");
        },
        [&] { ran.push_back("menus"); },
    });
    EXPECT_FALSE(whole);
    EXPECT_EQ(handlerRuns, 12);
    EXPECT_EQ(ran, (std::vector<std::string>{"texts", "counts", "colours", "menus"}));
    EXPECT_EQ(dialogs.errors, QStringList{"List index out of bounds (23)"});

    guarded(dialogs, [] { throw AppError("after the creation"); });
    EXPECT_EQ(dialogs.errors.size(), 2) << "handlers outside a creation show their own box";
}

} // namespace
