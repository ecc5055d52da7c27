// The update checker's creation: its controls at their design places, the handlers behind
// them, the opening texts, and its closing.

#include "update.h"

#include "AnimationControl.h"
#include "DialogFrame.h"
#include "ErrorBox.h"
#include "HTTPGet.h"
#include "PaintPacer.h"
#include "ProgramDirectory.h"
#include "LanguagePack.h"
#include "WindowTimer.h"
#include "WindowValues.h"

#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QTimer>

namespace {

constexpr int kClientWidth = 280;
constexpr int kClientHeight = 144;
constexpr int kLabel1Width = 208;
constexpr int kAnimationStopFrame = 45;
constexpr int kListPauseMilliseconds = 500;
constexpr const char* kAgent = "Calcora 2.01";

} // namespace

TForm5::TForm5(const Services& services, QWidget* parent)
    : QDialog(parent)
    , services_(services)
{
    setObjectName("Form5");
    frameDialog(*this, QSize(kClientWidth, kClientHeight));

    createControls();
    connectHandlers();
    guarded(services_.dialogs, [this] { FormCreate(); });
}

void TForm5::createControls()
{
    Bevel1 = place(new QFrame(this), "Bevel1", {8, 8, 51, 51});
    Bevel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Animate1 = place(new AnimationControl(this), "Animate1", {9, 9, 48, 48});

    // The step's message is read out whenever it changes.
    Label1 = createLabel(this, "Label1", {64, 8}, LabelReading::LiveStatus);
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    CheckListBox1 = place(new QListWidget(this), "CheckListBox1", {64, 24, 209, 81});
    CheckListBox1->hide();

    Label2 = createLabel(this, "Label2", {64, 72});

    ProgressBar1 = place(new QProgressBar(this), "ProgressBar1", {64, 88, 208, 16});
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->hide();
    progressPacer_ = new PaintPacer(*this);

    Button1 = place(new QPushButton(this), "Button1", {64, 112, 65, 25});
    Button1->setEnabled(false);
    Button2 = place(new QPushButton(this), "Button2", {136, 112, 65, 25});
    Button2->setDefault(true);
    BitBtn1 = place(new QPushButton(this), "BitBtn1", {208, 112, 65, 25});
    // Enter is Next wherever the focus is, Esc is Cancel: neither Back nor Cancel takes Enter
    // when it has the focus (Space still presses it).
    Button1->setAutoDefault(false);
    BitBtn1->setAutoDefault(false);
    BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));

    const auto fetcher = [this](const char* name) {
        auto* created = new THTTPGet(this);
        created->setObjectName(name);
        created->AcceptTypes = "*/*";
        created->Agent = kAgent;
        created->BinaryData = false;
        created->UseCache = false;
        created->WaitThread = false;
        return created;
    };
    HTTPGet1 = fetcher("HTTPGet1");
    HTTPGet2 = fetcher("HTTPGet2");

    const auto timer = [this](const char* name, int interval) {
        auto* created = new QTimer(this);
        created->setObjectName(name);
        setWindowTimerInterval(*created, interval);
        return created;
    };
    Timer1 = timer("Timer1", 200);
    Timer2 = timer("Timer2", 1);
    listPause_ = timer("ListPause", kListPauseMilliseconds);
    listPause_->setSingleShot(true);
}

void TForm5::connectHandlers()
{
    Dialogs& dialogs = services_.dialogs;
    connectGuarded(dialogs, Button1, &QPushButton::clicked, this, &TForm5::Button1Click);
    connectGuarded(dialogs, Button2, &QPushButton::clicked, this, &TForm5::Button2Click);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::reject);
    // Toggling a box with the mouse or the space bar; the window's own filling is not a toggle.
    connectGuarded(dialogs, CheckListBox1, &QListWidget::itemChanged, this, &TForm5::CheckListBox1ClickCheck);

    connectGuardedTimer(dialogs, Timer1, this, &TForm5::Timer1Timer);
    connectGuardedTimer(dialogs, Timer2, this, &TForm5::Timer2Timer);
    connectGuardedTimer(dialogs, listPause_, this, &TForm5::ShowUpdates);

    connect(HTTPGet1, &THTTPGet::OnDoneString, this, [this](QObject*, const QByteArray& result) {
        guarded(services_.dialogs, [&] { HTTPGet1DoneString(result); });
    });
    connectGuarded(dialogs, HTTPGet1, &THTTPGet::OnError, this, &TForm5::HTTPGet1Error);
    connect(HTTPGet2, &THTTPGet::OnProgress, this, [this](QObject*, qint32 totalSize, qint32 readed) {
        guarded(services_.dialogs, [&] { HTTPGet2Progress(totalSize, readed); });
    });
    connect(HTTPGet2, &THTTPGet::OnDoneFile, this, [this](QObject*, const QString& fileName, qint32 fileSize) {
        guarded(services_.dialogs, [&] { HTTPGet2DoneFile(fileName, fileSize); });
    });
    connectGuarded(dialogs, HTTPGet2, &THTTPGet::OnError, this, &TForm5::HTTPGet2Error);
}

void TForm5::FormCreate()
{
    Animate1->setFileName(programFile("update.avi"));
    Animate1->setStopFrame(kAnimationStopFrame);
    setWindowTitle(text(PackLine::CheckForUpdates));
    SetLabel1(text(PackLine::UpdateIntroduction));
    setButtonCaption(Button1, "<<< " + text(PackLine::UpdateBack));
    setButtonCaption(Button2, text(PackLine::UpdateStart) + " >>>");
    BitBtn1->setText(text(PackLine::Cancel));
    WaitTicks = 0;
    UpdateStep = UpdateStep::CheckForUpdates;
    UpdateList.clear();
}

void TForm5::done(int result)
{
    guarded(services_.dialogs, [this] { FormClose(); });
    QDialog::done(result);
}

void TForm5::FormClose()
{
    Timer1->stop();
    Timer2->stop();
    listPause_->stop();
    Animate1->setActive(false);
    WaitTicks = 0;
    listFetchStarted_ = false;
    downloading_ = false;
    HTTPGet1->CancelFetch();
    HTTPGet2->CancelFetch();
    HTTPGet2->setTargetFile(nullptr);
    downloads_.clear();
}

QString TForm5::text(PackLine line) const
{
    return packText(services_.pack, line);
}

void TForm5::SetLabel1(const QString& text)
{
    Label1->setText(text);
    Label1->resize(kLabel1Width, Label1->heightForWidth(kLabel1Width));
    showAnnounced(Label1);
}
