// Installing the downloaded updates: a question for each, then the download checked and put in
// place, recorded in the store and taken by the main window at once.

#include "update.h"

#include "AppError.h"
#include "ConfigNames.h"
#include "ConfigStore.h"
#include "Dialogs.h"
#include "DisplayText.h"
#include "ErrorBox.h"
#include "HTTPGetTransfer.h"
#include "Appearance.h"
#include "WindowValues.h"

using namespace config;

void TForm5::InstallDownloads()
{
    for (std::size_t index = 0; index < UpdateList.size() && index < downloads_.size(); ++index) {
        const UpdateItem& update = UpdateList[index];
        // The download goes once this update has been answered, installed or not.
        const std::shared_ptr<DownloadFile> download = std::move(downloads_[index]);
        QString shownQuestion = text(PackLine::InstallUpdate) + ": " + displayText(update.name) + "\r"
            + text(PackLine::InstallQuestion);
        // The question's line break is a carriage return, shown as a new line.
        shownQuestion.replace(QChar('\r'), QChar('\n'));
        if (!services_.dialogs.askYesNo(this, "Update", shownQuestion))
            continue;
        // A failure is reported and ends this update only; the others still get their question.
        guarded(services_.dialogs, [&] { Install(update, *download); });
    }
    downloads_.clear();
    accept();
}

void TForm5::Install(const UpdateItem& update, const DownloadFile& download)
{
    const auto bytes = download.read(kMaxFetchBytes);
    if (!bytes)
        throw AppError("Calcora cannot read the download " + download.path() + ", so the update \"" + update.name
                       + "\" was not installed");
    const std::string installed = installUpdate(update, *bytes, services_.folders);
    const char* configured = update.kind == UpdateKind::LanguagePack ? kLanguagePack : kBackgroundImage;
    // The file in use and the mark of the update reach the store together, or neither does.
    services_.store.WriteStrings({{kInterface, configured, installed}, {kUpdate, update.name, kInstalledMark}});
    if (update.kind == UpdateKind::LanguagePack)
        services_.appearance.reloadLanguage(services_.store);
    else
        services_.appearance.loadBackground(installed);
}
