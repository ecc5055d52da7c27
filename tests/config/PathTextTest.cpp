#include "FileNameCase.h"
#include "PathText.h"
#include "ProgramPaths.h"
#include "TemporaryFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

TEST(PathText, LowerCaseChangesOnlyTheLettersAToZ)
{
    EXPECT_EQ(lowerCaseLetters("C:\\Program Files\\CALCORA\\Bg.BMP"), "c:\\program files\\calcora\\bg.bmp");
    EXPECT_EQ(lowerCaseLetters("AZaz@[`{09"), "azaz@[`{09");
    EXPECT_EQ(lowerCaseLetters("\xC3\x84RGER \xC4\xD6"), "\xC3\x84rger \xC4\xD6") << "UTF-8 and Latin-1 letters stay";
    EXPECT_EQ(lowerCaseLetters(""), "");
}

TEST(PathText, TheFileNameIsWhatFollowsTheLastSeparator)
{
    EXPECT_EQ(fileNamePart("/opt/calcora/wind.wav", '/'), "wind.wav");
    EXPECT_EQ(fileNamePart("C:\\Calcora\\Next Sound.wav", '\\'), "Next Sound.wav");
    EXPECT_EQ(fileNamePart("C:\\Calcora\\next.wav", '/'), "C:\\Calcora\\next.wav") << "only the given separator counts";
    EXPECT_EQ(fileNamePart("wind.wav", '/'), "wind.wav");
    EXPECT_EQ(fileNamePart("/opt/calcora/", '/'), "");
    EXPECT_EQ(fileNamePart("", '/'), "");
}

TEST(FileNameCase, TheRuleIsTheFileSystemsUntilATestSetsTheOther)
{
    const TemporaryFolder folder;
    folder.write("Probe.TXT", "x");
    const bool systemIgnoresCase = std::filesystem::exists(fileSystemPath(folder.filePath("probe.txt")));
    EXPECT_EQ(fileNamesIgnoreCase(), systemIgnoresCase);

    EXPECT_EQ(setFileNamesIgnoreCase(!systemIgnoresCase), systemIgnoresCase);
    EXPECT_EQ(fileNamesIgnoreCase(), !systemIgnoresCase);
    EXPECT_EQ(setFileNamesIgnoreCase(systemIgnoresCase), !systemIgnoresCase);
}

} // namespace
