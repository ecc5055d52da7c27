// The update checker's steps up to the installation: fetching the list with its time-out,
// the offer, the downloads one after the other, Back and the connection failure.

#include "update.h"

#include "AnimationControl.h"
#include "AppError.h"
#include "ConfigNames.h"
#include "ConfigStore.h"
#include "DisplayText.h"
#include "DownloadFolder.h"
#include "HTTPGet.h"
#include "PaintPacer.h"
#include "ProgramDirectory.h"
#include "SoundPlayer.h"
#include "FileNameCase.h"
#include "UpdateList.h"
#include "WindowValues.h"

#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>

#include <algorithm>

using namespace config;

namespace {

// The list has this many ticks of Timer1 (200 ms each) to arrive.
constexpr int kLastWaitTick = 100;

// Back puts this text in place of the introduction, in English whatever the language pack.
constexpr const char* kBackText =
    "Calcora has the ability of connecting to our web server and checking the availability of "
    "updates. Please click Next and wait for the process of downloading. Be sure you are "
    "connected to internet.";

} // namespace

std::string TForm5::updateBase() const
{
    return services_.store.ReadString(kInterface, kUrl, "");
}

void TForm5::Button2Click()
{
    switch (UpdateStep) {
    case UpdateStep::CheckForUpdates:
        CheckForUpdates();
        break;
    case UpdateStep::Download:
        DownloadChecked();
        break;
    case UpdateStep::Install:
        InstallDownloads();
        break;
    case UpdateStep::Close:
        accept();
        break;
    }
}

void TForm5::CheckForUpdates()
{
    UpdateList.clear();
    downloads_.clear();
    CheckListBox1->clear();
    HTTPGet1->CancelFetch();
    SetLabel1(text(PackLine::LookingForUpdates));
    Button1->setEnabled(true);
    Button2->setEnabled(false);
    ProgressBar1->show();
    Animate1->setActive(true);
    Timer1->start();
}

void TForm5::Timer1Timer()
{
    if (WaitTicks == 0) {
        WaitTicks = 1;
        ProgressBar1->setValue(1);
        StartListFetch();
    } else if (WaitTicks == kLastWaitTick) {
        ConnectionError();
    } else {
        ++WaitTicks;
        ProgressBar1->setValue(WaitTicks);
        if (!listFetchStarted_)
            StartListFetch();
    }
}

void TForm5::StartListFetch()
{
    // A fetch this window cancelled may still be winding down, and the component takes no new
    // one until it has; the next tick tries again, within the same time-out.
    if (HTTPGet1->busy())
        return;
    HTTPGet1->URL = qtFilePath(updateListAddress(updateBase()));
    HTTPGet1->FetchString();
    listFetchStarted_ = true;
}

void TForm5::HTTPGet1DoneString(const QByteArray& Result)
{
    // Only the list this window is waiting for; one it gave up on says nothing more.
    if (!listFetchStarted_)
        return;
    if (!answeredWithSuccess(*HTTPGet1)) {
        ConnectionError();
        return;
    }
    listFetchStarted_ = false;
    Timer1->stop();
    ProgressBar1->setValue(100);
    receivedList_ = Result.toStdString();
    listPause_->start();
}

void TForm5::ShowUpdates()
{
    ArrangeUpdates(receivedList_);
    receivedList_.clear();
    {
        const QSignalBlocker filling(CheckListBox1);
        for (const UpdateItem& item : UpdateList) {
            auto* entry = new QListWidgetItem(displayText(item.name), CheckListBox1);
            entry->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
            entry->setCheckState(Qt::Checked);
        }
    }
    Animate1->setActive(false);
    ProgressBar1->setValue(0);
    ProgressBar1->hide();
    Button1->setEnabled(false);
    Button2->setEnabled(true);
    CheckListBox1->show();
    UpdateStep = stepOfOffer(!UpdateList.empty());
    SetLabel1(text(PackLine::ChooseUpdates));
    CheckListBox1->setAccessibleName(Label1->text());
    if (UpdateList.empty()) {
        const QSignalBlocker filling(CheckListBox1);
        auto* nothing = new QListWidgetItem(text(PackLine::NoNewUpdates), CheckListBox1);
        nothing->setFlags(Qt::ItemIsEnabled);
        CheckListBox1->setEnabled(false);
        setButtonCaption(Button2, text(PackLine::Close));
        BitBtn1->hide();
        Button2->setFocus();
        return;
    }
    // The first entry takes the focus, so that Space can untick it at once.
    CheckListBox1->setCurrentRow(0);
    CheckListBox1->setFocus();
}

void TForm5::ArrangeUpdates(const std::string& listText)
{
    ConfigStore& store = services_.store;
    UpdateList = arrangeUpdates(listText, fileNamesIgnoreCase(), [&](const std::string& name, const std::string& file) {
        return store.ReadString(kUpdate, name, "") == kInstalledMark
            && !installedUpdateFile(file, services_.folders).empty();
    });
}

bool TForm5::answeredWithSuccess(const THTTPGet& fetch)
{
    return fetch.StatusCode() >= 200 && fetch.StatusCode() <= 299;
}

void TForm5::CheckListBox1ClickCheck()
{
    bool somethingChecked = false;
    for (int entry = 0; entry < CheckListBox1->count(); ++entry)
        somethingChecked = somethingChecked || CheckListBox1->item(entry)->checkState() == Qt::Checked;
    ShowNextOrClose(somethingChecked);
}

