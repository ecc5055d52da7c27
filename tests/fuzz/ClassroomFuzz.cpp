// What comes from the store by hand and from the class database: the list of pupils' names, and
// the arrays of a fact's last presses that the server gives.

#include "ClassRules.h"
#include "FuzzTargets.h"
#include "PupilNames.h"

#include <string>
#include <string_view>

void fuzzPupilList(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> names = parsePupilList(text);
    std::vector<std::string> before;
    for (const std::string& name : names) {
        fuzzCheck(acceptedPupilName(name, before) == name, "every name read is a name, unlike the ones before it");
        before.push_back(name);
    }
    fuzzCheck(parsePupilList(pupilListText(names)) == names, "the list kept reads back as it was");
}

void fuzzServerPresses(const std::uint8_t* data, std::size_t size)
{
    // Four arrays, one per line: right or wrong, milliseconds, marks and days.
    std::string_view text(reinterpret_cast<const char*>(data), size);
    std::string_view arrays[4];
    for (std::string_view& array : arrays) {
        const auto end = text.find('\n');
        array = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    const auto presses = serverPresses(arrays[0], arrays[1], arrays[2], arrays[3]);
    if (!presses)
        return;
    const FactState state = factStateOf(static_cast<int>(presses->size()), *presses, false);
    fuzzCheck(state.asked == static_cast<int>(presses->size()), "every press is counted");
    masteryOf(state);
}
