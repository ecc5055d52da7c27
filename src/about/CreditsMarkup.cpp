#include "CreditsMarkup.h"

#include <algorithm>
#include <array>
#include <utility>

namespace credits {

namespace {

// Tags and colour names are ASCII; other bytes keep their value whatever the locale says.
char upperCase(char byte)
{
    return byte >= 'a' && byte <= 'z' ? static_cast<char>(byte - 'a' + 'A') : byte;
}

std::string upperCase(std::string_view text)
{
    std::string upper(text);
    std::transform(upper.begin(), upper.end(), upper.begin(), [](char byte) { return upperCase(byte); });
    return upper;
}

std::optional<int> hexDigitValue(char byte)
{
    if (byte >= '0' && byte <= '9')
        return byte - '0';
    const char upper = upperCase(byte);
    if (upper >= 'A' && upper <= 'F')
        return upper - 'A' + 10;
    return std::nullopt;
}

// Six hexadecimal digits, blue first, as a colour.
std::optional<BgrColor> hexColor(std::string_view digits)
{
    if (digits.size() < 6)
        return std::nullopt;
    BgrColor color = 0;
    for (const char digit : digits.substr(0, 6)) {
        const auto value = hexDigitValue(digit);
        if (!value)
            return std::nullopt;
        color = color << 4 | static_cast<BgrColor>(*value);
    }
    return color;
}

// Reads one line from left to right. Each turn of the loop consumes at least one byte: a text
// run stops only at a "<", and a tag starts by consuming its "<".
class LineReader {
public:
    LineReader(std::string_view line, MarkupState& state, const RowColouring& colouring)
        : rest_(line)
        , state_(state)
        , colouring_(colouring)
    {
    }

    std::vector<TextPiece> read()
    {
        while (!rest_.empty()) {
            if (rest_.front() == '<') {
                take(1);
                readTag();
            } else {
                readText();
            }
        }
        return std::move(pieces_);
    }

private:
    void readText()
    {
        const std::string_view text = rest_.substr(0, rest_.find('<'));
        draw(text);
        take(text.size());
    }

    // `rest_` starts just after the tag's "<".
    void readTag()
    {
        bool closing = false;
        while (!rest_.empty() && rest_.front() == '/') {
            closing = true;
            take(1);
        }
        if (rest_.empty())
            return; // the line ends inside the tag: nothing to draw
        switch (upperCase(rest_.front())) {
        case '<':
            // "<<" draws one "<". What follows is read as usual, so a "<" right after "<<"
            // opens a tag again: "<<<b>" draws "<" and turns bold on.
            draw(rest_.substr(0, 1));
            take(1);
            break;
        case 'B': setStyle(&TextStyle::bold, !closing); break;
        case 'I': setStyle(&TextStyle::italic, !closing); break;
        case 'U': setStyle(&TextStyle::underline, !closing); break;
        case 'N': closing ? closeColour() : openNamedColour(); break;
        case 'C': closing ? closeColour() : openHexColour(); break;
        default:
            // Not a tag: the letter, its argument and the ">" are drawn as text.
            break;
        }
    }

    // Only the letter counts; the letter and the byte after it (the ">") are consumed.
    void setStyle(bool TextStyle::*flag, bool on)
    {
        state_.style.*flag = on;
        take(2);
    }

    void closeColour()
    {
        state_.textColor = colouring_.fontColor;
        explicitColour_ = false;
        take(2);
    }

    // "<n" name ">": a name outside the table keeps the colour, but still overrides the
    // gradient for the rest of the line.
    void openNamedColour()
    {
        take(1);
        const std::string_view name = takeUpToClosingBracket();
        explicitColour_ = true;
        if (const auto color = NamedColor(upperCase(name)))
            state_.textColor = *color;
    }

    // "<c" six hexadecimal digits ">". Without six digits the tag keeps the colour, as an
    // unknown name does, and ends at the next ">".
    void openHexColour()
    {
        take(1);
        explicitColour_ = true;
        if (const auto color = hexColor(rest_)) {
            state_.textColor = *color;
            take(6);
            if (!rest_.empty() && rest_.front() == '>')
                take(1);
            return;
        }
        takeUpToClosingBracket();
    }

    // Everything before the next ">", which is consumed too; the rest of the line if none.
    std::string_view takeUpToClosingBracket()
    {
        const std::size_t end = std::min(rest_.find('>'), rest_.size());
        const std::string_view inside = rest_.substr(0, end);
        take(end + 1);
        return inside;
    }

    void draw(std::string_view text)
    {
        if (text.empty())
            return;
        const bool gradient = colouring_.gradient && !explicitColour_;
        pieces_.push_back({text, state_.style, gradient ? *colouring_.gradient : state_.textColor});
    }

    void take(std::size_t count) { rest_.remove_prefix(std::min(count, rest_.size())); }

    std::string_view rest_;
    MarkupState& state_;
    const RowColouring& colouring_;
    // A colour tag in this line overrides the gradient until the line ends or a closing tag.
    bool explicitColour_ = false;
    std::vector<TextPiece> pieces_;
};

} // namespace

std::vector<TextPiece> ConsumeLine(std::string_view line, MarkupState& state,
                                   const RowColouring& colouring)
{
    return LineReader(line, state, colouring).read();
}

std::optional<BgrColor> NamedColor(std::string_view upperCaseName)
{
    static constexpr std::array<std::pair<std::string_view, BgrColor>, 18> kColors{{
        {"RED", 0x0000FF},     {"GREEN", 0x008000},  {"AQUA", 0xFFFF00},   {"BLACK", 0x000000},
        {"BLUE", 0xFF0000},    {"DDKGRAY", 0x808080}, {"FUCHSIA", 0xFF00FF}, {"GRAY", 0x808080},
        {"LIME", 0x00FF00},    {"LTGRAY", 0xC0C0C0}, {"MAROON", 0x000080}, {"NAVY", 0x800000},
        {"OLIVE", 0x008080},   {"PURPLE", 0x800080}, {"SILVER", 0xC0C0C0}, {"TEAL", 0x808000},
        {"WHITE", 0xFFFFFF},   {"YELLOW", 0x00FFFF},
    }};
    for (const auto& [name, color] : kColors) {
        if (name == upperCaseName)
            return color;
    }
    return std::nullopt;
}

std::string StripTags(std::string_view line)
{
    std::string kept;
    for (;;) {
        const std::size_t open = line.find('<');
        if (open == std::string_view::npos)
            return kept.append(line);
        kept.append(line.substr(0, open));
        line.remove_prefix(std::min(open + 2, line.size())); // the "<" and the byte after it
        const std::size_t close = line.find('>');
        if (close != std::string_view::npos)
            line.remove_prefix(close + 1);
    }
}

BgrColor GradientColor(BgrColor begin, BgrColor end, int position, int steps)
{
    BgrColor color = 0;
    for (const int shift : {0, 8, 16}) {
        const long long from = (begin >> shift) & 0xFF;
        const long long to = (end >> shift) & 0xFF;
        const long long step = steps > 0 ? (to - from) / steps : 0;
        color |= static_cast<BgrColor>((from + position * step) & 0xFF) << shift;
    }
    return color;
}

} // namespace credits
