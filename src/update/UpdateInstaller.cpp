#include "UpdateInstaller.h"

#include "AppError.h"
#include "BitmapFile.h"
#include "DisplayText.h"
#include "HTTPGetTransfer.h"
#include "LanguagePack.h"
#include "ProgramPaths.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QSaveFile>

namespace {

bool isBitmapPicture(const std::string& bytes)
{
    QByteArray data = QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    try {
        decodeBitmap(buffer);
    } catch (const AppError&) {
        return false;
    }
    return true;
}

bool isOfKind(UpdateKind kind, const std::string& bytes)
{
    return kind == UpdateKind::LanguagePack ? isUsableLanguagePack(bytes) : isBitmapPicture(bytes);
}

const char* kindWords(UpdateKind kind)
{
    return kind == UpdateKind::LanguagePack ? "a language pack" : "a bitmap picture";
}

// Whether the file in the folder may be replaced: there is none, or it is a plain file of the
// update's own kind. An update never overwrites the program, its libraries or other media.
void checkReplaceable(const std::string& installed, UpdateKind kind)
{
    const QFileInfo target(qtFilePath(installed));
    if (!target.exists() && !target.isSymLink())
        return;
    QFile file(qtFilePath(installed));
    bool ofItsKind = false;
    if (!target.isSymLink() && target.isFile() && target.size() <= kMaxFetchBytes && file.open(QIODevice::ReadOnly))
        ofItsKind = isOfKind(kind, file.readAll().toStdString());
    if (!ofItsKind)
        throw AppError("Calcora did not replace " + installed + " because it is not " + kindWords(kind));
}

// Writes the bytes as the file; false when the folder does not take them.
bool writeInPlace(const std::string& installed, const std::string& bytes)
{
    QSaveFile target(qtFilePath(installed));
    // Flushed by hand first: a failure to write out the last bytes would not stop the commit.
    const bool written = target.open(QIODevice::WriteOnly)
        && target.write(bytes.data(), static_cast<qint64>(bytes.size())) == static_cast<qint64>(bytes.size())
        && target.flush() && target.commit();
    if (!written)
        target.cancelWriting();
    return written;
}

} // namespace

std::string installUpdate(const UpdateItem& update, const std::string& bytes, const InstallFolders& folders)
{
    if (!isOfKind(update.kind, bytes))
        throw AppError("The update \"" + update.name + "\" was not installed because the downloaded file is not "
                       + (update.kind == UpdateKind::LanguagePack ? "a language pack Calcora can use"
                                                                  : "a bitmap picture"));
    for (const std::string& folder : {folders.program, folders.user}) {
        if (folder.empty())
            continue;
        const std::string installed = joinProgramPath(folder, update.file);
        checkReplaceable(installed, update.kind);
        if (writeInPlace(installed, bytes))
            return installed;
    }
    throw AppError("Calcora cannot write to its folder " + folders.program + " nor to " + folders.user
                   + ", so the update \"" + update.name + "\" was not installed");
}

std::string installedUpdateFile(const std::string& file, const InstallFolders& folders)
{
    for (const std::string& folder : {folders.program, folders.user}) {
        const std::string installed = joinProgramPath(folder, file);
        if (!folder.empty() && fileExists(installed))
            return installed;
    }
    return {};
}
