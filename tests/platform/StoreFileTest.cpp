#include "StoreFile.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <random>
#include <string>
#include <vector>

using namespace std::string_literals;

// A value in a failure message as its name and text rather than its bytes.
static void PrintTo(const StoreFile::Value& value, std::ostream* out)
{
    *out << testing::PrintToString(value.name) << '=' << testing::PrintToString(value.text);
}

namespace {

StoreFile readBack(const StoreFile& file)
{
    return StoreFile::parse(file.format());
}

// Bytes that the format treats specially come up far more often than chance would have them.
std::string awkwardText(std::mt19937& random)
{
    static const auto special = " \t\r\n\0\x01\x7F\"\\=[];#/xX0\xC3\xBC\xFF"s;
    std::string text(random() % 10, '\0');
    for (auto& c : text)
        c = random() % 2 ? special[random() % special.size()] : static_cast<char>(random());
    return text;
}

} // namespace

TEST(StoreFile, WritesOrdinaryValuesAsTheyAre)
{
    StoreFile file;
    file.set("Interface", "Caption", "Calcora 2.01");
    file.set("Interface", "Play Sounds", "Yes");
    file.set("Interface", "Background Image", "/opt/calcora/bg.bmp");
    file.set("Interface", "Sound1", "C:\\x\\wind.wav");
    file.set("Interface", "Text Foreground Color", "$00FFFFFF");
    file.set("Interface", "Language Pack", "/home/j\xC3\xBCrgen/deutsch.lng");
    file.set("Interface", "URL", "");
    file.set("Stats", "Correct", "0");
    file.set("Interface", "Play Sounds", "No");

    EXPECT_EQ(file.format(),
              "[Interface]\n"
              "Caption=Calcora 2.01\n"
              "Play Sounds=No\n"
              "Background Image=/opt/calcora/bg.bmp\n"
              "Sound1=C:\\x\\wind.wav\n"
              "Text Foreground Color=$00FFFFFF\n"
              "Language Pack=/home/j\xC3\xBCrgen/deutsch.lng\n"
              "URL=\n"
              "\n"
              "[Stats]\n"
              "Correct=0\n");
}

TEST(StoreFile, QuotesOnlyWhatWouldNotReadBack)
{
    StoreFile file;
    file.set(" Padded ", "", "two\nlines");
    file.set(" Padded ", "a=b", "\"quoted\" at the start");
    file.set(" Padded ", "#not a comment", "tab\tnul\x00 end \\"s);

    EXPECT_EQ(file.format(),
              "[\" Padded \"]\n"
              "\"\"=\"two\\nlines\"\n"
              "\"a=b\"=\"\\\"quoted\\\" at the start\"\n"
              "\"#not a comment\"=\"tab\\tnul\\x00 end \\\\\"\n");
}

TEST(StoreFile, ReadsAFileEditedByHand)
{
    const auto file = StoreFile::parse("\xEF\xBB\xBF[ Interface ]\r\n"
                                       "; written by hand\r\n"
                                       "\r\n"
                                       "  URL = http://example.org/update/  \r\n"
                                       "Caption=\"  spaced  \"\n"
                                       "# Caption=commented out\n"
                                       "Sound1=C:\\x\\wind.wav\n"
                                       "Empty=");

    const StoreFile::Section expected{"Interface",
                                      {{"URL", "http://example.org/update/"},
                                       {"Caption", "  spaced  "},
                                       {"Sound1", "C:\\x\\wind.wav"},
                                       {"Empty", ""}}};
    EXPECT_EQ(file.sections(), std::vector{expected});
}

TEST(StoreFile, SkipsDamagedLinesAndReadsTheRest)
{
    const auto file = StoreFile::parse("orphan=before any section\n"
                                       "[Interface]\n"
                                       "Caption=first\n"
                                       "a line without an equals sign\n"
                                       "\"unterminated=1\n"
                                       "\"bad \\q escape\"=2\n"
                                       "Sound1=\"unterminated value\n"
                                       "Sound2=\"closed\" and more\n"
                                       "[Broken\n"
                                       "lost=under a broken section line\n"
                                       "[Stats] trailing\n"
                                       "lost=under a section line with text after it\n"
                                       "[Interface]\n"
                                       "Caption=last\n"
                                       "Sound3=\"C:\\\\x\"\n"
                                       "\x01\xFF\x00garbage=\xFE\n"s);

    const StoreFile::Section expected{
        "Interface",
        {{"Caption", "last"}, {"Sound3", "C:\\x"}, {"\x01\xFF\x00garbage"s, "\xFE"}}};
    EXPECT_EQ(file.sections(), std::vector{expected});
    EXPECT_EQ(file.find("Interface", "lost"), nullptr);
    EXPECT_EQ(file.find("Stats", "lost"), nullptr);
}

