#pragma once

#include "DownloadFolder.h"
#include "PackLines.h"
#include "UpdateInstaller.h"
#include "UpdateList.h"
#include "UpdateSteps.h"

#include <QDialog>

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class AnimationControl;
class Appearance;
class ConfigStore;
class Dialogs;
class LanguagePack;
class QByteArray;
class QFrame;
class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;
class PaintPacer;
class QTimer;
class SoundPlayer;
class THTTPGet;

// The update checker: a small wizard driven by its Next button. It fetches the update
// server's list, offers the updates not yet installed in a check list, downloads the ones the
// user keeps checked one after the other, and installs each language pack and background
// picture after asking. A failed fetch, or a list that has not come within about 20 seconds,
// brings it back to its first step.
class TForm5 : public QDialog {
    Q_OBJECT

public:
    // What the update checker works with: the store, the pack, the appearance whose background
    // and language an update changes, the dialogs, the sounds for its beep, and the folders an
    // update may be installed in.
    struct Services {
        ConfigStore& store;
        LanguagePack& pack;
        Appearance& appearance;
        Dialogs& dialogs;
        SoundPlayer& sounds;
        InstallFolders folders;
    };

    explicit TForm5(const Services& services, QWidget* parent = nullptr);

    // Next: check, download, install or close, by the step the wizard is at.
    void Button2Click();
    // Back, while the list is being fetched: stop and show the introduction.
    void Button1Click();
    // Starts the list fetch on its first tick; later ticks move the bar, and the 101st gives up.
    void Timer1Timer();
    void HTTPGet1DoneString(const QByteArray& Result);
    void HTTPGet1Error();
    void HTTPGet2Error();
    // A check box was toggled: Next downloads while something is checked, else closes.
    void CheckListBox1ClickCheck();
    void HTTPGet2Progress(qint32 TotalSize, qint32 Readed);
    void HTTPGet2DoneFile(const QString& FileName, qint32 FileSize);
    // Starts the next download, or, after the last, offers the installation.
    void Timer2Timer();

    // Fills UpdateList with the list's items that can be offered and are not installed.
    void ArrangeUpdates(const std::string& listText);
    void DownloadIt(const UpdateItem& item);
    // After a failed fetch or the time-out: a beep, the failure's text, and back to step 1.
    void ConnectionError();

    QFrame* Bevel1;
    AnimationControl* Animate1;
    QLabel* Label1;
    QListWidget* CheckListBox1;
    QLabel* Label2;
    QProgressBar* ProgressBar1;
    QPushButton* Button1;
    QPushButton* Button2;
    QPushButton* BitBtn1;
    THTTPGet* HTTPGet1;
    THTTPGet* HTTPGet2;
    QTimer* Timer1;
    QTimer* Timer2;

    // What Next does.
    ::UpdateStep UpdateStep = ::UpdateStep::CheckForUpdates;
    int WaitTicks = 0;
    // The updates offered, then the ones to download, in list order; the check list shows
    // their names entry by entry.
    std::vector<UpdateItem> UpdateList;
    std::size_t DownloadIndex = 0;

protected:
    // Cancel, Esc, the close box and the last steps all end the window here.
    void done(int result) override;

private:
    // The store's mark of an installed update, a value named after it in section "Update".
    static constexpr const char* kInstalledMark = "Installed";

    void createControls();
    void connectHandlers();
    void FormCreate();
    void FormClose();

    void CheckForUpdates();
    void StartListFetch();
    void ShowUpdates();
    void DownloadChecked();
    void InstallDownloads();
    void Install(const UpdateItem& update, const DownloadFile& download);
    // Whether the fetch's answer was a success (2xx), the only answer that counts as the list
    // or a file; anything else, an error page among them, is a failed fetch.
    static bool answeredWithSuccess(const THTTPGet& fetch);

    // Label1 keeps its width whatever its text; its words wrap within it.
    void SetLabel1(const QString& text);
    void ShowNextOrClose(bool somethingChecked);
    QString text(PackLine line) const;
    std::string updateBase() const;

    Services services_;
    // Holds the list for a moment with the bar full, before the offer is shown.
    QTimer* listPause_;
    std::string receivedList_;
    // The folder of this run's downloads, opened when the downloads start, and the files
    // downloaded into it, one per update of UpdateList up to the one downloading. A download
    // that fails, is refused or is not installed goes with its file.
    std::optional<DownloadFolder> downloadFolder_;
    std::vector<std::shared_ptr<DownloadFile>> downloads_;
    // Whether the list fetch or a download of this run is under way, so that a fetch the
    // window has cancelled itself reports nothing afterwards.
    bool listFetchStarted_ = false;
    bool downloading_ = false;
    // The bar and the byte count change with every kilobyte; the window is painted less often.
    PaintPacer* progressPacer_;
};
