#include "PrintLayout.h"

#include <algorithm>

namespace {

bool continuesCharacter(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// The end of every character of a UTF-8 text, in order.
std::vector<std::size_t> characterEnds(std::string_view text)
{
    std::vector<std::size_t> ends;
    for (std::size_t at = 1; at <= text.size(); ++at) {
        if (at == text.size() || !continuesCharacter(text[at]))
            ends.push_back(at);
    }
    return ends;
}

class PageWriter {
public:
    PageWriter(const PrintArea& area, const TextWidth& textWidth)
        : area_(area)
        , textWidth_(textWidth)
        , pages_(1)
    {
    }

    void writeLine(std::string_view line)
    {
        bool first = true;
        while (true) {
            const std::size_t tab = line.find('\t');
            if (!first)
                moveToNextTabStop();
            writeText(line.substr(0, tab));
            if (tab == std::string_view::npos)
                break;
            line.remove_prefix(tab + 1);
            first = false;
        }
        newLine();
    }

    // Writes two lines on one page: when the page would end between them, they are written
    // again from the top of the next page.
    void writeTogether(std::string_view first, std::string_view second)
    {
        const Mark before = mark();
        writeLine(first);
        const std::size_t secondPage = mark().page();
        writeLine(second);
        const bool atTopOfPage = before.x == 0 && before.y == 0;
        if (secondPage == before.page() || atTopOfPage)
            return;
        restore(before);
        ++pendingPages_;
        y_ = 0;
        writeLine(first);
        writeLine(second);
    }

    std::vector<PrintedPage> pages() &&
    {
        return std::move(pages_);
    }

private:
    // Where the writer stands, to come back to.
    struct Mark {
        std::size_t pages;
        std::size_t pieces; // on the last page
        int pendingPages;
        int x;
        int y;
        bool lineHasText;

        // The page (counted from 1) that the next text goes on.
        std::size_t page() const { return pages + static_cast<std::size_t>(pendingPages); }
    };

    Mark mark() const { return {pages_.size(), pages_.back().size(), pendingPages_, x_, y_, lineHasText_}; }

    void restore(const Mark& earlier)
    {
        pages_.resize(earlier.pages);
        pages_.back().resize(earlier.pieces);
        pendingPages_ = earlier.pendingPages;
        x_ = earlier.x;
        y_ = earlier.y;
        lineHasText_ = earlier.lineHasText;
    }

    void writeText(std::string_view text)
    {
        while (!text.empty()) {
            const std::size_t fitting = fittingLength(text);
            if (fitting == 0) {
                newLine();
                continue;
            }
            place(text.substr(0, fitting));
            text.remove_prefix(fitting);
            if (!text.empty())
                newLine();
        }
    }

    // The bytes of the longest run of whole characters that fits from x on. At the start of
    // a line one character always goes, however wide, so that printing always moves on.
    std::size_t fittingLength(std::string_view text) const
    {
        const std::vector<std::size_t> ends = characterEnds(text);
        const auto fits = [&](std::size_t end) { return x_ + textWidth_(text.substr(0, end)) <= area_.width; };
        if (fits(ends.back()))
            return ends.back();
        std::size_t low = 0; // characters known to fit
        std::size_t high = ends.size() - 1; // characters that may fit at most
        while (low < high) {
            const std::size_t middle = (low + high + 1) / 2;
            if (fits(ends[middle - 1]))
                low = middle;
            else
                high = middle - 1;
        }
        if (low == 0)
            return x_ == 0 ? ends.front() : 0;
        return ends[low - 1];
    }

    void place(std::string_view text)
    {
        if (pendingPages_ > 0) {
            pages_.resize(pages_.size() + static_cast<std::size_t>(pendingPages_));
            pendingPages_ = 0;
        }
        pages_.back().push_back({x_, y_, std::string(text)});
        x_ += textWidth_(text);
        lineHasText_ = true;
    }

    void moveToNextTabStop()
    {
        const int tabWidth = std::max(1, 8 * area_.averageCharWidth);
        x_ = (x_ / tabWidth + 1) * tabWidth;
        if (x_ > area_.width)
            newLine();
    }

    void newLine()
    {
        const int lineHeight = lineHasText_ ? area_.lineHeight : 0;
        y_ += lineHasText_ ? area_.lineHeight + 2 : area_.lineHeight;
        x_ = 0;
        lineHasText_ = false;
        if (y_ > area_.height - 2 * lineHeight) {
            ++pendingPages_;
            y_ = 0;
        }
    }

    const PrintArea& area_;
    const TextWidth& textWidth_;
    std::vector<PrintedPage> pages_;
    int pendingPages_ = 0; // pages begun after the last placed text
    int x_ = 0;
    int y_ = 0;
    bool lineHasText_ = false;
};

} // namespace

std::vector<PrintedPage> layOutPages(const std::vector<std::string>& lines, const PrintArea& area,
                                     const TextWidth& textWidth, const std::vector<bool>& keptWithNext)
{
    PageWriter writer(area, textWidth);
    for (std::size_t at = 0; at < lines.size(); ++at) {
        if (at + 1 < lines.size() && at < keptWithNext.size() && keptWithNext[at]) {
            writer.writeTogether(lines[at], lines[at + 1]);
            ++at;
        } else {
            writer.writeLine(lines[at]);
        }
    }
    return std::move(writer).pages();
}
