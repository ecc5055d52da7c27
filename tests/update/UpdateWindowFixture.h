#pragma once

#include "LoopbackHttpServer.h"
#include "MainWindowFixture.h"
#include "update.h"

#include <QColor>
#include <QStringList>

#include <map>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

// Texts in failure messages as text.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QStringList& texts, std::ostream* out)
{
    *out << '{';
    for (const QString& text : texts) {
        PrintTo(text, out);
        *out << (&text == &texts.back() ? "" : ", ");
    }
    *out << '}';
}

// Holds the program folder for one test process at a time: the update tests install into it
// and look at its files, and CTest runs tests side by side.
class ProgramFolderLock {
public:
    ProgramFolderLock();
    ~ProgramFolderLock();
    ProgramFolderLock(const ProgramFolderLock&) = delete;
    ProgramFolderLock& operator=(const ProgramFolderLock&) = delete;

private:
    int file_ = -1;
};

// The main window on a first-run store whose "URL" names a loopback server, with the update
// checker opened over it. The checker is shown without waiting for it, so a test can click it
// and read it. The files a test serves or places are removed from the program folder and the
// download folder before it and after it.
class UpdateWindowFixture : public MainWindowFixture {
private:
    ProgramFolderLock programFolderLock_;

protected:
    UpdateWindowFixture();
    ~UpdateWindowFixture() override;

    // Creates the main window first unless a test has already done so.
    TForm5& openUpdates();

    // The server's list and files, below the base the store names.
    void serveList(const std::string& listText);
    void serveFile(const std::string& name, HttpAnswer answer);
    void serveFile(const std::string& name, const std::string& bytes);
    // The paths the window asked the server for, in order.
    std::vector<std::string> requestedPaths() const;

    // Next, then waits until the offer is shown.
    void checkForUpdates();
    // Next, then waits until every checked update has come (or the run failed).
    void downloadChecked();
    // Waits until the wizard reaches the step with Next usable, or fails the test after a
    // generous limit.
    void waitForStep(UpdateStep step);

    // The names in the check list, and whether each is checked.
    QStringList offeredNames() const;
    std::vector<bool> checkedStates() const;

    // A copy of the shipped pack with some lines replaced, and one cut after `lines` lines.
    static std::string packWith(const std::map<int, std::string>& replacedLines);
    static std::string packOfLines(int lines);
    // A small BMP picture of one colour.
    static std::string bitmapOf(const QColor& color);

    std::string programFolderFile(const std::string& name) const;
    std::string downloadedFile(const std::string& name) const;
    // Puts a file into the program folder, removed again at the end.
    void placeInProgramFolder(const std::string& name, const std::string& bytes);
    // Records an update as installed in the store.
    void markInstalled(const std::string& name);
    std::string updateMark(const std::string& name);

    static std::string fileBytes(const std::string& path);
    static bool exists(const std::string& path);

    LoopbackHttpServer server;
    // Where the update checker opened next may install.
    InstallFolders installFolders;
    // Destroyed before the main window it belongs to.
    std::unique_ptr<TForm5> updates;

    // Where the store's base points on the server.
    static constexpr const char* kBasePath = "/calcora/updates/";

    // Removes a file of that name from the program folder and the download folder now and
    // again at the end.
    void removeNowAndAtEnd(const std::string& name);

private:
    std::vector<std::string> fileNames_;
};
