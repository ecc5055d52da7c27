#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// The store file: sections of named text values, kept in the order they appear.
//
// How the file reads, for anyone who edits it by hand:
//
//     [Interface]
//     Play Sounds=Yes
//     Background Image=/opt/calcora/bg.bmp
//
//     [Stats]
//     Correct=12
//
// - "[Section]" starts a section; each "Name=Value" line below it is one value of it.
// - Spaces and tabs at both ends of a line, inside the brackets and around the first "=" are
//   ignored. Apart from that, text is taken exactly as written, backslashes included.
// - Empty lines and lines starting with ";" or "#" are comments.
// - Text that starts with a double quote runs to the next unescaped double quote; inside it
//   \\ \" \r \n \t and \xHH (two hex digits) stand for a backslash, a quote, a carriage
//   return, a line feed, a tab and the byte HH. The program writes a name or value in quotes
//   only when it would not read back exactly otherwise: when it is empty (names only), has a
//   space or tab at either end, holds a control character or starts with a quote; a section
//   or value name also when it holds "=" or starts with "[", ";" or "#". All other bytes,
//   UTF-8 or not, are written as they are.
// - A line that cannot be read (no "=", a broken quote, text after a closing quote or ']') is
//   skipped, and so are values before the first section and below an unreadable section line.
//   A section that appears twice is one section; of a name that appears twice the last wins.
// - Writing keeps the file as the user left it: comments, blank lines, skipped lines and values
//   that did not change stay exactly where and as they were. A changed value is rewritten in
//   its place; a new value goes after the last value of its section, a new section at the end.
class StoreFile {
public:
    struct Value {
        std::string name;
        std::string text;
        bool operator==(const Value&) const = default;
    };
    struct Section {
        std::string name;
        std::vector<Value> values;
        bool operator==(const Section&) const = default;
    };

    // Reads as much of the text as makes sense; never fails.
    static StoreFile parse(std::string_view text);
    std::string format() const;

    // The value's text, or null when the section or the value does not exist.
    const std::string* find(const std::string& section, const std::string& name) const;
    void set(const std::string& section, const std::string& name, const std::string& text);

    const std::vector<Section>& sections() const { return sections_; }

private:
    static constexpr std::size_t kNoLine = static_cast<std::size_t>(-1);

    std::size_t sectionIndex(const std::string& section);
    // Sets the value; `line` is where the file holds it (kNoLine: a value set by the program).
    void set(std::size_t section, const std::string& name, const std::string& text,
             std::size_t line = kNoLine);

    bool byteOrderMark_ = false;
    // Every line as read, without its line feed; a value the program changes is rewritten here.
    std::vector<std::string> lines_;
    std::vector<Section> sections_;
    // Per section: the line of its last header or value (kNoLine for a section the program
    // added), and per value: the line that holds it (kNoLine for a value the program added).
    std::vector<std::size_t> sectionLastLine_;
    std::vector<std::vector<std::size_t>> valueLines_;
    // Where each section sits in sections_, and each value in its section's values: a file
    // damaged into many thousand lines still reads in linear time.
    std::unordered_map<std::string, std::size_t> sectionIndices_;
    std::vector<std::unordered_map<std::string, std::size_t>> valueIndices_;
};
