// The print layout with a made-up printer: every character 10 units wide, lines 20 high,
// a printable area 100 wide and 200 high, tab stops every 40 (eight average widths of 5).

#include "PrintLayout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>

// A piece in a failure message as its place and text rather than its bytes.
static void PrintTo(const PrintedText& piece, std::ostream* out)
{
    *out << '(' << piece.x << ", " << piece.y << ") " << testing::PrintToString(piece.text);
}

namespace {

using Page = PrintedPage;

constexpr PrintArea kArea{100, 200, 20, 5};

// Ten per character, counted at its last byte, so that a piece cut inside a character of
// several bytes would look narrower than the whole character.
int tenPerCharacter(std::string_view text)
{
    int characters = 0;
    for (const char c : text)
        characters += (static_cast<unsigned char>(c) & 0xC0) != 0xC0;
    return 10 * characters;
}

std::vector<Page> layOut(const std::vector<std::string>& lines, const PrintArea& area = kArea)
{
    return layOutPages(lines, area, tenPerCharacter);
}

std::vector<std::string> repeated(const std::string& line, int times)
{
    return std::vector<std::string>(static_cast<std::size_t>(times), line);
}

TEST(PrintLayout, LinesStartTopLeftAndMoveDownByTheirHeightPlusTwo)
{
    EXPECT_EQ(layOut({"abc", "", "de", "f"}),
              (std::vector<Page>{{{0, 0, "abc"}, {0, 42, "de"}, {0, 64, "f"}}}))
        << "an empty line moves down by the line height alone";
}

TEST(PrintLayout, AWideLineBreaksAfterTheLastCharacterThatFits)
{
    EXPECT_EQ(layOut({"abcdefghij"}), (std::vector<Page>{{{0, 0, "abcdefghij"}}})) << "exactly the width fits";
    EXPECT_EQ(layOut({"abcdefghijklmnopqrstuvwxy", "z"}),
              (std::vector<Page>{{{0, 0, "abcdefghij"}, {0, 22, "klmnopqrst"}, {0, 44, "uvwxy"}, {0, 66, "z"}}}));
    const std::string e = "\xC3\xA9"; // one character in two bytes
    std::string tenCharacters;
    for (int i = 0; i < 10; ++i)
        tenCharacters += e;
    EXPECT_EQ(layOut({tenCharacters + e}), (std::vector<Page>{{{0, 0, tenCharacters}, {0, 22, e}}}))
        << "a character of several bytes stays whole";
}

TEST(PrintLayout, ACharacterWiderThanThePageStillPrintsOnALineOfItsOwn)
{
    PrintArea narrow = kArea;
    narrow.width = 5;
    EXPECT_EQ(layOut({"abc"}, narrow), (std::vector<Page>{{{0, 0, "a"}, {0, 22, "b"}, {0, 44, "c"}}}));
}

TEST(PrintLayout, TabsMoveOnToTheNextMultipleOfEightAverageWidths)
{
    EXPECT_EQ(layOut({"ab\tcd", "\tx", "abcd\tx", "\t\ty"}),
              (std::vector<Page>{{{0, 0, "ab"}, {40, 0, "cd"}, {40, 22, "x"}, {0, 44, "abcd"}, {80, 44, "x"},
                                  {80, 66, "y"}}}));
    EXPECT_EQ(layOut({"ab\tcdefghij"}), (std::vector<Page>{{{0, 0, "ab"}, {40, 0, "cdefgh"}, {0, 22, "ij"}}}))
        << "text after a tab breaks where the width ends";
    EXPECT_EQ(layOut({"abcdefghi\tx"}), (std::vector<Page>{{{0, 0, "abcdefghi"}, {0, 22, "x"}}}))
        << "a tab past the width continues on the next line";
    EXPECT_EQ(layOut({"\t", "x"}), (std::vector<Page>{{{0, 20, "x"}}})) << "a line of tabs alone prints nothing";
}

TEST(PrintLayout, ACharacterThatDoesNotFitAfterATabStartsTheNextLine)
{
    // "W" is 30 wide: from the tab stop at 80 it would end at 110.
    const auto wideW = [](std::string_view text) {
        return tenPerCharacter(text) + 20 * static_cast<int>(std::count(text.begin(), text.end(), 'W'));
    };
    PrintArea tabStopAtTheEdge = kArea;
    tabStopAtTheEdge.width = 80;
    const struct {
        const char* what;
        std::string line;
        PrintArea area;
        std::vector<Page> pages;
    } cases[] = {
        {"after text", "abcde\tWx", kArea, {{{0, 0, "abcde"}, {0, 22, "Wx"}}}},
        {"after tabs alone, which print nothing", "\t\tW", kArea, {{{0, 20, "W"}}}},
        {"at a tab stop on the right edge", "abcde\tx", tabStopAtTheEdge, {{{0, 0, "abcde"}, {0, 22, "x"}}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(layOutPages({c.line}, c.area, wideW), c.pages);
    }
}

TEST(PrintLayout, ANewPageBeginsBelowThePageHeightLessTwoLines)
{
    // After the eighth line the position, 176, lies below 200 - 2 * 20.
    const auto eight = layOut(repeated("x", 8));
    ASSERT_EQ(eight.size(), 1u) << "no empty page after the last line";
    EXPECT_EQ(eight[0].back(), (PrintedText{0, 154, "x"}));

    const auto nine = layOut(repeated("x", 9));
    ASSERT_EQ(nine.size(), 2u);
    EXPECT_EQ(nine[0].size(), 8u);
    EXPECT_EQ(nine[1], (Page{{0, 0, "x"}}));

    auto withEmptyLines = repeated("x", 8);
    withEmptyLines.insert(withEmptyLines.end(), {"", "", ""});
    EXPECT_EQ(layOut(withEmptyLines).size(), 1u);
}

TEST(PrintLayout, AfterAnEmptyLineTheWholePageHeightCounts)
{
    // From 22 an empty line moves down by 20: after 8 of them the position is 182, after 9 it is 202.
    auto lines = std::vector<std::string>{"x"};
    auto eightEmpty = lines;
    eightEmpty.insert(eightEmpty.end(), 8, "");
    eightEmpty.push_back("y");
    EXPECT_EQ(layOut(eightEmpty), (std::vector<Page>{{{0, 0, "x"}, {0, 182, "y"}}}));

    auto nineEmpty = lines;
    nineEmpty.insert(nineEmpty.end(), 9, "");
    nineEmpty.push_back("y");
    EXPECT_EQ(layOut(nineEmpty), (std::vector<Page>{{{0, 0, "x"}}, {{0, 0, "y"}}}));

    auto pageOfEmptyLines = lines;
    pageOfEmptyLines.insert(pageOfEmptyLines.end(), 30, "");
    pageOfEmptyLines.push_back("y");
    EXPECT_EQ(layOut(pageOfEmptyLines), (std::vector<Page>{{{0, 0, "x"}}, {}, {{0, 200, "y"}}}))
        << "a page of empty lines inside the document stays";
}

TEST(PrintLayout, ALineKeptWithTheNextMovesToTheNextPageWithIt)
{
    // Unkept, the third question would stand at 150 and its choices, below 160, on the next page.
    EXPECT_EQ(layOutPages({"T", "1", "a", "", "2", "a", "", "3", "a"}, kArea, tenPerCharacter,
                          {false, true, false, false, true, false, false, true, false}),
              (std::vector<Page>{{{0, 0, "T"}, {0, 22, "1"}, {0, 44, "a"}, {0, 86, "2"}, {0, 108, "a"}},
                                 {{0, 0, "3"}, {0, 22, "a"}}}));
    PrintArea shallow = kArea;
    shallow.height = 50;
    EXPECT_EQ(layOutPages({"1", "abcdefghijklmnopqrstu"}, shallow, tenPerCharacter, {true}),
              (std::vector<Page>{{{0, 0, "1"}}, {{0, 0, "abcdefghij"}}, {{0, 0, "klmnopqrst"}}, {{0, 0, "u"}}}))
        << "too tall for a page, they flow on from the top of one";
}

TEST(PrintLayout, ADocumentWithoutTextIsOneEmptyPage)
{
    EXPECT_EQ(layOut({}), std::vector<Page>(1));
    EXPECT_EQ(layOut(repeated("", 40)), std::vector<Page>(1));
}

} // namespace
