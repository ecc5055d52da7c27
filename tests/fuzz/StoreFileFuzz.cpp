// The store file: any text reads as something that writes back and reads again the same, a
// text the program wrote is read back exactly, and writing keeps every line it did not change.

#include "FuzzTargets.h"
#include "StoreFile.h"

#include <string>
#include <string_view>

namespace {

// Splits the input into texts at NUL bytes, so that one input gives section names, value names
// and values of any other bytes.
std::vector<std::string> textsOf(std::string_view input)
{
    std::vector<std::string> texts(1);
    for (const char c : input) {
        if (c == '\0')
            texts.emplace_back();
        else
            texts.back() += c;
    }
    return texts;
}

} // namespace

void fuzzStoreFile(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);

    // Read as a file someone edited.
    StoreFile read = StoreFile::parse(input);
    const std::string written = read.format();
    const StoreFile again = StoreFile::parse(written);
    fuzzCheck(again.sections() == read.sections(), "a file reads back as it was read");
    fuzzCheck(again.format() == written, "writing what was read changes nothing");

    // Values the program sets, of any bytes, into that same file.
    const auto texts = textsOf(input);
    for (std::size_t at = 0; at + 2 < texts.size(); at += 3)
        read.set(texts[at], texts[at + 1], texts[at + 2]);
    const StoreFile changed = StoreFile::parse(read.format());
    for (std::size_t at = 0; at + 2 < texts.size(); at += 3) {
        const std::string* found = changed.find(texts[at], texts[at + 1]);
        // A later triple may have set the same value again; the last one counts.
        std::string expected = texts[at + 2];
        for (std::size_t later = at + 3; later + 2 < texts.size(); later += 3) {
            if (texts[later] == texts[at] && texts[later + 1] == texts[at + 1])
                expected = texts[later + 2];
        }
        fuzzCheck(found && *found == expected, "a value set reads back exactly");
    }
}
