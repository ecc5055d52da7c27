#include "AccessKeys.h"

#include <set>

namespace {

constexpr char32_t kMarker = U'&';

// Letters and digits of the scripts a language pack is likely written in: Latin, Greek and
// Cyrillic. Punctuation, dots and signs make poor keys.
bool canBeKey(char32_t c)
{
    if ((c >= U'0' && c <= U'9') || (c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z'))
        return true;
    if (c == 0xD7 || c == 0xF7)
        return false;
    return (c >= 0xC0 && c <= 0x24F) || (c >= 0x386 && c <= 0x3FF) || (c >= 0x400 && c <= 0x4FF);
}

// Upper and lower case of a letter are one key. Folded here for ASCII and Latin-1; other
// letters compare as written, so at worst two items share a key and the menu cycles between them.
char32_t folded(char32_t c)
{
    if (c >= U'A' && c <= U'Z')
        return c + (U'a' - U'A');
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7)
        return c + 0x20;
    return c;
}

std::u32string markedAt(const std::u32string& caption, std::size_t position)
{
    std::u32string marked = caption;
    marked.insert(position, 1, kMarker);
    return marked;
}

} // namespace

std::optional<char32_t> markedAccessKey(const std::u32string& caption)
{
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != kMarker)
            continue;
        if (caption[i + 1] != kMarker)
            return folded(caption[i + 1]);
        ++i; // "&&" is a plain '&'
    }
    return std::nullopt;
}

std::vector<std::u32string> withAccessKeys(const std::vector<std::u32string>& captions)
{
    std::set<char32_t> taken;
    for (const auto& caption : captions) {
        if (const auto key = markedAccessKey(caption))
            taken.insert(*key);
    }

    std::vector<std::u32string> keyed;
    for (const auto& caption : captions) {
        if (markedAccessKey(caption)) {
            keyed.push_back(caption);
            continue;
        }
        const auto free = [&](std::size_t i) { return canBeKey(caption[i]) && !taken.count(folded(caption[i])); };
        const auto wordStart = [&](std::size_t i) { return i == 0 || !canBeKey(caption[i - 1]); };
        std::optional<std::size_t> chosen;
        for (std::size_t i = 0; i < caption.size() && !chosen; ++i) {
            if (free(i) && wordStart(i))
                chosen = i;
        }
        for (std::size_t i = 0; i < caption.size() && !chosen; ++i) {
            if (free(i))
                chosen = i;
        }
        if (!chosen) {
            keyed.push_back(caption);
            continue;
        }
        taken.insert(folded(caption[*chosen]));
        keyed.push_back(markedAt(caption, *chosen));
    }
    return keyed;
}
