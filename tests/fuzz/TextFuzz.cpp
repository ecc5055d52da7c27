// Texts the program reads from its store and its language pack: the pack's lines, colour texts
// and whole numbers.

#include "AccessKeys.h"
#include "AppError.h"
#include "ColorText.h"
#include "FuzzTargets.h"
#include "IntegerText.h"
#include "LanguagePack.h"

#include <sstream>
#include <string>

void fuzzLanguagePack(const std::uint8_t* data, std::size_t size)
{
    std::istringstream pack(std::string(reinterpret_cast<const char*>(data), size));
    const auto lines = readPackLines(pack, LanguagePack::kUsedLines);
    fuzzCheck(lines.size() <= LanguagePack::kUsedLines, "no more lines than the program uses");
    std::size_t bytes = 0;
    for (const auto& line : lines) {
        fuzzCheck(line.find_first_of(std::string("\r\n\0", 3)) == std::string::npos,
                  "a line holds no line end and no NUL");
        bytes += line.size();
    }
    fuzzCheck(bytes <= size, "the lines come from the file");

    // The main window's menu takes its access keys from pack lines; each byte stands in for a
    // character here.
    std::vector<std::u32string> captions;
    for (const auto& line : lines) {
        std::u32string caption;
        for (const char byte : line)
            caption += static_cast<char32_t>(static_cast<unsigned char>(byte));
        captions.push_back(caption);
    }
    const auto keyed = withAccessKeys(captions);
    fuzzCheck(keyed.size() == captions.size(), "one caption for each item");
    for (std::size_t item = 0; item < keyed.size(); ++item) {
        const bool unchanged = keyed[item] == captions[item];
        fuzzCheck(unchanged || (keyed[item].size() == captions[item].size() + 1 && markedAccessKey(keyed[item])),
                  "a caption gains at most the mark of its key");
    }
}

void fuzzColorText(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    TColor color = 0;
    try {
        color = StringToColor(text);
    } catch (const AppError&) {
        return;
    }
    fuzzCheck(StringToColor(ColorToString(color)) == color, "a colour's text reads back as the colour");
}

void fuzzIntegerText(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const auto number = TryStrToInt(text);
    bool threw = false;
    try {
        fuzzCheck(StrToInt(text) == number.value_or(0) || !number, "both readings agree");
    } catch (const AppError&) {
        threw = true;
    }
    fuzzCheck(threw == !number, "a text that is no number fails, and only that");
    if (number)
        fuzzCheck(TryStrToInt(std::to_string(*number)) == number, "a number's text reads back");
}
