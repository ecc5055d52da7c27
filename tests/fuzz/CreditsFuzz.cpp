// The credits' markup and the arithmetic of their rows, as a frame of the about window runs
// them: the first bytes set the panel's height and line height, the rest are the lines.

#include "CreditsMarkup.h"
#include "CreditsScroll.h"
#include "FuzzTargets.h"

#include <string>
#include <string_view>

void fuzzCredits(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return;
    const int height = data[0] * 4 - 100;
    const int lineHeight = data[1] - 20;
    const std::string_view text(reinterpret_cast<const char*>(data + 2), size - 2);

    std::vector<std::string_view> lines;
    for (std::size_t start = 0; start <= text.size();) {
        const auto end = std::min(text.find('\n', start), text.size());
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }

    credits::MarkupState state;
    for (const auto line : lines) {
        const credits::RowColouring colouring{0x00FFFFFF, line.size() % 2 ? std::optional<credits::BgrColor>(0x123456) : std::nullopt};
        const auto pieces = credits::ConsumeLine(line, state, colouring);
        std::size_t shown = 0;
        for (const auto& piece : pieces) {
            fuzzCheck(!piece.text.empty(), "no empty piece is drawn");
            fuzzCheck(piece.text.data() >= line.data() && piece.text.data() + piece.text.size() <= line.data() + line.size(),
                      "every piece lies inside its line");
            shown += piece.text.size();
        }
        fuzzCheck(shown <= line.size(), "no more is drawn than the line holds");
        fuzzCheck(credits::StripTags(line).size() <= line.size(), "a line without its tags is no longer");
    }
    for (int position = -3; position < 12; ++position)
        credits::GradientColor(0x00FF7171, 0x0080FFFF, position, data[1] % 16);

    credits::CreditsScroll scroll;
    scroll.ResetScroll(height, lineHeight);
    const int frames = 2 * (scroll.BufferHeight + scroll.LineHeight * static_cast<int>(lines.size() + 1)) + 3;
    // Through every line and the restart from below, for credits of a sensible length.
    for (int frame = 0; frame < frames && frame < 800; ++frame) {
        const auto rows = scroll.Rows(lines.size());
        fuzzCheck(rows.size() <= static_cast<std::size_t>(scroll.RowCount) + 1, "no more rows than fit");
        for (const auto& row : rows)
            fuzzCheck(row.line < lines.size(), "every row shows a line that is there");
        scroll.Step(lines.size());
        fuzzCheck(scroll.TopLine < std::max<std::size_t>(lines.size(), 1), "the first row is a line of the credits");
    }
}
