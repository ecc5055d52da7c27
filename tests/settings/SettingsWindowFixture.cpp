#include "SettingsWindowFixture.h"

#include "FileNameCase.h"
#include "Screenshots.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTest>

#include <fstream>
#include <vector>

ScopedFileNameCase::ScopedFileNameCase(bool ignoreCase)
    : previous_(setFileNamesIgnoreCase(ignoreCase))
{
}

ScopedFileNameCase::~ScopedFileNameCase()
{
    setFileNamesIgnoreCase(previous_);
}

TForm4& SettingsWindowFixture::openSettings()
{
    if (!form)
        createWindow();
    settings = std::make_unique<TForm4>(TForm4::Services{.store = *store, .pack = *pack, .appearance = *appearance,
                                                         .dialogs = *dialogs, .sounds = *sounds},
                                        mainWindow.get());
    settings->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(settings.get()));
    return *settings;
}

TForm4& SettingsWindowFixture::reopenSettings()
{
    settings.reset();
    return openSettings();
}

std::string SettingsWindowFixture::interfaceValue(const char* name)
{
    return store->ReadString("Interface", name, "");
}

std::map<std::string, std::string> SettingsWindowFixture::interfaceValues() const
{
    return store->section("Interface");
}

std::string SettingsWindowFixture::temporaryPath(const std::string& name) const
{
    return folder.filePath(QString::fromStdString(name)).toStdString();
}

LowerCaseFolder::LowerCaseFolder()
{
    // The temporary folder's own path may have capitals; /tmp is there on every system.
    QString base = QDir::tempPath();
    if (base.toLower() != base)
        base = "/tmp";
    static int made = 0;
    path_ = QString("%1/calcora-lower-case-%2-%3").arg(base).arg(QCoreApplication::applicationPid()).arg(++made);
    EXPECT_TRUE(QDir().mkpath(path_)) << path_.toStdString();
}

LowerCaseFolder::~LowerCaseFolder()
{
    QDir(path_).removeRecursively();
}

std::string SettingsWindowFixture::lowerCaseCopy(const std::string& name)
{
    if (!lowerCaseFolder)
        lowerCaseFolder = std::make_unique<LowerCaseFolder>();
    const QString copy = lowerCaseFolder->filePath(QString::fromStdString(name));
    EXPECT_TRUE(QFile::exists(copy) || QFile::copy(QString::fromStdString(mediaFile(name)), copy));
    return copy.toStdString();
}

std::string SettingsWindowFixture::writePack(const std::map<int, std::string>& replacedLines)
{
    std::ifstream shipped(mediaFile("english.lng"), std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(shipped, line);)
        lines.push_back(line);
    for (const auto& [index, text] : replacedLines)
        lines.at(static_cast<std::size_t>(index)) = text + "\r";
    const std::string path = temporaryPath("other.lng");
    std::ofstream pack(path, std::ios::binary);
    for (const std::string& line : lines)
        pack << line << '\n';
    return path;
}

std::string SettingsWindowFixture::writeBitmap(const std::string& name, const QColor& color)
{
    QImage picture(8, 8, QImage::Format_RGB32);
    picture.fill(color);
    const std::string path = temporaryPath(name);
    EXPECT_TRUE(picture.save(QString::fromStdString(path), "BMP"));
    return path;
}

void SettingsWindowFixture::settingsScreenshot(const char* name)
{
    EXPECT_TRUE(saveScreenshot(*settings, QString("settings-") + name)) << name;
}

QColor SettingsWindowFixture::textColor(const QWidget* widget)
{
    return widget->palette().color(QPalette::WindowText);
}
