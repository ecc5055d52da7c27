// Installing the downloaded updates: a question for each language pack and background
// picture, a check that the download is what it claims to be, and the file put into the
// program folder in one step.

#include "update.h"

#include "AppError.h"
#include "BitmapFile.h"
#include "ConfigNames.h"
#include "ConfigStore.h"
#include "Dialogs.h"
#include "DisplayText.h"
#include "ErrorBox.h"
#include "LanguagePack.h"
#include "OvoWallPaperBMP.h"
#include "ProcessWide.h"
#include "ProgramDirectory.h"
#include "Unit1.h"
#include "UpdateList.h"
#include "WindowValues.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QSaveFile>

using namespace config;

namespace {

// Whether the file is a language pack with every line the program uses.
bool isUsableLanguagePack(const std::string& path)
{
    LanguagePack scratch;
    try {
        scratch.Load(path);
    } catch (const AppError&) {
        return false;
    }
    return scratch.Count() >= static_cast<int>(LanguagePack::kUsedLines);
}

bool isBitmapPicture(const std::string& path)
{
    QImage scratch;
    try {
        loadBitmapFile(scratch, path);
    } catch (const AppError&) {
        return false;
    }
    return true;
}

// What an update of an installed kind must be, with the words that say so.
struct InstalledKind {
    bool (*isOfKind)(const std::string& path);
    const char* downloadText;
    const char* replacedText;
};

const InstalledKind kLanguagePackKind{isUsableLanguagePack, "a language pack Calcora can use", "a language pack"};
const InstalledKind kBackgroundKind{isBitmapPicture, "a bitmap picture", "a bitmap picture"};

// Copies the download into a new file beside the target and renames it over the target, so
// the target is at every moment the old file or the whole new one, even when the two folders
// lie on different file systems.
void copyIntoPlace(const std::string& downloaded, const std::string& installed, const std::string& name)
{
    QFile source(qtFilePath(downloaded));
    if (!source.open(QIODevice::ReadOnly))
        throw AppError("Cannot open file " + downloaded);
    QSaveFile target(qtFilePath(installed));
    // Flushed by hand first: a failure to write out the last bytes would not stop the commit.
    const bool written = target.open(QIODevice::WriteOnly) && target.write(source.readAll()) == source.size()
        && target.flush() && target.commit();
    if (!written) {
        target.cancelWriting();
        throw AppError("Calcora cannot write to its folder " + programDirectory() + ", so the update \""
                       + name + "\" was not installed");
    }
}

// Puts a download into the program folder and gives the path it has there. A download that
// is not what its kind says is removed and reported. A file already there is replaced only by
// one of its own kind: an update never overwrites the program, its libraries or other media.
std::string installInProgramFolder(const std::string& name, const std::string& downloaded,
                                   const std::string& file, const InstalledKind& kind)
{
    if (!kind.isOfKind(downloaded)) {
        QFile::remove(qtFilePath(downloaded));
        throw AppError("The update \"" + name + "\" was not installed because the downloaded file is not "
                       + kind.downloadText);
    }
    const std::string installed = programFile(file);
    const QFileInfo target(qtFilePath(installed));
    if ((target.exists() || target.isSymLink())
        && (target.isSymLink() || !target.isFile() || !kind.isOfKind(installed)))
        throw AppError("Calcora did not replace " + installed + " because it is not " + kind.replacedText);
    copyIntoPlace(downloaded, installed, name);
    QFile::remove(qtFilePath(downloaded));
    return installed;
}

} // namespace

void TForm5::InstallDownloads()
{
    for (const std::string& item : UpdateList) {
        const std::string kind = UpdateItemField(item, kUpdateKind);
        if (kind != kLanguagePackUpdate && kind != kBackgroundUpdate)
            continue;
        const std::string name = UpdateItemField(item, kUpdateName);
        const std::string file = UpdateItemField(item, kUpdateFile);
        QString shownQuestion = packText(61) + ": " + displayText(name) + "\r" + packText(62);
        // The question's line break is a carriage return, shown as a new line.
        shownQuestion.replace(QChar('\r'), QChar('\n'));
        if (!ProcessWide<Dialogs>::get().askYesNo(this, "Update", shownQuestion)) {
            QFile::remove(qtFilePath(DownloadTarget(file)));
            continue;
        }
        // A failure is reported and ends this update only; the others still get their question.
        guarded([&] {
            if (kind == kLanguagePackUpdate)
                InstallLanguagePack(name, file);
            else
                InstallBackground(name, file);
        });
    }
    accept();
}

void TForm5::InstallLanguagePack(const std::string& name, const std::string& file)
{
    const std::string installed = installInProgramFolder(name, DownloadTarget(file), file, kLanguagePackKind);
    auto& store = ProcessWide<ConfigStore>::get();
    store.WriteString(kInterface, kLanguagePack, installed);
    ProcessWide<LanguagePack>::get().Reload(store);
    mainWindow_.Recaption();
    store.WriteString(kUpdate, name, kInstalledMark);
}

void TForm5::InstallBackground(const std::string& name, const std::string& file)
{
    const std::string installed = installInProgramFolder(name, DownloadTarget(file), file, kBackgroundKind);
    auto& store = ProcessWide<ConfigStore>::get();
    store.WriteString(kInterface, kBackgroundImage, installed);
    mainWindow_.OvoWallPaperBMP1->LoadFromFile(installed);
    store.WriteString(kUpdate, name, kInstalledMark);
}