void TForm5::ShowNextOrClose(bool somethingChecked)
{
    UpdateStep = stepOfOffer(somethingChecked);
    if (somethingChecked) {
        setButtonCaption(Button2, text(PackLine::Next) + " >>>");
        BitBtn1->show();
    } else {
        setButtonCaption(Button2, text(PackLine::Close));
        BitBtn1->hide();
    }
}

void TForm5::DownloadChecked()
{
    // Opened before anything changes, so a folder that cannot be used leaves the offer as it is.
    downloadFolder_.emplace(DownloadFolder::open());
    downloads_.clear();
    std::vector<UpdateItem> checked;
    for (std::size_t entry = 0; entry < UpdateList.size(); ++entry) {
        const auto* box = CheckListBox1->item(static_cast<int>(entry));
        if (box && box->checkState() == Qt::Checked)
            checked.push_back(UpdateList[entry]);
    }
    UpdateList = std::move(checked);
    DownloadIndex = 0;
    if (!UpdateList.empty())
        DownloadIt(UpdateList.front());
}

void TForm5::DownloadIt(const UpdateItem& item)
{
    CheckListBox1->hide();
    SetLabel1(text(PackLine::Downloading) + ": " + displayText(item.name) + "...");
    Button1->setEnabled(false);
    Button2->setEnabled(false);
    ProgressBar1->setValue(0);
    ProgressBar1->show();
    Animate1->setActive(true);
    // A download this window cancelled may still be winding down; Timer2 tries again soon.
    if (HTTPGet2->busy()) {
        Timer2->start();
        return;
    }
    // A file that cannot be made ends the run as a failed download does, and says why.
    std::shared_ptr<DownloadFile> download;
    try {
        download = downloadFolder_->create(item.file);
    } catch (const AppError&) {
        ConnectionError();
        throw;
    }
    downloads_.resize(DownloadIndex);
    downloads_.push_back(download);
    HTTPGet2->URL = qtFilePath(updateFileAddress(updateBase(), item.file));
    HTTPGet2->FileName = qtFilePath(download->path());
    HTTPGet2->setTargetFile(std::move(download));
    downloading_ = true;
    HTTPGet2->FetchFile();
}

void TForm5::HTTPGet2Progress(qint32 TotalSize, qint32 Readed)
{
    if (!downloading_)
        return;
    progressPacer_->aboutToChange();
    // A server that reports no length, or sends more than it reported, leaves the bar in range.
    if (TotalSize > 0)
        ProgressBar1->setValue(static_cast<int>(std::clamp<qint64>(qint64{Readed} * 100 / TotalSize, 0, 100)));
    if (TotalSize == Readed)
        setLabelText(Label2, QString());
    else
        setLabelText(Label2, text(PackLine::Received) + ": " + QString::number(Readed) + " " + text(PackLine::Total) + ": "
                                 + QString::number(TotalSize));
}

void TForm5::HTTPGet2DoneFile(const QString& /*FileName*/, qint32 FileSize)
{
    if (!downloading_)
        return;
    downloading_ = false;
    HTTPGet2->setTargetFile(nullptr);
    // Only a file that came whole, as long as the server said, in a successful answer, may
    // ever be installed.
    const auto size = downloads_.back()->size();
    if (FileSize <= 0 || !size || *size != static_cast<std::uint64_t>(FileSize) || !answeredWithSuccess(*HTTPGet2)) {
        ConnectionError();
        return;
    }
    ++DownloadIndex;
    Timer2->start();
}

void TForm5::Timer2Timer()
{
    Timer2->stop();
    if (DownloadIndex < UpdateList.size()) {
        DownloadIt(UpdateList[DownloadIndex]);
        return;
    }
    Animate1->setActive(false);
    SetLabel1(text(PackLine::DownloadsFinished));
    ProgressBar1->setValue(0);
    ProgressBar1->hide();
    setLabelText(Label2, QString());
    setButtonCaption(Button2, text(PackLine::Install) + "...");
    Button2->setEnabled(true);
    Button2->setFocus();
    UpdateStep = UpdateStep::Install;
}

void TForm5::HTTPGet1Error()
{
    // Only the list this window is waiting for; a fetch it cancelled itself says nothing more.
    if (listFetchStarted_)
        ConnectionError();
}

void TForm5::HTTPGet2Error()
{
    if (downloading_)
        ConnectionError();
}

void TForm5::Button1Click()
{
    if (UpdateStep != UpdateStep::CheckForUpdates)
        return;
    Timer1->stop();
    listPause_->stop();
    Animate1->setActive(false);
    WaitTicks = 0;
    listFetchStarted_ = false;
    HTTPGet1->CancelFetch();
    SetLabel1(kBackText);
    ProgressBar1->setValue(0);
    ProgressBar1->hide();
    Button1->setEnabled(false);
    Button2->setEnabled(true);
}

void TForm5::ConnectionError()
{
    Timer1->stop();
    Timer2->stop();
    listPause_->stop();
    listFetchStarted_ = false;
    // The download under way, if any, failed: its file goes.
    if (downloads_.size() > DownloadIndex)
        downloads_.resize(DownloadIndex);
    downloading_ = false;
    HTTPGet2->setTargetFile(nullptr);
    services_.sounds.Beep();
    UpdateStep = UpdateStep::CheckForUpdates;
    setLabelText(Label2, QString());
    HTTPGet1->CancelFetch();
    HTTPGet2->CancelFetch();
    ProgressBar1->setValue(0);
    Animate1->setActive(false);
    SetLabel1(text(PackLine::ConnectionFailed));
    Button1->setEnabled(false);
    Button2->setEnabled(true);
    WaitTicks = 0;
}
