#pragma once

#include <cstddef>
#include <vector>

// Where the credits' lines stand on the panel. The lines move up one pixel per frame; the
// first row is the line `TopLine` at `ScrollOffset` from the top, and the rows below it follow
// `LineHeight` apart. Only the rows that can show are laid out, however long the credits.
namespace credits {

enum class LineAlignment { Left, Centre, Right };

// The left edge of a line `textWidth` wide in a buffer `bufferWidth` wide; each halving of the
// centred line is truncated toward zero.
int LineStartX(LineAlignment alignment, int bufferWidth, int textWidth);

// One row of a frame: the line it shows, its place in whole line heights from the top (where
// the gradient takes its colour) and the top of its text.
struct RowPlace {
    std::size_t line = 0;
    int position = 0;
    int y = 0;

    bool operator==(const RowPlace&) const = default;
};

struct CreditsScroll {
    // Back to the start: the first line just below the bottom edge. A line height below one
    // pixel counts as one, and sizes beyond a million pixels as a million.
    void ResetScroll(int bufferHeight, int textHeight);

    // The rows of a frame, top first: up to RowCount + 1 of them, while lines are left.
    std::vector<RowPlace> Rows(std::size_t lineCount) const;

    // One pixel up. Once the first row is more than a line height above the top, the next line
    // becomes the first row at the top edge; once the last line is gone, the credits start
    // again from below the bottom edge.
    void Step(std::size_t lineCount);

    int BufferHeight = 0;
    int LineHeight = 1;
    // The rows a frame lays out, less one; also the gradient's number of steps.
    int RowCount = 5;
    std::size_t TopLine = 0;
    int ScrollOffset = 0;
};

} // namespace credits
