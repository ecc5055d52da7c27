#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The small markup of the credits' lines, read byte by byte:
//   <b> </b>  <i> </i>  <u> </u>   bold, italic, underline on and off (only the letter after
//                                  "<" counts: "<bold>" turns bold on and shows "ld>")
//   <nname> </n>                   a colour by name from a fixed table; </n> back to the font colour
//   <cBBGGRR> </c>                 a colour by six hexadecimal digits, blue first
//   <<                             one "<"
// Tag letters may be written in either case. Any other letter after "<" is shown as text
// without its "<". Styles and the colour of the last colour tag stay in force from line to
// line until changed; a colour tag also makes the rest of its own line ignore the gradient.
//
// Any bytes are safe here: a tag that runs to the end of the line, a "<c" without six
// hexadecimal digits, or a lone "<" never read past the line's end, and every step of the
// reading consumes at least one byte.
namespace credits {

// A colour as the tags write it and the store keeps it: 0x00BBGGRR, red in the low byte.
using BgrColor = std::uint32_t;

struct TextStyle {
    bool bold = false;
    bool italic = false;
    bool underline = false;

    bool operator==(const TextStyle&) const = default;
};

// What one line leaves for the next, and one frame for the next.
struct MarkupState {
    TextStyle style;
    BgrColor textColor = 0; // the colour of the last colour tag, or the font colour
};

// How a row's text is coloured when no colour tag of its own line says otherwise.
struct RowColouring {
    BgrColor fontColor = 0;              // what closing colour tags return to
    std::optional<BgrColor> gradient;    // the row's gradient colour, when the gradient is on
};

// A run of text drawn in one style and one colour; it points into the line it came from.
struct TextPiece {
    std::string_view text;
    TextStyle style;
    BgrColor color = 0;

    bool operator==(const TextPiece&) const = default;
};

// Reads one line: the pieces to draw from left to right (never an empty one), with `state`
// updated by the line's tags as it goes.
std::vector<TextPiece> ConsumeLine(std::string_view line, MarkupState& state,
                                   const RowColouring& colouring);

// The colour of a name in the "<n" tag's table (upper case), if it is there.
std::optional<BgrColor> NamedColor(std::string_view upperCaseName);

// The line without its tags, as wide as the alignment takes it to be. It drops each "<", the
// byte after it and everything up to and including the next ">" (only the two bytes when no
// ">" follows).
std::string StripTags(std::string_view line);

// The colour at `position` of `steps` from begin towards end, each of red, green and blue on
// its own: begin + position x ((end - begin) / steps), the division truncated toward zero and
// the sum taken modulo 256. Zero steps (or fewer) leave begin as it is.
BgrColor GradientColor(BgrColor begin, BgrColor end, int position, int steps);

} // namespace credits
