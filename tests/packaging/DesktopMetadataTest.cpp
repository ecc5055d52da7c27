// The menu entry and the metainfo as a desktop and a software centre read them: accepted by
// the freedesktop.org validators, and naming what is really installed and shipped.

#include "InstalledTree.h"
#include "MemoryConfigStore.h"
#include "Startup.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QStandardPaths>
#include <QStyle>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const std::string kDesktopFile = std::string("usr/share/applications/") + kAppId + ".desktop";
const std::string kMetainfoFile = std::string("usr/share/metainfo/") + kAppId + ".metainfo.xml";
// The vendor's site serves share/screenshots/ here.
const QString kScreenshotBase = "https://www.tovik-software.example/calcora/screenshots/";

QString qtPath(const fs::path& path)
{
    return QString::fromStdString(path.string());
}

TEST(MenuEntry, PassesDesktopFileValidate)
{
    const QString validator = QStandardPaths::findExecutable("desktop-file-validate");
    if (validator.isEmpty())
        GTEST_SKIP() << "desktop-file-validate is not installed (Debian package desktop-file-utils)";
    const InstalledTree tree;
    ASSERT_TRUE(tree.installed()) << tree.log().toStdString();
    QString output;
    EXPECT_EQ(runCommand(validator, {qtPath(tree / kDesktopFile)}, output), 0) << output.toStdString();
    // Warnings and hints leave the exit code alone; a desktop may still trip over them.
    EXPECT_TRUE(output.trimmed().isEmpty()) << output.toStdString();
}

TEST(Metainfo, PassesAppstreamValidation)
{
    const QString validator = QStandardPaths::findExecutable("appstreamcli");
    if (validator.isEmpty())
        GTEST_SKIP() << "appstreamcli is not installed (Debian package appstream)";
    const InstalledTree tree;
    ASSERT_TRUE(tree.installed()) << tree.log().toStdString();
    // Strict: the hints too (a missing content rating is only one). The one hint let pass is
    // that the validator does not know the reserved top-level domain "example" of our id.
    const QStringList strict = {"--no-net", "--strict", "--override=cid-maybe-not-rdns=pedantic"};
    QString output;
    EXPECT_EQ(runCommand(validator, QStringList{"validate"} + strict + QStringList{qtPath(tree / kMetainfoFile)}, output), 0)
        << output.toStdString();
    // The tree as a whole: the metainfo beside the menu entry and the icons it finds there.
    EXPECT_EQ(runCommand(validator, QStringList{"validate-tree"} + strict + QStringList{qtPath(tree / "usr")}, output), 0)
        << output.toStdString();
}

// What a software centre reads from the metainfo, and what it names outside itself.
struct Metainfo {
    struct Picture {
        QString url;
        int width = 0;
        int height = 0;
    };
    QString id, launchable, binary, projectLicense;
    std::vector<Picture> screenshots;
};

Metainfo readMetainfo(const fs::path& path)
{
    QFile file(qtPath(path));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path;
    QXmlStreamReader xml(&file);
    Metainfo info;
    QStringList open; // the elements the reader is inside
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement()) {
            open.removeLast();
            continue;
        }
        if (!xml.isStartElement())
            continue;
        const QString element = (open + QStringList{xml.name().toString()}).join('/');
        // readElementText() reads on past the element's end.
        if (element == "component/id")
            info.id = xml.readElementText();
        else if (element == "component/launchable")
            info.launchable = xml.readElementText();
        else if (element == "component/project_license")
            info.projectLicense = xml.readElementText();
        else if (element == "component/provides/binary")
            info.binary = xml.readElementText();
        else if (element == "component/screenshots/screenshot/image") {
            const int width = xml.attributes().value("width").toInt();
            const int height = xml.attributes().value("height").toInt();
            info.screenshots.push_back({xml.readElementText(), width, height});
        } else
            open.append(xml.name().toString());
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return info;
}

QByteArray contentsOf(const fs::path& path)
{
    QFile file(qtPath(path));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path;
    return file.readAll();
}

QString desktopEntryValue(const fs::path& path, const QString& key)
{
    for (const QByteArray& line : contentsOf(path).split('\n')) {
        if (line.startsWith(key.toUtf8() + '='))
            return QString::fromUtf8(line.mid(key.size() + 1));
    }
    return {};
}

// The name start-up gives the desktop for the program's windows (on Wayland, their app id).
QString desktopFileNameAtStartup()
{
    const QString style = QApplication::style()->name();
    prepareApplication(*qApp);
    const QString name = QGuiApplication::desktopFileName();
    QGuiApplication::setDesktopFileName({});
    QApplication::setStyle(style);
    return name;
}

TEST(Metainfo, NamesTheInstalledMenuEntryCommandIconAndLicence)
{
    const InstalledTree tree;
    ASSERT_TRUE(tree.installed()) << tree.log().toStdString();
    const Metainfo info = readMetainfo(tree / kMetainfoFile);
    const fs::path desktopFile = tree / kDesktopFile;
    const QString icon = desktopEntryValue(desktopFile, "Icon");
    const QByteArray licence = contentsOf(tree / "usr/share/doc/calcora/LICENSE").simplified();
    struct Fact {
        const char* what;
        bool holds;
    };
    const Fact facts[] = {
        {"the id is ours", info.id == kAppId},
        {"the menu entry it launches is installed",
         fs::is_regular_file(tree / "usr/share/applications" / info.launchable.toStdString())},
        {"the menu entry is named by the id", info.launchable == info.id + ".desktop"},
        {"the program's windows name the menu entry", desktopFileNameAtStartup() + ".desktop" == info.launchable},
        {"the command it provides is installed", fs::exists(tree / "usr/bin" / info.binary.toStdString())},
        {"the menu entry runs that command", desktopEntryValue(desktopFile, "Exec") == info.binary},
        {"the menu entry's icon is in the icon theme",
         !icon.isEmpty() && fs::is_regular_file(tree / "usr/share/icons/hicolor/48x48/apps" / (icon + ".png").toStdString())},
        {"the licence is the GPL, version 3 or later", info.projectLicense == "GPL-3.0-or-later"},
        {"the installed licence is the GPL version 3",
         licence.startsWith("GNU GENERAL PUBLIC LICENSE Version 3, 29 June 2007")},
    };
    for (const Fact& fact : facts)
        EXPECT_TRUE(fact.holds) << fact.what;
}

// Each screenshot's address names a picture in share/screenshots/ of the size it states, and
// every picture there is shown.
TEST(Metainfo, ScreenshotsAreTheShippedPictures)
{
    const Metainfo info = readMetainfo(sourceFile("share/metainfo") / (std::string(kAppId) + ".metainfo.xml"));
    ASSERT_FALSE(info.screenshots.empty());
    QStringList shown;
    for (const Metainfo::Picture& picture : info.screenshots) {
        SCOPED_TRACE(picture.url.toStdString());
        ASSERT_TRUE(picture.url.startsWith(kScreenshotBase));
        const QString name = picture.url.mid(kScreenshotBase.size());
        shown.append(name);
        QImageReader reader(qtPath(sourceFile("share/screenshots") / name.toStdString()));
        EXPECT_EQ(reader.format(), "png") << reader.errorString().toStdString();
        EXPECT_EQ(reader.size(), QSize(picture.width, picture.height));
    }
    const QDir folder(qtPath(sourceFile("share/screenshots")));
    for (const QString& name : folder.entryList(QDir::Files))
        EXPECT_TRUE(shown.contains(name)) << name.toStdString() << " is shipped but not shown";
}

} // namespace
