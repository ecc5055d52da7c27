#include "CreditsMarkup.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

using credits::BgrColor;
using credits::ConsumeLine;
using credits::MarkupState;
using credits::RowColouring;
using credits::TextPiece;
using credits::TextStyle;

constexpr BgrColor kFont = 0x123456;
constexpr BgrColor kRed = 0x0000FF;
constexpr BgrColor kBlue = 0xFF0000;
constexpr BgrColor kGradient = 0x9E9ED5;

// A piece as a test writes it: its text, its style as letters ("b", "iu", ...) and its colour.
struct Piece {
    std::string text;
    std::string style;
    BgrColor color;

    bool operator==(const Piece&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Piece& piece)
{
    return out << '"' << piece.text << "\" [" << piece.style << "] " << std::hex << piece.color << std::dec;
}

std::string styleLetters(TextStyle style)
{
    return std::string(style.bold ? "b" : "") + (style.italic ? "i" : "") + (style.underline ? "u" : "");
}

std::vector<Piece> read(const std::string& line, MarkupState& state, const RowColouring& colouring = {kFont, {}})
{
    std::vector<Piece> pieces;
    for (const TextPiece& piece : ConsumeLine(line, state, colouring))
        pieces.push_back({std::string(piece.text), styleLetters(piece.style), piece.color});
    return pieces;
}

MarkupState freshState()
{
    return {TextStyle{}, kFont};
}

TEST(CreditsMarkup, ReadsOneLineIntoStyledAndColouredPieces)
{
    struct Case {
        std::string line;
        std::vector<Piece> pieces;
        std::string styleAfter;
        BgrColor colorAfter;
    };
    const std::vector<Case> cases = {
        {"plain text", {{"plain text", "", kFont}}, "", kFont},
        {"", {}, "", kFont},
        {"<b>Programming:</b>", {{"Programming:", "b", kFont}}, "", kFont},
        {"<B>Programming:</B>", {{"Programming:", "b", kFont}}, "", kFont},
        {"<b><nblue>Calcora 2.01</n></b>", {{"Calcora 2.01", "b", kBlue}}, "", kFont},
        {"<i>a</i><u>b</u>c", {{"a", "i", kFont}, {"b", "u", kFont}, {"c", "", kFont}}, "", kFont},
        {"<b><i><U>all", {{"all", "biu", kFont}}, "biu", kFont},
        // Only the tag's letter counts: the rest of a word after its second letter is text.
        {"<bold>face", {{"ld>face", "b", kFont}}, "b", kFont},
        {"a<<b", {{"a", "", kFont}, {"<", "", kFont}, {"b", "", kFont}}, "", kFont},
        {"<<<b>x", {{"<", "", kFont}, {"x", "b", kFont}}, "b", kFont},
        {"a <<< b", {{"a ", "", kFont}, {"<", "", kFont}, {" b", "", kFont}}, "", kFont},
        // Six hexadecimal digits, blue first, in either case.
        {"<cFF0000>blue", {{"blue", "", kBlue}}, "", kBlue},
        {"<c0000ff>red</c>font", {{"red", "", kRed}, {"font", "", kFont}}, "", kFont},
        {"<CFF0000>x</C>y", {{"x", "", kBlue}, {"y", "", kFont}}, "", kFont},
        {"<nRed>x", {{"x", "", kRed}}, "", kRed},
        {"<NYELLOW>x</N>", {{"x", "", 0x00FFFF}}, "", kFont},
        {"<nNoSuchColour>x", {{"x", "", kFont}}, "", kFont},
        // Not a tag letter: the letter, its argument and the ">" are shown without the "<".
        {"<x>y", {{"x>y", "", kFont}}, "", kFont},
        {"</x>y", {{"x>y", "", kFont}}, "", kFont},
        {"<//b>x", {{"x", "", kFont}}, "", kFont},
        // Malformed tags: nothing drawn for them, nothing read past the line's end.
        {"<", {}, "", kFont},
        {"abc<", {{"abc", "", kFont}}, "", kFont},
        {"</", {}, "", kFont},
        {"<b", {}, "b", kFont},
        {"<n", {}, "", kFont},
        {"<nred", {}, "", kRed},
        {"<c", {}, "", kFont},
        {"<cFF00", {}, "", kFont},
        {"<cGG0000>x", {{"x", "", kFont}}, "", kFont},
        {"<c12345>x", {{"x", "", kFont}}, "", kFont},
        {"<c0000FFx", {{"x", "", kRed}}, "", kRed},
        {"<c0000FF", {}, "", kRed},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.line);
        MarkupState state = freshState();
        EXPECT_EQ(read(test.line, state), test.pieces);
        EXPECT_EQ(styleLetters(state.style), test.styleAfter);
        EXPECT_EQ(state.textColor, test.colorAfter);
    }
}

