#include "StoreFile.h"

#include <optional>
#include <utility>

namespace {

// A carriage return counts as a blank so that CR LF line ends read like LF ones.
bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r';
}

bool isControl(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7F;
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::optional<int> hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return std::nullopt;
}

// One line, without its blanks at either end, read from left to right.
class LineReader {
public:
    explicit LineReader(std::string_view line) : rest_(line) {}

    bool atEnd() const { return rest_.empty(); }
    bool startsWith(char c) const { return !rest_.empty() && rest_.front() == c; }
    std::string_view rest() const { return rest_; }

    bool skip(char c)
    {
        if (!startsWith(c))
            return false;
        rest_.remove_prefix(1);
        return true;
    }

    void skipBlanks() { rest_ = trimmed(rest_); }

    // The unquoted text up to the first `stop`, without its blanks; null without a `stop`.
    std::optional<std::string> plainUntil(char stop)
    {
        const auto end = rest_.find(stop);
        if (end == std::string_view::npos)
            return std::nullopt;
        std::string text(trimmed(rest_.substr(0, end)));
        rest_.remove_prefix(end + 1);
        return text;
    }

    // The text of a quoted string at the start; null when it is broken or unterminated.
    std::optional<std::string> quoted()
    {
        if (!skip('"'))
            return std::nullopt;
        std::string text;
        while (!rest_.empty()) {
            const char c = rest_.front();
            rest_.remove_prefix(1);
            if (c == '"')
                return text;
            if (c != '\\') {
                text += c;
                continue;
            }
            const auto escaped = escape();
            if (!escaped)
                return std::nullopt;
            text += *escaped;
        }
        return std::nullopt;
    }

    // A quoted string or the plain rest of the line, either way the whole rest.
    std::optional<std::string> textToEnd()
    {
        skipBlanks();
        if (!startsWith('"'))
            return std::string(std::exchange(rest_, {}));
        auto text = quoted();
        skipBlanks();
        return atEnd() ? text : std::nullopt;
    }

private:
    // The byte of the escape after a backslash.
    std::optional<char> escape()
    {
        if (rest_.empty())
            return std::nullopt;
        const char c = rest_.front();
        rest_.remove_prefix(1);
        switch (c) {
        case '\\':
        case '"':
            return c;
        case 'r':
            return '\r';
        case 'n':
            return '\n';
        case 't':
            return '\t';
        case 'x': {
            if (rest_.size() < 2)
                return std::nullopt;
            const auto high = hexDigit(rest_[0]);
            const auto low = hexDigit(rest_[1]);
            if (!high || !low)
                return std::nullopt;
            rest_.remove_prefix(2);
            return static_cast<char>(*high * 16 + *low);
        }
        default:
            return std::nullopt;
        }
    }

    std::string_view rest_;
};

// The section name of a "[...]" line.
std::optional<std::string> sectionOf(std::string_view line)
{
    LineReader reader(line);
    reader.skip('[');
    reader.skipBlanks();
    if (!reader.startsWith('"')) {
        const auto rest = reader.rest();
        if (rest.empty() || rest.back() != ']')
            return std::nullopt;
        return std::string(trimmed(rest.substr(0, rest.size() - 1)));
    }
    auto name = reader.quoted();
    reader.skipBlanks();
    if (!reader.skip(']'))
        return std::nullopt;
    reader.skipBlanks();
    return reader.atEnd() ? name : std::nullopt;
}

// The name and text of a "name=value" line.
std::optional<StoreFile::Value> valueOf(std::string_view line)
{
    LineReader reader(line);
    std::optional<std::string> name;
    if (reader.startsWith('"')) {
        name = reader.quoted();
        reader.skipBlanks();
        if (!name || !reader.skip('='))
            return std::nullopt;
    } else {
        name = reader.plainUntil('=');
        if (!name)
            return std::nullopt;
    }
    auto text = reader.textToEnd();
    if (!text)
        return std::nullopt;
    return StoreFile::Value{std::move(*name), std::move(*text)};
}

bool startsAsComment(char c)
{
    return c == ';' || c == '#';
}

bool needsQuotes(std::string_view text)
{
    if (text.empty())
        return false;
    if (isBlank(text.front()) || isBlank(text.back()) || text.front() == '"')
        return true;
    for (const char c : text) {
        if (isControl(c))
            return true;
    }
    return false;
}

bool nameNeedsQuotes(std::string_view name)
{
    return name.empty() || needsQuotes(name) || name.find('=') != std::string_view::npos
        || name.front() == '[' || startsAsComment(name.front());
}

void appendQuoted(std::string& out, std::string_view text)
{
    static constexpr char digits[] = "0123456789ABCDEF";
    out += '"';
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
        case '\\':
        case '"':
            out += '\\';
            out += c;
            break;
        case '\r':
            out += "\\r";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (isControl(c)) {
                out += "\\x";
                out += digits[byte >> 4];
                out += digits[byte & 0xF];
            } else {
                out += c;
            }
        }
    }
    out += '"';
}

