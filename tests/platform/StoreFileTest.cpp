#include "StoreFile.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

using namespace std::string_literals;

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
