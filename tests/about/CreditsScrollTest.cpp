#include "CreditsScroll.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using credits::CreditsScroll;
using credits::LineAlignment;
using credits::RowPlace;

// The about window's panel: 73 pixels high, with a font whose "W" is 13 pixels high.
constexpr int kPanelHeight = 73;
constexpr int kLineHeight = 13;

CreditsScroll startedScroll()
{
    CreditsScroll scroll;
    scroll.ResetScroll(kPanelHeight, kLineHeight);
    return scroll;
}

void stepUntil(CreditsScroll& scroll, std::size_t lineCount, std::size_t topLine, int offset)
{
    for (int step = 0; step < 10000 && !(scroll.TopLine == topLine && scroll.ScrollOffset == offset); ++step)
        scroll.Step(lineCount);
    ASSERT_EQ(scroll.TopLine, topLine);
    ASSERT_EQ(scroll.ScrollOffset, offset);
}

TEST(CreditsScroll, LaysOutOnlyTheRowsThatCanShow)
{
    const CreditsScroll scroll = startedScroll();
    EXPECT_EQ(scroll.LineHeight, 13);
    EXPECT_EQ(scroll.RowCount, 9);
    EXPECT_EQ(scroll.Rows(31).size(), 10u) << "RowCount + 1 rows of a long text";
    EXPECT_EQ(scroll.Rows(1000).size(), 10u);
    EXPECT_EQ(scroll.Rows(3).size(), 3u) << "no more rows than lines";
    EXPECT_TRUE(scroll.Rows(0).empty());

    struct Case {
        int height;
        int textHeight;
        int lineHeight;
        int rowCount;
    };
    const std::vector<Case> table = {
        {73, 13, 13, 9}, {0, 13, 13, 5}, {15, 13, 13, 5}, {16, 13, 13, 6},
        {73, 0, 1, 23},  {73, -4, 1, 23}, {-20, 13, 13, 5},
    };
    for (const Case& test : table) {
        CreditsScroll sized;
        sized.ResetScroll(test.height, test.textHeight);
        EXPECT_EQ(sized.LineHeight, test.lineHeight) << test.height << " / " << test.textHeight;
        EXPECT_EQ(sized.RowCount, test.rowCount) << test.height << " / " << test.textHeight;
    }
}

TEST(CreditsScroll, StartsBelowTheBottomEdgeAndRisesOnePixelPerStep)
{
    CreditsScroll scroll = startedScroll();
    EXPECT_EQ(scroll.Rows(31).front(), (RowPlace{0, 5, 73})) << "first line just below the panel";
    scroll.Step(31);
    EXPECT_EQ(scroll.Rows(31).front(), (RowPlace{0, 5, 72}));
    const std::vector<RowPlace> rows = scroll.Rows(31);
    for (std::size_t row = 0; row < rows.size(); ++row)
        EXPECT_EQ(rows[row], (RowPlace{row, 5 + static_cast<int>(row), 72 + 13 * static_cast<int>(row)})) << row;
}

TEST(CreditsScroll, PositionsCountWholeLineHeightsTruncatedTowardZero)
{
    const std::vector<std::pair<int, int>> offsetToPosition = {
        {73, 5}, {65, 5}, {64, 4}, {13, 1}, {12, 0}, {0, 0}, {-12, 0}, {-13, -1},
    };
    for (const auto& [offset, position] : offsetToPosition) {
        CreditsScroll scroll = startedScroll();
        stepUntil(scroll, 31, 0, offset);
        EXPECT_EQ(scroll.Rows(31).front().position, position) << offset;
        EXPECT_EQ(scroll.Rows(31)[3].position, position + 3) << offset;
    }
}

TEST(CreditsScroll, HandsTheFirstRowToTheNextLineAtTheSameHeight)
{
    CreditsScroll scroll = startedScroll();
    stepUntil(scroll, 31, 0, -13);
    EXPECT_EQ(scroll.Rows(31)[1], (RowPlace{1, 0, 0}));
    scroll.Step(31);
    EXPECT_EQ(scroll.TopLine, 1u);
    EXPECT_EQ(scroll.ScrollOffset, 0);
    EXPECT_EQ(scroll.Rows(31).front(), (RowPlace{1, 0, 0})) << "two frames in a row at the top edge";
    scroll.Step(31);
    EXPECT_EQ(scroll.Rows(31).front(), (RowPlace{1, 0, -1}));
}

TEST(CreditsScroll, StartsAgainFromBelowOnceTheLastLineHasLeftTheTop)
{
    constexpr std::size_t kLines = 3;
    CreditsScroll scroll = startedScroll();
    // From below the panel to the first hand-over, then one line height and a frame per line.
    const int cycle = (kPanelHeight + kLineHeight + 1) + 2 * (kLineHeight + 1);
    for (int step = 1; step < cycle; ++step) {
        scroll.Step(kLines);
        ASSERT_FALSE(scroll.TopLine == 0 && scroll.ScrollOffset == kPanelHeight) << "restarted early, at step " << step;
    }
    EXPECT_EQ(scroll.Rows(kLines), (std::vector<RowPlace>{{2, -1, -13}})) << "the last line just gone";
    scroll.Step(kLines);
    EXPECT_EQ(scroll.TopLine, 0u);
    EXPECT_EQ(scroll.ScrollOffset, kPanelHeight);
    EXPECT_EQ(scroll.Rows(kLines).front(), (RowPlace{0, 5, 73}));
}

TEST(CreditsScroll, FewerLinesThanBeforeStartAgainInsteadOfRunningPastTheEnd)
{
    CreditsScroll scroll = startedScroll();
    stepUntil(scroll, 31, 20, 0);
    EXPECT_TRUE(scroll.Rows(5).empty());
    stepUntil(scroll, 5, 0, kPanelHeight);
}

TEST(LineStartX, PlacesALineByItsAlignment)
{
    struct Case {
        LineAlignment alignment;
        int bufferWidth;
        int textWidth;
        int x;
    };
    const std::vector<Case> table = {
        {LineAlignment::Left, 200, 50, 0},     {LineAlignment::Right, 200, 50, 150},
        {LineAlignment::Centre, 200, 50, 75},  {LineAlignment::Centre, 200, 51, 75},
        {LineAlignment::Centre, 201, 50, 75},  {LineAlignment::Centre, 200, 250, -25},
        {LineAlignment::Right, 200, 250, -50}, {LineAlignment::Left, 200, 250, 0},
    };
    for (const Case& test : table)
        EXPECT_EQ(credits::LineStartX(test.alignment, test.bufferWidth, test.textWidth), test.x)
            << static_cast<int>(test.alignment) << ": " << test.bufferWidth << ", " << test.textWidth;
}

} // namespace
