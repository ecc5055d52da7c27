#pragma once

#include "MainWindowFixture.h"
#include "settings.h"

#include <QColor>
#include <QTemporaryDir>

#include <map>
#include <memory>
#include <string>

class QWidget;

// Puts one rule for file names in force for a scope: whether they ignore case.
class ScopedFileNameCase {
public:
    explicit ScopedFileNameCase(bool ignoreCase);
    ~ScopedFileNameCase();
    ScopedFileNameCase(const ScopedFileNameCase&) = delete;
    ScopedFileNameCase& operator=(const ScopedFileNameCase&) = delete;

private:
    bool previous_;
};

// A folder of its own whose whole path is in lower case, removed with everything in it.
class LowerCaseFolder {
public:
    LowerCaseFolder();
    ~LowerCaseFolder();
    LowerCaseFolder(const LowerCaseFolder&) = delete;
    LowerCaseFolder& operator=(const LowerCaseFolder&) = delete;

    QString filePath(const QString& name) const { return path_ + '/' + name; }

private:
    QString path_;
};

// The main window on a first-run store, with the settings window opened over it. The settings
// window is shown without waiting for it, so a test can click it and read it.
class SettingsWindowFixture : public MainWindowFixture {
protected:
    // Creates the main window first unless a test has already done so.
    TForm4& openSettings();
    // Closes the window that is open and opens a new one, as the menu item does.
    TForm4& reopenSettings();

    std::string interfaceValue(const char* name);
    // The section "Interface" as it stands, for comparing before and after.
    std::map<std::string, std::string> interfaceValues() const;

    // A copy of the shipped pack with some lines replaced; returns its path.
    std::string writePack(const std::map<int, std::string>& replacedLines);
    // A BMP file of one colour; returns its path.
    std::string writeBitmap(const std::string& name, const QColor& color);
    std::string temporaryPath(const std::string& name) const;
    // A copy of a shipped media file in a folder whose whole path is in lower case, so that the
    // rule of file names that ignore case finds it on this file system too.
    std::string lowerCaseCopy(const std::string& name);

    static QColor textColor(const QWidget* widget);
    // Saves a picture of the settings window, "settings-<name>.png", for a person to look at.
    void settingsScreenshot(const char* name);

    // Paths show exactly as stored unless a test puts the other rule in force.
    ScopedFileNameCase exactFileNames{false};
    QTemporaryDir folder;
    // Destroyed before the main window it belongs to.
    std::unique_ptr<TForm4> settings;
    std::unique_ptr<LowerCaseFolder> lowerCaseFolder;
};
