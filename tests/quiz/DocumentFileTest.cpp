#include "AppError.h"
#include "DocumentFile.h"
#include "ProgramPaths.h"
#include "TemporaryFolder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace {

std::string contentOf(const std::string& path)
{
    std::ifstream file(fileSystemPath(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

TEST(DocumentFile, WritesEveryByteAsGivenAndReplacesTheOldFileWhole)
{
    const TemporaryFolder folder;
    const std::string path = folder.write("Quiz \xC3\xBC.html", std::string(1000, 'o'));
    // Line ends stay as the document has them, on Windows too.
    const char bytes[] = "<p>1 + 2 = ?</p>\r\n3\n\0\xFF end";
    const std::string document(bytes, sizeof bytes - 1);
    writeDocumentFile(path, document);
    EXPECT_EQ(contentOf(path), document);

    writeDocumentFile(path, "");
    EXPECT_EQ(contentOf(path), "");
}

TEST(DocumentFile, AFileThatCannotBeMadeNamesItsPath)
{
    const TemporaryFolder folder;
    const std::string path = folder.filePath("no such folder") + kPathSeparator + "quiz.txt";
    try {
        writeDocumentFile(path, "text");
        FAIL() << "written";
    } catch (const AppError& error) {
        EXPECT_EQ(error.message(), "Cannot create file " + path);
    }
}

} // namespace
