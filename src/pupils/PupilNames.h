#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The rules of pupils' names, in plain C++: a name has 1 to 40 characters (letters of any
// script count one each), no control character, no blank at either end, and no other pupil
// has it (letter case counts).
inline constexpr std::size_t kLongestPupilName = 40;

// The name as it is kept (blanks at its ends taken off), or nothing when it breaks a rule.
std::optional<std::string> acceptedPupilName(std::string_view name, const std::vector<std::string>& others);

// The names kept in one store value, one per line, and back: in order, each once, any line that
// is no name left out. Lines may also end in CR LF.
std::string pupilListText(const std::vector<std::string>& names);
std::vector<std::string> parsePupilList(std::string_view text);

// Where a total ("Correct" or "Wrong") of right or wrong answers is kept: the program's one
// pair in section Stats while there is no pupil (pupils off, or none chosen), else the pupil's
// own in section "Pupil Totals" ("Ada Correct").
struct TotalPlace {
    std::string section;
    std::string name;
};
TotalPlace totalPlace(const std::string& pupil, const char* total);
