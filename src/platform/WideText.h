#pragma once

#include <string>
#include <string_view>

// The program keeps its texts as UTF-8; Windows keeps its own as UTF-16. Texts cross between
// the two here, and only here, never through the 8-bit code page, which cannot hold every
// text: a Japanese name is lost in the Western code page and a German one in the Japanese.
//
// Any bytes come back exactly. A byte that is not part of well-formed UTF-8 (a damaged value,
// a name in some 8-bit code page) becomes one of the lone surrogates U+DC80 to U+DCFF, which
// no well-formed text contains, and turns back into that byte. A lone surrogate that did not
// come from such a byte, which only another program can have stored, reads as U+FFFD.
std::u16string utf16FromUtf8(std::string_view text);
std::string utf8FromUtf16(std::u16string_view text);

#ifdef _WIN32
// The same for the wide strings of the Windows API, whose wchar_t is 16 bits wide.
std::wstring wideFromUtf8(std::string_view text);
std::string utf8FromWide(std::wstring_view text);
#endif
