#include "CreditsScroll.h"

#include <algorithm>

namespace credits {

namespace {

// No panel or font is that large; the bound keeps every sum below far from overflowing.
constexpr int kLargestExtent = 1'000'000;

} // namespace

int LineStartX(LineAlignment alignment, int bufferWidth, int textWidth)
{
    switch (alignment) {
    case LineAlignment::Left: return 0;
    case LineAlignment::Right: return bufferWidth - textWidth;
    case LineAlignment::Centre: break;
    }
    return bufferWidth / 2 - textWidth / 2;
}

void CreditsScroll::ResetScroll(int bufferHeight, int textHeight)
{
    BufferHeight = std::clamp(bufferHeight, 0, kLargestExtent);
    LineHeight = std::clamp(textHeight, 1, kLargestExtent);
    RowCount = BufferHeight / (LineHeight + 3) + 5;
    TopLine = 0;
    ScrollOffset = BufferHeight;
}

std::vector<RowPlace> CreditsScroll::Rows(std::size_t lineCount) const
{
    std::vector<RowPlace> rows;
    const int firstPosition = ScrollOffset / LineHeight;
    for (int row = 0; row <= RowCount && TopLine + static_cast<std::size_t>(row) < lineCount; ++row)
        rows.push_back({TopLine + static_cast<std::size_t>(row), firstPosition + row, row * LineHeight + ScrollOffset});
    return rows;
}

void CreditsScroll::Step(std::size_t lineCount)
{
    --ScrollOffset;
    if (ScrollOffset >= -LineHeight)
        return;
    ++TopLine;
    ScrollOffset = 0;
    if (TopLine >= lineCount) {
        TopLine = 0;
        ScrollOffset = BufferHeight;
    }
}

} // namespace credits