TEST(CreditsMarkup, StylesAndTagColoursCarryOverToTheNextLines)
{
    MarkupState state = freshState();
    EXPECT_EQ(read("<b>bold from here", state), (std::vector<Piece>{{"bold from here", "b", kFont}}));
    EXPECT_EQ(read("still bold", state), (std::vector<Piece>{{"still bold", "b", kFont}}));
    EXPECT_EQ(read("<nred>red</b>", state), (std::vector<Piece>{{"red", "b", kRed}}));
    EXPECT_EQ(read("still red", state), (std::vector<Piece>{{"still red", "", kRed}}));
    EXPECT_EQ(read("</n>font again", state), (std::vector<Piece>{{"font again", "", kFont}}));
    EXPECT_EQ(read("<cFF0000>blue", state), (std::vector<Piece>{{"blue", "", kBlue}}));
    EXPECT_EQ(read("</N>font", state), (std::vector<Piece>{{"font", "", kFont}})) << "either closing tag ends either colour";
}

TEST(CreditsMarkup, AColourTagOverridesTheGradientOnlyUntilItsLineEnds)
{
    const RowColouring gradient{kFont, kGradient};
    MarkupState state = freshState();
    EXPECT_EQ(read("a<nred>b</n>c", state, gradient),
              (std::vector<Piece>{{"a", "", kGradient}, {"b", "", kRed}, {"c", "", kGradient}}));
    EXPECT_EQ(read("<nred>red line", state, gradient), (std::vector<Piece>{{"red line", "", kRed}}));
    EXPECT_EQ(read("next line", state, gradient), (std::vector<Piece>{{"next line", "", kGradient}}));
    EXPECT_EQ(state.textColor, kRed) << "the tag's colour is kept for lines without the gradient";
    EXPECT_EQ(read("<nNoSuchColour>x", state, gradient), (std::vector<Piece>{{"x", "", kRed}}))
        << "an unknown name keeps the colour but still sets it against the gradient";
    EXPECT_EQ(read("<cZZ>y", state, gradient), (std::vector<Piece>{{"y", "", kRed}}));
}

TEST(CreditsMarkup, NamesTheEighteenColoursOfItsTable)
{
    const std::vector<std::pair<const char*, BgrColor>> table = {
        {"RED", 0x0000FF},     {"LIME", 0x00FF00},    {"GREEN", 0x008000},  {"LTGRAY", 0xC0C0C0},
        {"AQUA", 0xFFFF00},    {"MAROON", 0x000080},  {"BLACK", 0x000000},  {"NAVY", 0x800000},
        {"BLUE", 0xFF0000},    {"OLIVE", 0x008080},   {"DDKGRAY", 0x808080}, {"PURPLE", 0x800080},
        {"FUCHSIA", 0xFF00FF}, {"SILVER", 0xC0C0C0},  {"GRAY", 0x808080},   {"TEAL", 0x808000},
        {"WHITE", 0xFFFFFF},   {"YELLOW", 0x00FFFF},
    };
    for (const auto& [name, color] : table)
        EXPECT_EQ(credits::NamedColor(name), color) << name;
    for (const char* unknown : {"", "red", "DKGRAY", "ORANGE", "RED "})
        EXPECT_EQ(credits::NamedColor(unknown), std::nullopt) << unknown;
}

