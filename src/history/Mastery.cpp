#include "Mastery.h"

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <set>

namespace {

constexpr std::size_t kRecentTries = 3;

// The tries that count for fluency: the last three, whatever a hand-made state holds.
std::vector<FactState::Try> lastTries(const std::vector<FactState::Try>& recent)
{
    const std::size_t skipped = recent.size() > kRecentTries ? recent.size() - kRecentTries : 0;
    return {recent.begin() + static_cast<std::ptrdiff_t>(skipped), recent.end()};
}

bool isFluentNow(const std::vector<FactState::Try>& recent)
{
    int fast = 0;
    std::set<Day> fastDays;
    for (const FactState::Try& attempt : lastTries(recent)) {
        if (attempt.press == FirstPress::Fast) {
            ++fast;
            fastDays.insert(attempt.day);
        }
    }
    return fast >= 2 && fastDays.size() >= 2;
}

char pressLetter(FirstPress press)
{
    switch (press) {
    case FirstPress::Fast: return 'F';
    case FirstPress::Slow: return 'S';
    default: return 'M';
    }
}

std::optional<FirstPress> pressOfLetter(char letter)
{
    switch (letter) {
    case 'F': return FirstPress::Fast;
    case 'S': return FirstPress::Slow;
    case 'M': return FirstPress::Missed;
    default: return std::nullopt;
    }
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// One try as recentText writes it, "F:20431", filling all of `word`; nothing otherwise.
std::optional<FactState::Try> parseTry(std::string_view word)
{
    if (word.size() < 3 || word[1] != ':')
        return std::nullopt;
    const std::optional<FirstPress> press = pressOfLetter(word[0]);
    Day day = 0;
    const char* end = word.data() + word.size();
    const auto [stop, error] = std::from_chars(word.data() + 2, end, day);
    if (!press || error != std::errc{} || stop != end)
        return std::nullopt;
    return FactState::Try{*press, day};
}

} // namespace

FluencyMark fluencyMarkOf(std::optional<std::int32_t> stored)
{
    for (const FluencyMark mark : kFluencyMarks) {
        if (stored == static_cast<std::int32_t>(mark))
            return mark;
    }
    return FluencyMark::Default;
}

FirstPress judgeFirstPress(bool correct, std::int64_t milliseconds, std::int64_t markMilliseconds)
{
    if (!correct)
        return FirstPress::Missed;
    return milliseconds <= markMilliseconds ? FirstPress::Fast : FirstPress::Slow;
}

FactState afterFirstPress(FactState state, FirstPress press, Day day)
{
    // A box out of range (a damaged history) counts as the nearest one.
    const int box = std::clamp(state.box, 0, kBoxes);
    switch (press) {
    case FirstPress::Fast: state.box = box == 0 ? 2 : std::min(box + 1, kBoxes); break;
    case FirstPress::Slow: state.box = std::max(box, 1); break;
    case FirstPress::Missed: state.box = 1; break;
    }
    state.due = day + kBoxDays[state.box - 1];
    ++state.asked;
    if (press != FirstPress::Missed)
        ++state.rightFirst;
    state.recent.push_back({press, day});
    state.recent = lastTries(state.recent);
    state.everFluent = state.everFluent || isFluentNow(state.recent);
    return state;
}

Mastery masteryOf(const FactState& state)
{
    if (state.asked == 0 && state.recent.empty())
        return Mastery::New;
    if (isFluentNow(state.recent))
        return Mastery::Fluent;
    if (state.everFluent)
        return Mastery::Slipping;
    if (!state.recent.empty() && state.recent.back().press == FirstPress::Slow)
        return Mastery::Slow;
    return Mastery::Learning;
}

std::string recentText(const std::vector<FactState::Try>& recent)
{
    std::string text;
    for (const FactState::Try& attempt : recent) {
        if (!text.empty())
            text += ' ';
        text += pressLetter(attempt.press);
        text += ':';
        text += std::to_string(attempt.day);
    }
    return text;
}

// Reads word by word and stops at the first word that is not a try, or after the third.
std::vector<FactState::Try> parseRecent(std::string_view text)
{
    std::vector<FactState::Try> recent;
    while (recent.size() < kRecentTries) {
        while (!text.empty() && isBlank(text.front()))
            text.remove_prefix(1);
        std::size_t length = 0;
        while (length < text.size() && !isBlank(text[length]))
            ++length;
        const std::optional<FactState::Try> attempt = parseTry(text.substr(0, length));
        if (!attempt)
            break;
        recent.push_back(*attempt);
        text.remove_prefix(length);
    }
    return recent;
}
