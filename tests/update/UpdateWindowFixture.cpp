#include "UpdateWindowFixture.h"

#include "DownloadFolder.h"
#include "ProgramDirectory.h"
#include "UserFolders.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <cerrno>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <sys/file.h>
#include <unistd.h>

namespace {

constexpr int kGenerousMilliseconds = 30000;

} // namespace

ProgramFolderLock::ProgramFolderLock()
    : file_(::open(programFile(".update-tests.lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600))
{
    EXPECT_NE(file_, -1) << "the program folder's lock file cannot be opened";
    while (file_ != -1 && ::flock(file_, LOCK_EX) != 0 && errno == EINTR) {
    }
}

ProgramFolderLock::~ProgramFolderLock()
{
    if (file_ != -1)
        ::close(file_);
}

UpdateWindowFixture::UpdateWindowFixture()
    : installFolders{programDirectory(), userDataFolder()}
{
    setInterface("URL", server.url(kBasePath));
}

UpdateWindowFixture::~UpdateWindowFixture()
{
    updates.reset();
    for (const std::string& name : fileNames_) {
        QFile::remove(QString::fromStdString(programFolderFile(name)));
        QFile::remove(QString::fromStdString(downloadedFile(name)));
    }
}

void UpdateWindowFixture::removeNowAndAtEnd(const std::string& name)
{
    QFile::remove(QString::fromStdString(programFolderFile(name)));
    QFile::remove(QString::fromStdString(downloadedFile(name)));
    fileNames_.push_back(name);
}

TForm5& UpdateWindowFixture::openUpdates()
{
    if (!form)
        createWindow();
    updates = std::make_unique<TForm5>(TForm5::Services{.store = *store, .pack = *pack, .appearance = *appearance,
                                                        .dialogs = *dialogs, .sounds = *sounds,
                                                        .folders = installFolders},
                                       mainWindow.get());
    updates->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(updates.get()));
    return *updates;
}

void UpdateWindowFixture::serveList(const std::string& listText)
{
    server.serve(std::string(kBasePath) + "update201", HttpAnswer::page(listText));
}

void UpdateWindowFixture::serveFile(const std::string& name, HttpAnswer answer)
{
    removeNowAndAtEnd(name);
    server.serve(kBasePath + name, std::move(answer));
}

void UpdateWindowFixture::serveFile(const std::string& name, const std::string& bytes)
{
    serveFile(name, HttpAnswer::page(bytes));
}

std::vector<std::string> UpdateWindowFixture::requestedPaths() const
{
    std::vector<std::string> paths;
    for (const HttpRequest& request : server.requests())
        paths.push_back(request.path);
    return paths;
}

void UpdateWindowFixture::checkForUpdates()
{
    updates->Button2->click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return updates->CheckListBox1->isVisible(); }, kGenerousMilliseconds))
        << "no offer; the window says: " << updates->Label1->text().toStdString();
}

void UpdateWindowFixture::downloadChecked()
{
    updates->Button2->click();
    waitForStep(UpdateStep::Install);
}

void UpdateWindowFixture::waitForStep(UpdateStep step)
{
    EXPECT_TRUE(QTest::qWaitFor([&] { return updates->UpdateStep == step && updates->Button2->isEnabled(); },
                                kGenerousMilliseconds))
        << "step " << static_cast<int>(step) << " not reached; at step " << static_cast<int>(updates->UpdateStep) << ", saying "
        << updates->Label1->text().toStdString();
}

QStringList UpdateWindowFixture::offeredNames() const
{
    QStringList names;
    for (int entry = 0; entry < updates->CheckListBox1->count(); ++entry)
        names.append(updates->CheckListBox1->item(entry)->text());
    return names;
}

std::vector<bool> UpdateWindowFixture::checkedStates() const
{
    std::vector<bool> states;
    for (int entry = 0; entry < updates->CheckListBox1->count(); ++entry)
        states.push_back(updates->CheckListBox1->item(entry)->checkState() == Qt::Checked);
    return states;
}

std::string UpdateWindowFixture::packWith(const std::map<int, std::string>& replacedLines)
{
    std::ifstream shipped(CALCORA_MEDIA_DIR "/english.lng", std::ios::binary);
    std::vector<std::string> lines = readPackLines(shipped, LanguagePack::kUsedLines);
    for (const auto& [index, text] : replacedLines)
        lines.at(static_cast<std::size_t>(index)) = text;
    std::string pack;
    for (const std::string& line : lines)
        pack += line + "\r\n";
    return pack;
}

std::string UpdateWindowFixture::packOfLines(int lines)
{
    std::string pack;
    for (int line = 0; line < lines; ++line)
        pack += "Text " + std::to_string(line) + "\r\n";
    return pack;
}

std::string UpdateWindowFixture::bitmapOf(const QColor& color)
{
    QImage picture(8, 8, QImage::Format_RGB32);
    picture.fill(color);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(picture.save(&buffer, "BMP"));
    return bytes.toStdString();
}

std::string UpdateWindowFixture::programFolderFile(const std::string& name) const
{
    return programFile(name);
}

std::string UpdateWindowFixture::downloadedFile(const std::string& name) const
{
    return DownloadFolder::open().path() + name;
}

void UpdateWindowFixture::placeInProgramFolder(const std::string& name, const std::string& bytes)
{
    removeNowAndAtEnd(name);
    std::ofstream(programFolderFile(name), std::ios::binary) << bytes;
}

void UpdateWindowFixture::markInstalled(const std::string& name)
{
    store->WriteString("Update", name, "Installed");
}

std::string UpdateWindowFixture::updateMark(const std::string& name)
{
    return store->ReadString("Update", name, "");
}

std::string UpdateWindowFixture::fileBytes(const std::string& path)
{
    if (!fileExists(path))
        return {};
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

bool UpdateWindowFixture::exists(const std::string& path)
{
    return QFile::exists(QString::fromStdString(path));
}
