#include "WideText.h"

#include <cstdint>

namespace {

constexpr char32_t kReplacement = 0xFFFD;
constexpr char16_t kEscapedByteBase = 0xDC00; // a byte 0x80..0xFF becomes U+DC80..U+DCFF

bool isContinuation(unsigned char byte, unsigned char low = 0x80, unsigned char high = 0xBF)
{
    return byte >= low && byte <= high;
}

// The length of the well-formed UTF-8 sequence at the start of `text`, or 0 when there is
// none. The lower and upper bounds of the second byte rule out overlong forms, surrogates
// and code points beyond U+10FFFF.
std::size_t sequenceLength(std::string_view text)
{
    const auto byte = [&](std::size_t at) { return static_cast<unsigned char>(text[at]); };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (text.size() < length || !isContinuation(byte(1), low, high))
        return 0;
    for (std::size_t at = 2; at < length; ++at) {
        if (!isContinuation(byte(at)))
            return 0;
    }
    return length;
}

char32_t decode(std::string_view sequence)
{
    const auto lead = static_cast<unsigned char>(sequence[0]);
    if (sequence.size() == 1)
        return lead;
    char32_t point = lead & (0x7F >> sequence.size());
    for (std::size_t at = 1; at < sequence.size(); ++at)
        point = point << 6 | (static_cast<unsigned char>(sequence[at]) & 0x3F);
    return point;
}

void appendUtf16(std::u16string& out, char32_t point)
{
    if (point < 0x10000) {
        out += static_cast<char16_t>(point);
        return;
    }
    point -= 0x10000;
    out += static_cast<char16_t>(0xD800 + (point >> 10));
    out += static_cast<char16_t>(0xDC00 + (point & 0x3FF));
}

void appendUtf8(std::string& out, char32_t point)
{
    if (point < 0x80) {
        out += static_cast<char>(point);
    } else if (point < 0x800) {
        out += static_cast<char>(0xC0 | point >> 6);
        out += static_cast<char>(0x80 | (point & 0x3F));
    } else if (point < 0x10000) {
        out += static_cast<char>(0xE0 | point >> 12);
        out += static_cast<char>(0x80 | (point >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (point & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | point >> 18);
        out += static_cast<char>(0x80 | (point >> 12 & 0x3F));
        out += static_cast<char>(0x80 | (point >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (point & 0x3F));
    }
}

bool isHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool isLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }
bool isEscapedByte(char16_t unit) { return unit >= kEscapedByteBase + 0x80 && unit <= kEscapedByteBase + 0xFF; }

} // namespace

std::u16string utf16FromUtf8(std::string_view text)
{
    std::u16string out;
    out.reserve(text.size());
    while (!text.empty()) {
        const std::size_t length = sequenceLength(text);
        if (length == 0) {
            out += static_cast<char16_t>(kEscapedByteBase + static_cast<unsigned char>(text[0]));
            text.remove_prefix(1);
            continue;
        }
        appendUtf16(out, decode(text.substr(0, length)));
        text.remove_prefix(length);
    }
    return out;
}

std::string utf8FromUtf16(std::u16string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t at = 0; at < text.size(); ++at) {
        const char16_t unit = text[at];
        if (isHighSurrogate(unit) && at + 1 < text.size() && isLowSurrogate(text[at + 1])) {
            appendUtf8(out, 0x10000 + ((char32_t{unit} - 0xD800) << 10) + (text[at + 1] - 0xDC00));
            ++at;
        } else if (isEscapedByte(unit)) {
            out += static_cast<char>(unit - kEscapedByteBase);
        } else if (isHighSurrogate(unit) || isLowSurrogate(unit)) {
            appendUtf8(out, kReplacement);
        } else {
            appendUtf8(out, unit);
        }
    }
    return out;
}

#ifdef _WIN32

static_assert(sizeof(wchar_t) == sizeof(char16_t));

std::wstring wideFromUtf8(std::string_view text)
{
    const std::u16string utf16 = utf16FromUtf8(text);
    return std::wstring(utf16.begin(), utf16.end());
}

std::string utf8FromWide(std::wstring_view text)
{
    return utf8FromUtf16(std::u16string(text.begin(), text.end()));
}

#endif