void appendName(std::string& out, std::string_view name)
{
    if (nameNeedsQuotes(name))
        appendQuoted(out, name);
    else
        out += name;
}

void appendText(std::string& out, std::string_view text)
{
    if (needsQuotes(text))
        appendQuoted(out, text);
    else
        out += text;
}

} // namespace

StoreFile StoreFile::parse(std::string_view text)
{
    static constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";
    StoreFile file;
    if (text.substr(0, byteOrderMark.size()) == byteOrderMark) {
        text.remove_prefix(byteOrderMark.size());
        file.byteOrderMark_ = true;
    }

    std::optional<std::size_t> section;
    while (!text.empty()) {
        const auto end = text.find('\n');
        const auto rawLine = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        const std::size_t lineNumber = file.lines_.size();
        file.lines_.emplace_back(rawLine);

        const auto line = trimmed(rawLine);
        if (line.empty() || startsAsComment(line.front()))
            continue;
        if (line.front() == '[') {
            const auto name = sectionOf(line);
            section = name ? std::optional(file.sectionIndex(*name)) : std::nullopt;
            if (section)
                file.sectionLastLine_[*section] = lineNumber;
        } else if (section) {
            if (const auto value = valueOf(line)) {
                file.set(*section, value->name, value->text, lineNumber);
                file.sectionLastLine_[*section] = lineNumber;
            }
        }
    }
    return file;
}

namespace {

void appendValueLine(std::string& out, const StoreFile::Value& value)
{
    appendName(out, value.name);
    out += '=';
    appendText(out, value.text);
    out += '\n';
}

} // namespace

std::string StoreFile::format() const
{
    // The values the program added go right after the line that ends their section.
    std::vector<std::size_t> sectionEndingAt(lines_.size(), kNoLine);
    for (std::size_t section = 0; section < sections_.size(); ++section) {
        if (sectionLastLine_[section] != kNoLine)
            sectionEndingAt[sectionLastLine_[section]] = section;
    }
    const auto appendAddedValues = [&](std::string& out, std::size_t section) {
        for (std::size_t value = 0; value < sections_[section].values.size(); ++value) {
            if (valueLines_[section][value] == kNoLine)
                appendValueLine(out, sections_[section].values[value]);
        }
    };

    std::string out = byteOrderMark_ ? "\xEF\xBB\xBF" : "";
    for (std::size_t line = 0; line < lines_.size(); ++line) {
        out += lines_[line];
        out += '\n';
        if (sectionEndingAt[line] != kNoLine)
            appendAddedValues(out, sectionEndingAt[line]);
    }
    for (std::size_t section = 0; section < sections_.size(); ++section) {
        if (sectionLastLine_[section] != kNoLine)
            continue;
        if (out.size() > (byteOrderMark_ ? 3u : 0u))
            out += '\n';
        out += '[';
        appendName(out, sections_[section].name);
        out += "]\n";
        appendAddedValues(out, section);
    }
    return out;
}

const std::string* StoreFile::find(const std::string& section, const std::string& name) const
{
    const auto foundSection = sectionIndices_.find(section);
    if (foundSection == sectionIndices_.end())
        return nullptr;
    const auto index = foundSection->second;
    const auto& values = valueIndices_[index];
    const auto foundValue = values.find(name);
    if (foundValue == values.end())
        return nullptr;
    return &sections_[index].values[foundValue->second].text;
}

void StoreFile::set(const std::string& section, const std::string& name, const std::string& text)
{
    set(sectionIndex(section), name, text);
}

std::size_t StoreFile::sectionIndex(const std::string& section)
{
    const auto [found, added] = sectionIndices_.try_emplace(section, sections_.size());
    if (added) {
        sections_.push_back({section, {}});
        valueIndices_.emplace_back();
        valueLines_.emplace_back();
        sectionLastLine_.push_back(kNoLine);
    }
    return found->second;
}

void StoreFile::set(std::size_t section, const std::string& name, const std::string& text,
                    std::size_t line)
{
    auto& values = sections_[section].values;
    const auto [found, added] = valueIndices_[section].try_emplace(name, values.size());
    if (added) {
        values.push_back({name, text});
        valueLines_[section].push_back(line);
        return;
    }
    values[found->second].text = text;
    std::size_t& heldAt = valueLines_[section][found->second];
    if (line != kNoLine) {
        // A name that appears again in the file: the later line is the one that counts.
        heldAt = line;
        return;
    }
    if (heldAt == kNoLine)
        return;
    std::string rewritten;
    appendValueLine(rewritten, values[found->second]);
    rewritten.pop_back();
    lines_[heldAt] = std::move(rewritten);
}
