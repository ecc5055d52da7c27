// The tree `cmake --install` leaves, as a distribution's package would hold it: the program
// folder with the program and its media, the command, the menu entry, the metainfo, the icon
// at every size and the licence, and nothing else.

#include "InstalledTree.h"
#include "PictureRecipes.h"

#include <QImageReader>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>

namespace fs = std::filesystem;

namespace {

enum class Kind {
    CommandLink, // a relative link to the program, so the tree may move as a whole
    Program,     // an executable file
    Module,      // a library the program loads, readable by everyone
    Copy,        // the same bytes as the repository's file
    Icon,        // a copy that is a PNG of the given size
};

struct Expected {
    Kind kind;
    fs::path source; // for copies and icons
    int iconSize = 0;
};

std::string bytesOf(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

// Every path below the DESTDIR that should be there, with what it should be.
std::map<fs::path, Expected> expectedTree()
{
    const std::string id = kAppId;
    std::map<fs::path, Expected> tree{
        {"usr/bin/calcora", {Kind::CommandLink, {}}},
        {"usr/lib/calcora/calcora", {Kind::Program, {}}},
        // Sound, loaded by the program after its first frame.
        {"usr/lib/calcora/calcora_sound.so", {Kind::Module, {}}},
        // The progress window, loaded when it is first opened.
        {"usr/lib/calcora/calcora_progress.so", {Kind::Module, {}}},
        {"usr/share/applications/" + id + ".desktop", {Kind::Copy, "src/app/" + id + ".desktop"}},
        {"usr/share/metainfo/" + id + ".metainfo.xml", {Kind::Copy, "share/metainfo/" + id + ".metainfo.xml"}},
        {"usr/share/doc/calcora/LICENSE", {Kind::Copy, "LICENSE"}},
    };
    // The program folder keeps every file of media/, the icons among them.
    for (const fs::directory_entry& entry : fs::directory_iterator(sourceFile("media"))) {
        const fs::path name = entry.path().filename();
        if (name != "CMakeLists.txt")
            tree["usr/lib/calcora" / name] = {Kind::Copy, "media" / name};
    }
    for (int size : calcora::media::applicationIconSizes) {
        const std::string side = std::to_string(size);
        tree["usr/share/icons/hicolor/" + side + "x" + side + "/apps/" + id + ".png"] =
            {Kind::Icon, "media/calcora-" + side + ".png", size};
    }
    return tree;
}

void checkEntry(const InstalledTree& tree, const fs::path& path, const Expected& expected)
{
    const fs::path installed = tree / path;
    switch (expected.kind) {
    case Kind::CommandLink: {
        ASSERT_TRUE(fs::is_symlink(installed));
        EXPECT_TRUE(fs::read_symlink(installed).is_relative()) << fs::read_symlink(installed);
        EXPECT_EQ(fs::canonical(installed), fs::canonical(tree / "usr/lib/calcora/calcora"));
        break;
    }
    case Kind::Program:
        ASSERT_TRUE(fs::is_regular_file(installed));
        EXPECT_NE(fs::status(installed).permissions() & fs::perms::others_exec, fs::perms::none);
        break;
    case Kind::Module:
        ASSERT_TRUE(fs::is_regular_file(installed));
        EXPECT_NE(fs::status(installed).permissions() & fs::perms::others_read, fs::perms::none);
        break;
    case Kind::Icon: {
        QImageReader reader(QString::fromStdString(installed.string()));
        EXPECT_EQ(reader.format(), "png");
        EXPECT_EQ(reader.size(), QSize(expected.iconSize, expected.iconSize));
        [[fallthrough]];
    }
    case Kind::Copy:
        ASSERT_TRUE(fs::is_regular_file(installed));
        EXPECT_EQ(bytesOf(installed), bytesOf(sourceFile(expected.source))) << "differs from " << expected.source;
        break;
    }
}

TEST(InstalledTree, HoldsTheProgramFolderCommandMenuEntryMetainfoIconsAndLicence)
{
    const InstalledTree tree;
    ASSERT_TRUE(tree.installed()) << tree.log().toStdString();

    const std::map<fs::path, Expected> expected = expectedTree();
    for (const auto& [path, what] : expected) {
        SCOPED_TRACE(path.string());
        ASSERT_TRUE(fs::exists(fs::symlink_status(tree / path))) << "not installed";
        checkEntry(tree, path, what);
    }
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(tree.root())) {
        if (!entry.is_directory()) {
            EXPECT_TRUE(expected.contains(fs::relative(entry.path(), tree.root())))
                << "installed but not expected: " << entry.path();
        }
    }
}

} // namespace
