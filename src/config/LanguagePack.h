#pragma once

#include "PackLines.h"

#include <cstddef>
#include <istream>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class ConfigStore;

// The interface texts of one language: a plain 8-bit text file, one text per line, each
// addressed by its line number counted from 0 (see PackLines.h). The program keeps one list,
// which every window reads.
class LanguagePack {
public:
    // Lines every pack has; a pack may have the later ones too (see PackLines.h). Lines after
    // the last the program knows are never read.
    static constexpr std::size_t kUsedLines = 67;
    static constexpr std::size_t kReadLines = kPackLinesKnown;
    // Only the start of a file is read: 67 lines of any real pack fit many times over, and a
    // huge file without line ends cannot fill the memory.
    static constexpr std::size_t kLargestPackRead = 1024 * 1024;

    // Replaces the list by the lines of the file; when the file cannot be opened or is no plain
    // file it throws AppError("Cannot open file <path>") and the list is left as it was.
    void Load(const std::string& path);
    // Empties the list, then loads the pack named by the store's "Language Pack" value.
    void Reload(ConfigStore& store);
    void Clear();

    // Line `index`; an index past the end throws AppError("List index out of bounds (<index>)").
    const std::string& Get(int index) const;
    const std::string& Get(PackLine line) const { return Get(static_cast<int>(line)); }
    int Count() const;

private:
    std::vector<std::string> lines_;
};

// Whether a file's bytes make a pack the program can install and use: every line it uses, and
// not one NUL anywhere, which no text file holds (a picture or a program has them).
bool isUsableLanguagePack(std::string_view bytes);

// Splits a pack into its lines: CR, LF and CR LF each end a line (LF CR is two ends), the
// last line counts without a line end, a NUL ends the text, and at most `maxLines` are kept.
std::vector<std::string> readPackLines(std::istream& in, std::size_t maxLines);
