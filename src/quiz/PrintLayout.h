#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

// Where the lines of a document stand on printed pages, in the printer's device units. Lines
// start at the top-left corner of the printable area; a line too wide for it continues on the
// next printed line, broken after the last character that fits; a tab moves on to the next
// multiple of eight average character widths.

struct PrintArea {
    int width = 0;            // printable width
    int height = 0;           // page height
    int lineHeight = 0;       // the font's character height
    int averageCharWidth = 0;
};

// The width of a text that holds no tab. Widths grow with the text, so the longest piece of a
// line that fits is found by halving.
using TextWidth = std::function<int(std::string_view text)>;

// One piece of text drawn with its top-left corner at (x, y).
struct PrintedText {
    int x = 0;
    int y = 0;
    std::string text;

    bool operator==(const PrintedText&) const = default;
};

using PrintedPage = std::vector<PrintedText>;

// The pages of a document (lines of UTF-8 text; pieces break only between characters).
// After a printed line the position moves down by the line height plus 2, after an empty line
// by the line height; a new page begins when the new position lies lower than the page height
// less twice the line height (less nothing after an empty line). Pages after the last piece
// of text are left out, so a document ends on its last printed text; a document without
// text gives one empty page.
// A line marked in `keptWithNext` (by its index; lines past its end are not marked) stands on
// the page of the line after it: when the page would end between them, both begin the next
// page, unless the first already begins one.
std::vector<PrintedPage> layOutPages(const std::vector<std::string>& lines, const PrintArea& area,
                                     const TextWidth& textWidth, const std::vector<bool>& keptWithNext = {});
