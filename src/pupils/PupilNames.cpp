#include "PupilNames.h"

#include "ConfigNames.h"

#include <algorithm>

namespace {

// Characters of UTF-8 text: every byte but a continuation byte starts one. Bytes that are no
// UTF-8 count one each.
std::size_t characters(std::string_view text)
{
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

bool hasControlCharacter(std::string_view text)
{
    return std::any_of(text.begin(), text.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 || byte == 0x7F;
    });
}

std::string_view trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

} // namespace

std::optional<std::string> acceptedPupilName(std::string_view name, const std::vector<std::string>& others)
{
    const std::string_view kept = trimmed(name);
    const std::size_t length = characters(kept);
    if (length < 1 || length > kLongestPupilName || hasControlCharacter(kept))
        return std::nullopt;
    if (std::find(others.begin(), others.end(), kept) != others.end())
        return std::nullopt;
    return std::string(kept);
}

std::string pupilListText(const std::vector<std::string>& names)
{
    std::string text;
    for (const std::string& name : names)
        text += (text.empty() ? "" : "\n") + name;
    return text;
}

std::vector<std::string> parsePupilList(std::string_view text)
{
    std::vector<std::string> names;
    while (!text.empty()) {
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (line.ends_with('\r'))
            line.remove_suffix(1); // a list typed on Windows
        if (const auto name = acceptedPupilName(line, names))
            names.push_back(*name);
        if (end == std::string_view::npos)
            break;
        text.remove_prefix(end + 1);
    }
    return names;
}

TotalPlace totalPlace(const std::string& pupil, const char* total)
{
    if (pupil.empty())
        return {config::kStats, total};
    return {config::kPupilTotals, pupil + " " + total};
}