TEST(CreditsMarkup, AnyBytesAreReadSafelyIntoPiecesOfTheLine)
{
    // Lines of random bytes, weighted towards the markup's own characters.
    std::mt19937 random(20240611);
    using namespace std::string_literals;
    const std::string alphabet = "<<<>>>//bBiIuUnNcCx0F9 \xC3\xA9\0\xFF"s;
    for (int lineNumber = 0; lineNumber < 5000; ++lineNumber) {
        std::string line(random() % 24, ' ');
        for (char& byte : line)
            byte = random() % 4 == 0 ? static_cast<char>(random() % 256) : alphabet[random() % alphabet.size()];
        MarkupState state = freshState();
        std::size_t drawn = 0;
        for (const TextPiece& piece : ConsumeLine(line, state, {kFont, kGradient})) {
            ASSERT_FALSE(piece.text.empty()) << line;
            ASSERT_GE(piece.text.data(), line.data()) << line;
            ASSERT_LE(piece.text.data() + piece.text.size(), line.data() + line.size()) << line;
            drawn += piece.text.size();
        }
        ASSERT_LE(drawn, line.size()) << line;
        ASSERT_LE(credits::StripTags(line).size(), line.size()) << line;
    }
}

TEST(StripTags, LeavesTheTextAsWideAsAlignmentTakesIt)
{
    const std::vector<std::pair<std::string, std::string>> table = {
        {"plain", "plain"},
        {"", ""},
        {"  indented", "  indented"},
        {"<b>Programming:</b>", "Programming:"},
        {"<b><nblue>Calcora 2.01</n></b>", "Calcora 2.01"},
        {"     <u>www.tovik-software.example</u>", "     www.tovik-software.example"},
        {"<cFF0000>Blue</c> sky", "Blue sky"},
        {"a<u>b", "ab"},
        // The byte after "<" always goes, then everything up to the next ">".
        {"<bold>face", "face"},
        {"<>abc>d", "d"},
        {"a <<b c>d", "a d"},
        // No ">" after the tag: only the "<" and the byte after it go.
        {"x<", "x"},
        {"<b", ""},
        {"a<bc", "ac"},
    };
    for (const auto& [line, stripped] : table)
        EXPECT_EQ(credits::StripTags(line), stripped) << line;
}

TEST(GradientColor, StepsEachByteFromBeginTowardsEnd)
{
    struct Case {
        BgrColor begin;
        BgrColor end;
        int position;
        int steps;
        BgrColor expected;
    };
    const std::vector<Case> table = {
        {0x000000, 0xFFFFFF, 0, 9, 0x000000},
        {0x000000, 0xFFFFFF, 1, 9, 0x1C1C1C},      // 255 / 9 = 28 per step
        {0x000000, 0xFFFFFF, 9, 9, 0xFCFCFC},      // the truncated steps never quite arrive
        {0xFF7171, 0x80FFFF, 3, 9, 0xD59E9E},      // the panel's own two colours
        {0x0000FF, 0x000000, 1, 9, 0x0000E3},      // downwards: -255 / 9 = -28
        {0x000005, 0x000000, 9, 9, 0x000005},      // -5 / 9 truncates toward zero: no change
        {0x0000C8, 0x0000FF, 2, 1, 0x000036},      // 200 + 2 x 55 = 310, modulo 256
        {0x00000A, 0x0000FF, -1, 1, 0x000015},     // 10 - 245 = -235, modulo 256
        {0x123456, 0xFFFFFF, 7, 0, 0x123456},      // no steps
        {0xFF0000, 0x00FF00, 1, 2, 0x807F00},      // each byte on its own
    };
    for (const Case& test : table)
        EXPECT_EQ(credits::GradientColor(test.begin, test.end, test.position, test.steps), test.expected)
            << std::hex << test.begin << " -> " << test.end << std::dec << " at " << test.position << " of " << test.steps;
}

} // namespace
