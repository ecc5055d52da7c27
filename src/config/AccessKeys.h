#pragma once

#include <optional>
#include <string>
#include <vector>

// Access keys of a menu's items, the underlined letters that choose an item from the keyboard.
// A caption marks its key with '&' before it; "&&" stands for a plain '&'.

// The key a caption marks, in lower case where letters have a lower case; none when it marks
// none.
std::optional<char32_t> markedAccessKey(const std::u32string& caption);

// The captions with a key marked in each caption that marks none: the first letter or digit
// that no other caption of the menu uses, the beginnings of words before the rest. Keys the
// captions mark themselves are kept. A caption whose every letter is taken stays unmarked.
std::vector<std::u32string> withAccessKeys(const std::vector<std::u32string>& captions);
