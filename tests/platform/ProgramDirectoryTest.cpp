#include "ProgramDirectory.h"

#include <QCoreApplication>
#include <QDir>

#include <gtest/gtest.h>

namespace {

TEST(ProgramDirectory, IsTheFolderOfTheRunningExecutable)
{
    const QString expected = QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
    EXPECT_EQ(programDirectory(), expected.toStdString());
    EXPECT_EQ(programFile("bg.bmp"), expected.toStdString() + kPathSeparator + "bg.bmp");
}

TEST(ProgramDirectory, FileExistsOnlyForFiles)
{
    EXPECT_TRUE(fileExists(QCoreApplication::applicationFilePath().toStdString()));
    EXPECT_FALSE(fileExists(programDirectory())) << "a folder is no file";
    EXPECT_FALSE(fileExists(programFile("no such file.wav")));
    EXPECT_FALSE(fileExists(""));
}

} // namespace
