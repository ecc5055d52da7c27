#include "IntegerText.h"

#include "AppError.h"

#include <string_view>

namespace {

char lowered(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

int digitValue(char c, int base)
{
    int value = base;
    if (c >= '0' && c <= '9')
        value = c - '0';
    else if (c >= 'a' && c <= 'f')
        value = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        value = c - 'A' + 10;
    return value < base ? value : -1;
}

} // namespace

std::optional<std::int32_t> TryStrToInt(const std::string& wholeText)
{
    const std::string_view text = wholeText;
    std::size_t at = 0;
    while (at < text.size() && (text[at] == ' ' || text[at] == '\t'))
        ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '-' || text[at] == '+'))
        negative = text[at++] == '-';
    int base = 10;
    if (at < text.size() && (text[at] == '$' || lowered(text[at]) == 'x')) {
        base = 16;
        ++at;
    } else if (text.substr(at, 2) == "0x" || text.substr(at, 2) == "0X") {
        base = 16;
        at += 2;
    }
    if (at == text.size())
        return std::nullopt;
    const std::uint64_t limit = base == 16 ? 0xFFFFFFFFull : (negative ? 0x80000000ull : 0x7FFFFFFFull);
    std::uint64_t value = 0;
    for (; at < text.size(); ++at) {
        const int digit = digitValue(text[at], base);
        if (digit < 0)
            return std::nullopt;
        value = value * static_cast<unsigned>(base) + static_cast<unsigned>(digit);
        if (value > limit)
            return std::nullopt;
    }
    const auto bits = static_cast<std::uint32_t>(negative ? 0 - value : value);
    return static_cast<std::int32_t>(bits);
}

std::int32_t StrToInt(const std::string& text)
{
    if (const auto value = TryStrToInt(text))
        return *value;
    throw AppError("'" + text + "' is not a valid integer value");
}
