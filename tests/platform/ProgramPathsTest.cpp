#include "ProgramPaths.h"
#include "TemporaryFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

TEST(ProgramPaths, TheProgramsFolderIsAllBeforeTheLastSeparatorButARootKeepsIt)
{
    const struct {
        const char* programFile;
        char separator;
        const char* folder;
    } cases[] = {
        {"/opt/calcora/calcora", '/', "/opt/calcora"},
        {"/calcora", '/', "/"},
        {"calcora", '/', ""},
        {"C:\\Program Files\\Calcora\\calcora.exe", '\\', "C:\\Program Files\\Calcora"},
        {"C:\\calcora.exe", '\\', "C:\\"},
        {"\\\\server\\share\\calcora.exe", '\\', "\\\\server\\share"},
        {"C:\\Calcora\\calcora.exe", '/', ""},
        {"/opt/calcora/calcora", '\\', ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.programFile);
        EXPECT_EQ(programDirectoryOf(c.programFile, c.separator), c.folder);
    }
}

TEST(ProgramPaths, AFileJoinsItsFolderWithThisPlatformsSeparator)
{
    EXPECT_EQ(joinProgramPath("Calcora", "bg.bmp"), std::string("Calcora") + kPathSeparator + "bg.bmp");
    const std::string root(1, kPathSeparator);
    EXPECT_EQ(joinProgramPath(root, "bg.bmp"), root + root + "bg.bmp") << "a root folder doubles it";
}

TEST(ProgramPaths, OnlyAPlainFileExistsWhateverLettersItsPathHolds)
{
    const TemporaryFolder folder;
    const std::string picture = folder.write("Gr\xC3\xB6\xC3\x9F" "e \xE6\x95\xB0\xE5\xAD\xA6.bmp", "BM");
    EXPECT_TRUE(fileExists(picture));
    EXPECT_EQ(std::filesystem::file_size(fileSystemPath(picture)), 2u) << "the name reached the file system as written";
    EXPECT_FALSE(fileExists(folder.path())) << "a folder is no file";
    EXPECT_FALSE(fileExists(folder.filePath("missing.wav")));
    EXPECT_FALSE(fileExists(""));
}

} // namespace