TEST(StoreFile, ReadsHexEscapesInEitherCaseAndSkipsBrokenOnes)
{
    const struct {
        std::string line; // below "[S]"
        std::optional<StoreFile::Value> value; // none: the line is skipped
    } cases[] = {
        {R"(v="\x0f")", StoreFile::Value{"v", "\x0f"}},
        {R"(v="\x0F")", StoreFile::Value{"v", "\x0F"}},
        {R"(v="\xaB\xCd\xff")", StoreFile::Value{"v", "\xAB\xCD\xFF"}},
        {R"(v="\x00\x7e!")", StoreFile::Value{"v", "\0~!"s}},
        {R"("\x4a\x4B"=1)", StoreFile::Value{"JK", "1"}},
        {R"(v="\x4")", std::nullopt},
        {R"(v="\x4)", std::nullopt},
        {R"(v="\xg0")", std::nullopt},
        {R"(v="\x0g")", std::nullopt},
        {R"(v="\x")", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        const auto file = StoreFile::parse("[S]\n" + c.line + "\n");
        ASSERT_EQ(file.sections().size(), 1u);
        const auto& values = file.sections().front().values;
        EXPECT_EQ(values, c.value ? std::vector{*c.value} : std::vector<StoreFile::Value>{});
    }
}

TEST(StoreFile, ANewValueGoesAfterTheLastValueOfItsSectionANewSectionAtTheEnd)
{
    const struct {
        const char* what;
        std::string file;
        std::string section; // where "new=2" is set
        std::string written;
    } cases[] = {
        {"a section in the middle", "[A]\na=1\n\n[B]\nb=1\n", "A", "[A]\na=1\nnew=2\n\n[B]\nb=1\n"},
        {"comments and blank lines after the section", "[A]\na=1\n; note\n\n# a=0\n[B]\n", "A",
         "[A]\na=1\nnew=2\n; note\n\n# a=0\n[B]\n"},
        {"a section of no values", "[A]\n; none yet\n[B]\nb=1\n", "A", "[A]\nnew=2\n; none yet\n[B]\nb=1\n"},
        {"a damaged line after the last value", "[A]\na=1\nno equals sign\n", "A",
         "[A]\na=1\nnew=2\nno equals sign\n"},
        {"a section that appears twice", "[A]\na=1\n[B]\nb=1\n[A]\nc=1\n; end\n", "A",
         "[A]\na=1\n[B]\nb=1\n[A]\nc=1\nnew=2\n; end\n"},
        {"its second header without values", "[A]\na=1\n[B]\nb=1\n[A]\n; end\n", "A",
         "[A]\na=1\n[B]\nb=1\n[A]\nnew=2\n; end\n"},
        {"a new section", "[A]\na=1\n; end", "C", "[A]\na=1\n; end\n\n[C]\nnew=2\n"},
        {"a new section in an empty file", "", "C", "[C]\nnew=2\n"},
        {"a new section after the byte order mark alone", "\xEF\xBB\xBF", "C", "\xEF\xBB\xBF[C]\nnew=2\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        auto file = StoreFile::parse(c.file);
        file.set(c.section, "new", "2");
        EXPECT_EQ(file.format(), c.written);
    }
}

TEST(StoreFile, EverySingleByteRoundTripsInEveryPlace)
{
    for (int byte = 0; byte < 256; ++byte) {
        const std::string alone(1, static_cast<char>(byte));
        StoreFile file;
        file.set(alone, alone, alone);
        file.set(" " + alone, alone + " ", "\t" + alone + alone);
        file.set(alone + "x", "x" + alone + "=", "");
        EXPECT_EQ(readBack(file).sections(), file.sections()) << "byte " << byte;
    }
}

TEST(StoreFile, RandomTextsRoundTrip)
{
    std::mt19937 random(2011);
    for (int round = 0; round < 2000; ++round) {
        StoreFile file;
        for (auto values = random() % 8; values > 0; --values)
            file.set(awkwardText(random), awkwardText(random), awkwardText(random));
        ASSERT_EQ(readBack(file).sections(), file.sections()) << file.format();
    }
}

TEST(StoreFile, BinaryNoiseReadsAsSomethingThatRoundTrips)
{
    std::mt19937 random(1983);
    for (int round = 0; round < 300; ++round) {
        std::string noise(random() % 3000, '\0');
        for (auto& c : noise)
            c = random() % 4 ? static_cast<char>(random()) : "[]=\"\\\n"[random() % 6];
        const auto file = StoreFile::parse(noise);
        ASSERT_EQ(readBack(file).sections(), file.sections());
    }
}
