#include "WideText.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace {

TEST(WideText, WellFormedTextBecomesTheSameCharactersInUtf16)
{
    const struct {
        const char* utf8;
        std::u16string utf16;
    } cases[] = {
        {"", u""},
        {"Calcora 2.01", u"Calcora 2.01"},
        {"Gr\xC3\xB6\xC3\x9F" "e", u"Gr\u00F6\u00DFe"},
        {"\xE6\x95\xB0\xE5\xAD\xA6", u"\u6570\u5B66"},                   // two kanji
        {"\xE2\x82\xAC \xE2\x80\x94", u"\u20AC \u2014"},                  // euro sign, dash
        {"\xF0\x9F\x98\x80", u"\U0001F600"},                             // beyond the BMP: a pair
        {"\xF4\x8F\xBF\xBF", u"\U0010FFFF"},                             // the last code point
        {"\xEF\xBF\xBD", u"\uFFFD"},
        {"C:\\Program Files\\Calcora\\bg.bmp", u"C:\\Program Files\\Calcora\\bg.bmp"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.utf8);
        EXPECT_EQ(utf16FromUtf8(c.utf8), c.utf16);
        EXPECT_EQ(utf8FromUtf16(c.utf16), c.utf8);
    }
    EXPECT_EQ(utf16FromUtf8(std::string("a\0b", 3)), std::u16string(u"a\0b", 3));
}

TEST(WideText, BytesThatAreNotUtf8TravelAsLoneSurrogatesAndComeBack)
{
    const struct {
        const char* what;
        std::string bytes;
        std::u16string utf16;
    } cases[] = {
        {"Latin-1", "caf\xE9", u"caf\xDCE9"},
        {"a lone continuation byte", "\x80", u"\xDC80"},
        {"an overlong slash", "\xC0\xAF", u"\xDCC0\xDCAF"},
        {"an overlong three-byte form", "\xE0\x80\xAF", u"\xDCE0\xDC80\xDCAF"},
        {"an encoded surrogate", "\xED\xA0\x80", u"\xDCED\xDCA0\xDC80"},
        {"beyond U+10FFFF", "\xF4\x90\x80\x80", u"\xDCF4\xDC90\xDC80\xDC80"},
        {"a byte no UTF-8 uses", "\xFF", u"\xDCFF"},
        {"a sequence cut short", "ab\xE6\x95", u"ab\xDCE6\xDC95"},
        {"a cut sequence before good text", "\xE6\x95" "a\xC3\xA9", u"\xDCE6\xDC95" u"a\u00E9"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(utf16FromUtf8(c.bytes), c.utf16);
        EXPECT_EQ(utf8FromUtf16(utf16FromUtf8(c.bytes)), c.bytes);
    }
}

TEST(WideText, AnyBytesAtAllComeBackExactly)
{
    std::mt19937 random(20);
    std::uniform_int_distribution<int> length(0, 40), byte(0, 255), kind(0, 3);
    for (int round = 0; round < 20000; ++round) {
        // Mostly bytes near UTF-8's edges, so that well-formed and broken sequences mix.
        std::string bytes;
        for (int i = length(random); i > 0; --i) {
            const int k = kind(random);
            bytes += static_cast<char>(k == 0 ? byte(random) : k == 1 ? 0x80 + byte(random) % 64
                                                : k == 2 ? 0xC0 + byte(random) % 64 : 'a');
        }
        ASSERT_EQ(utf8FromUtf16(utf16FromUtf8(bytes)), bytes) << round;
    }
}

TEST(WideText, ALoneSurrogateFromElsewhereReadsAsTheReplacementCharacter)
{
    EXPECT_EQ(utf8FromUtf16(u"a\xD800" u"b"), "a\xEF\xBF\xBD" "b");
    EXPECT_EQ(utf8FromUtf16(u"\xDC00"), "\xEF\xBF\xBD") << "below the escaped bytes";
    EXPECT_EQ(utf8FromUtf16(u"\xDFFF"), "\xEF\xBF\xBD") << "above them";
    EXPECT_EQ(utf8FromUtf16(u"\xD83D"), "\xEF\xBF\xBD") << "half a pair at the end";
    EXPECT_EQ(utf8FromUtf16(u"\xD83D\xD83D\xDE00"), "\xEF\xBF\xBD\xF0\x9F\x98\x80");
}

} // namespace
