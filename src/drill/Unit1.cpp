#include "Unit1.h"

#include "AccessKeys.h"
#include "Clock.h"
#include "Appearance.h"
#include "ConfigNames.h"
#include "ConfigStore.h"
#include "DisplayText.h"
#include "ErrorBox.h"
#include "FocusRing.h"
#include "LanguagePack.h"
#include "SoundPlayer.h"
#include "WindowValues.h"
#include "OvoWallPaperBMP.h"
#include "Pupils.h"
#include "PackDefaults.h"
#include "ScreenCentre.h"
#include "QuestionGenerator.h"
#include "RandomSource.h"
#include "Shell.h"
#include "WindowTimer.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>
#include <QTimer>

#include <optional>
#include <utility>

using namespace config;

namespace {

constexpr int kClientWidth = 360;
constexpr int kClientHeight = 165;
constexpr const char* kVendorAddress = "www.tovik-software.example";

QFont pixelFont(const char* family, int pixelSize)
{
    QFont font(family);
    font.setPixelSize(pixelSize);
    return font;
}

// Three short bars, the small picture of a button that opens a menu.
QIcon menuPicture()
{
    QPixmap picture(16, 16);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    for (const int top : {3, 7, 11})
        painter.fillRect(2, top, 12, 2, QColor(40, 70, 120));
    return QIcon(picture);
}

QColor lime() { return QColor(0, 255, 0); }
QColor yellow() { return QColor(255, 255, 0); }

} // namespace

TForm1::TForm1(const Services& services, QWidget* parent)
    : QWidget(parent)
    , services_(services)
{
    setObjectName("Form1");
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);
    setFixedSize(kClientWidth, kClientHeight);
    setFont(pixelFont("MS Sans Serif", 11));
    centreOnScreen(*this);

    createControls();
    connectHandlers();
    Sound->start();
    FormCreate();
}

TQuestion TForm1::Generate(int operation, int level)
{
    return generateQuestion(operation, level, services_.random);
}

QString TForm1::text(PackLine line) const
{
    return packText(services_.pack, line);
}

void TForm1::createControls()
{
    // Created back to front: the background first, then the labels, then every button.
    OvoWallPaperBMP1 = new TOvoWallPaperBMP(this);
    OvoWallPaperBMP1->setObjectName("OvoWallPaperBMP1");

    // The question and the verdict are read out as they appear; their shadows never.
    const auto label = [this](const char* name, QPoint place, int pixelSize,
                              std::optional<LabelReading> reading = {}) {
        QLabel* created = reading ? createLabel(this, name, place, *reading) : createLabel(this, name, place);
        created->setFont(pixelFont("MS Sans Serif", pixelSize));
        return created;
    };
    Label5 = label("Label5", {135, 30}, 11, LabelReading::Shadow);
    Label3 = label("Label3", {0, 122}, 32, LabelReading::Shadow);
    Label2 = label("Label2", {0, 120}, 32, LabelReading::LiveStatus);
    Label4 = label("Label4", {130, 30}, 11);
    Label6 = label("Label6", {18, 12}, 19, LabelReading::Shadow);
    Label1 = label("Label1", {16, 10}, 19, LabelReading::LiveStatus);
    for (QLabel* description : {Label4, Label5}) {
        description->setWordWrap(true);
        description->hide();
    }
    Label2->hide();
    Label3->hide();

    Label7 = label("Label7", {kClientWidth - 110, 0}, 11, LabelReading::Link);
    Label7->setFont(pixelFont("Verdana", 11));
    Label7->setAutoFillBackground(true);
    QPalette linkPalette = Label7->palette();
    linkPalette.setColor(QPalette::Window, Qt::black);
    linkPalette.setColor(QPalette::WindowText, lime());
    Label7->setPalette(linkPalette);
    Label7->setCursor(Qt::PointingHandCursor);
    Label7->setText(kVendorAddress);
    Label7->adjustSize();
    Label7->installEventFilter(this);
    // The question's first painted frame starts the time its answer takes.
    Label1->installEventFilter(this);
    // Reached by Tab, not by a click, so the mouse leaves no focus ring on it.
    Label7->setFocusPolicy(Qt::TabFocus);

    const auto button = [this](const char* name, QRect place) {
        auto* created = new QPushButton(this);
        created->setObjectName(name);
        created->setGeometry(place);
        return created;
    };
    Button1 = button("Button1", {390, 10, 100, 26});
    Button2 = button("Button2", {390, 50, 100, 26});
    Button3 = button("Button3", {-110, 90, 100, 26});
    Button4 = button("Button4", {-110, 130, 100, 26});
    BitBtn1 = button("BitBtn1", {10, 170, 100, 26});
    BitBtn1->setIcon(menuPicture());
    BitBtn1->installEventFilter(this);
    Button5 = button("Button5", {20, -30, 100, 25});
    Button6 = button("Button6", {20, -30, 100, 25});
    Button7 = button("Button7", {20, -30, 100, 25});
    Button8 = button("Button8", {16, 48, 70, 60});
    Button9 = button("Button9", {102, 48, 70, 60});
    Button10 = button("Button10", {188, 48, 70, 60});
    Button11 = button("Button11", {274, 48, 70, 60});
    Button12 = button("Button12", {274, 128, 70, 25});
    Button13 = button("Button13", {16, 128, 70, 25});
    for (QPushButton* answer : {Button8, Button9, Button10, Button11}) {
        answer->setFont(pixelFont("MS Sans Serif", 24));
        answer->setCursor(Qt::PointingHandCursor);
    }
    Button12->setCursor(Qt::PointingHandCursor);
    Button13->setCursor(Qt::PointingHandCursor);

    QWidget* previous = nullptr;
    for (QPushButton* next : {Button1, Button2, Button3, Button4, BitBtn1, Button5, Button6, Button7,
                              Button8, Button9, Button10, Button11, Button12, Button13}) {
        next->hide();
        if (previous)
            setTabOrder(previous, next);
        previous = next;
    }
    setTabOrder(Button13, Label7);
    new FocusRing(this);

    const auto timer = [this](const char* name, int interval) {
        auto* created = new QTimer(this);
        created->setObjectName(name);
        setWindowTimerInterval(*created, interval);
        return created;
    };
    Timer1 = timer("Timer1", 50);
    Sound = timer("Sound", 1);
    Timer2 = timer("Timer2", 50);
    Timer3 = timer("Timer3", 50);

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName("PopupMenu1");
    const auto item = [this](const char* name) {
        QAction* created = PopupMenu1->addAction(QString());
        created->setObjectName(name);
        created->setEnabled(false);
        return created;
    };
    GenerateaQuiz1 = item("GenerateaQuiz1");
    Settings1 = item("Settings1");
    CheckforUpdate1 = item("CheckforUpdate1");
    About1 = item("About1");
    Progress1 = item("Progress1");
    ChangePupil1 = item("ChangePupil1");
    Classroom1 = item("Classroom1");
    // The pictures are loaded when the menu first opens: the first frame does not show them.
    connect(PopupMenu1, &QMenu::aboutToShow, this, &TForm1::GiveMenuPictures, Qt::SingleShotConnection);

    const auto shortcut = [this](QKeySequence keys, void (TForm1::*handler)()) {
        connectGuarded(services_.dialogs, new QShortcut(keys, this), &QShortcut::activated, this, handler);
    };
    for (const auto key : {Qt::Key_Return, Qt::Key_Enter})
        shortcut(key, &TForm1::PressEnter);
    shortcut(Qt::Key_Menu, &TForm1::PressMenuKey);
    shortcut(Qt::SHIFT | Qt::Key_F10, &TForm1::PressMenuKey);
    shortcut(Qt::Key_Escape, &TForm1::PressEscape);
    // A digit of the top row; the number pad's digits reach the same shortcut.
    constexpr Qt::Key kDigits[] = {Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4};
    for (int position = 1; position <= 4; ++position) {
        auto* digit = new QShortcut(QKeySequence(kDigits[position - 1]), this);
        connect(digit, &QShortcut::activated, this,
                [this, position] { guarded(services_.dialogs, [&] { PressAnswerKey(position); }); });
    }
}

void TForm1::connectHandlers()
{
    const std::pair<QPushButton*, void (TForm1::*)()> clicks[] = {
        {Button1, &TForm1::Button1Click},   {Button2, &TForm1::Button2Click},
        {Button3, &TForm1::Button3Click},   {Button4, &TForm1::Button4Click},
        {Button5, &TForm1::Button5Click},   {Button6, &TForm1::Button6Click},
        {Button7, &TForm1::Button7Click},   {Button8, &TForm1::Button8Click},
        {Button9, &TForm1::Button9Click},   {Button10, &TForm1::Button10Click},
        {Button11, &TForm1::Button11Click}, {Button12, &TForm1::Button12Click},
        {Button13, &TForm1::Button13Click}, {BitBtn1, &TForm1::BitBtn1Click},
    };
    Dialogs& dialogs = services_.dialogs;
    for (const auto& [button, handler] : clicks)
        connectGuarded(dialogs, button, &QPushButton::clicked, this, handler);
    connectGuarded(dialogs, GenerateaQuiz1, &QAction::triggered, this, &TForm1::GenerateaQuiz1Click);
    connectGuarded(dialogs, Settings1, &QAction::triggered, this, &TForm1::Settings1Click);
    connectGuarded(dialogs, CheckforUpdate1, &QAction::triggered, this, &TForm1::CheckforUpdate1Click);
    connectGuarded(dialogs, About1, &QAction::triggered, this, &TForm1::About1Click);
    connectGuarded(dialogs, Progress1, &QAction::triggered, this, &TForm1::Progress1Click);
    connectGuarded(dialogs, ChangePupil1, &QAction::triggered, this, &TForm1::ChangePupil1Click);
    connectGuarded(dialogs, Classroom1, &QAction::triggered, this, &TForm1::Classroom1Click);
    // A screen reader presses the link label through its link.
    connectGuarded(dialogs, Label7, &QLabel::linkActivated, this, &TForm1::Label7Click);
    connectGuardedTimer(dialogs, Timer1, this, &TForm1::Timer1Timer);
    connectGuardedTimer(dialogs, Timer2, this, &TForm1::Timer2Timer);
    connectGuardedTimer(dialogs, Timer3, this, &TForm1::Timer3Timer);
    connectGuardedTimer(dialogs, Sound, this, &TForm1::SoundTimer);

    // What other windows change, the main window applies.
    Appearance& appearance = services_.appearance;
    connect(&appearance, &Appearance::titleChanged, this, &TForm1::ShowTitle);
    connect(&services_.pupils, &Pupils::currentChanged, this, &TForm1::ShowTitle);
    connect(&services_.pupils, &Pupils::namesChanged, this, &TForm1::ShowPupilMenuItem);
    connect(&appearance, &Appearance::backgroundChanged, this, &TForm1::ApplyBackground);
    connect(&appearance, &Appearance::textColorsChanged, this, &TForm1::ApplyTextColors);
    connect(&appearance, &Appearance::languageChanged, this, [this] { guarded(services_.dialogs, [this] { Recaption(); }); });
}

void TForm1::FormCreate()
{
    // Each step stands on its own: a pack, a title, a picture or a colour that cannot be had
    // is reported and keeps its design value, and the menus still come, so the settings
    // window that repairs it can always be reached.
    ConfigStore& store = services_.store;
    createInSteps(services_.dialogs, {
        [&] {
            services_.pack.Clear();
            services_.pack.Load(store.ReadString(kInterface, kLanguagePack, ""));
        },
        [&] { services_.appearance.setTitle(displayText(store.ReadString(kInterface, kCaption, ""))); },
        [&] { services_.appearance.loadBackground(store.ReadString(kInterface, kBackgroundImage, "")); },
        [&] { HizayaGir(); },
        [&] { ShowOperationMenu(); },
        [&] { SetMenuCaptions(); },
        [&] { ShowPupilMenuItem(); },
    });
    Label7->move(width() - Label7->width(), 0);
}

void TForm1::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    guarded(services_.dialogs, [this] { FormShow(); });
}

void TForm1::FormShow()
{
    services_.random.RandomizeOnce();
}

void TForm1::ApplyBackground(const QImage& background)
{
    OvoWallPaperBMP1->setBitmap(&background);
}

void TForm1::ShowTitle()
{
    const std::string& pupil = services_.pupils.current();
    const QString title = services_.appearance.title();
    setWindowTitle(pupil.empty() ? title : title + " - " + displayText(pupil));
}

void TForm1::ShowPupilMenuItem()
{
    ChangePupil1->setVisible(services_.pupils.enabled());
}

void TForm1::ApplyTextColors(const QColor& text, const QColor& shadow)
{
    setTextColor(Label4, text);
    setTextColor(Label5, shadow);
}

void TForm1::HizayaGir()
{
    ParkFocus();
    SetOperationMenuCaptions();
    SetLevelMenuCaptions();

    const QColor foreground = storedColor(services_.store, kTextForegroundColor);
    setTextColor(Label1, foreground);
    setTextColor(Label4, foreground);
    const QColor shadow = storedColor(services_.store, kTextBackgroundColor);
    setTextColor(Label6, shadow);
    setTextColor(Label5, shadow);

    setLabelText(Label1, QString());
    setLabelText(Label6, Label1->text());
    Label6->move(Label1->pos() + QPoint(2, 2));
    for (QLabel* hidden : {Label2, Label3, Label4, Label5})
        hidden->hide();
    ChoicePending = false;

    Button1->move(390, 10);
    Button2->move(390, 50);
    Button3->move(-110, 90);
    Button4->move(-110, 130);
    for (QPushButton* level : {Button5, Button6, Button7})
        level->move(level->x(), -30);
    BitBtn1->move(BitBtn1->x(), 170);
    for (QPushButton* hidden : {Button1, Button2, Button3, Button4, Button5, Button6, Button7,
                                Button8, Button9, Button10, Button11, Button12, BitBtn1})
        hidden->hide();
}

void TForm1::ShowOperationMenu()
{
    if (switchIsOn(services_.store, kAnimatedButtons)) {
        Timer1->start();
        return;
    }
    for (QPushButton* shown : {Button1, Button2, Button3, Button4, BitBtn1})
        shown->show();
    Button1->move(10, Button1->y());
    Button2->move(90, Button2->y());
    Button3->move(170, Button3->y());
    Button4->move(250, Button4->y());
    BitBtn1->move(BitBtn1->x(), 130);
    Button1->setFocus();
}

void TForm1::GiveMenuPictures()
{
    const std::pair<QAction*, QStyle::StandardPixmap> pictures[] = {
        {GenerateaQuiz1, QStyle::SP_FileDialogDetailedView},
        {Settings1, QStyle::SP_FileDialogContentsView},
        {CheckforUpdate1, QStyle::SP_BrowserReload},
        {About1, QStyle::SP_MessageBoxInformation},
        {Progress1, QStyle::SP_FileDialogInfoView},
        {ChangePupil1, QStyle::SP_DirHomeIcon},
        {Classroom1, QStyle::SP_ComputerIcon},
    };
    for (const auto& [item, picture] : pictures)
        item->setIcon(style()->standardIcon(picture));
}

void TForm1::SetMenuCaptions()
{
    GenerateaQuiz1->setText(text(PackLine::MakeQuiz) + "...");
    Settings1->setText(text(PackLine::Settings) + "...");
    CheckforUpdate1->setText(text(PackLine::CheckForUpdates) + "...");
    About1->setText(text(PackLine::About) + "...");
    for (const auto& [item, line] : {std::pair{Progress1, PackLine::Progress}, std::pair{ChangePupil1, PackLine::ChangePupil},
                                     std::pair{Classroom1, PackLine::Classroom}})
        item->setText(displayText(packLineOrEnglish(services_.pack, line)) + "...");
    // Each item gets a letter that chooses it from the keyboard, unless the pack marks its own.
    const QList<QAction*> items = PopupMenu1->actions();
    std::vector<std::u32string> captions;
    for (const QAction* item : items)
        captions.push_back(item->text().toStdU32String());
    const auto keyed = withAccessKeys(captions);
    for (qsizetype index = 0; index < items.size(); ++index)
        items[index]->setText(QString::fromStdU32String(keyed[static_cast<std::size_t>(index)]));
}

void TForm1::SetOperationMenuCaptions()
{
    Button1->setText(text(PackLine::Addition) + " (+)");
    Button2->setText(text(PackLine::Subtraction) + " (-)");
    Button3->setText(text(PackLine::Multiplication) + " (x)");
    Button4->setText(text(PackLine::Division) + " (:)");
    BitBtn1->setText(text(PackLine::Menu));
}

void TForm1::SetLevelMenuCaptions()
{
    Button5->setText(text(PackLine::Level) + " &1");
    Button6->setText(text(PackLine::Level) + " &2");
    Button7->setText(text(PackLine::Level) + " &3");
}

bool TForm1::OperationMenuInView() const
{
    return Button1->x() == 10;
}

void TForm1::BitBtn1Click()
{
    if (std::exchange(menuClickByMouse_, false))
        PopupMenu1->popup(QCursor::pos());
    else
        OpenPopupMenuAtButton();
}

void TForm1::OpenPopupMenuAtButton()
{
    PopupMenu1->popup(BitBtn1->mapToGlobal(QPoint(0, BitBtn1->height())));
    for (QAction* item : PopupMenu1->actions()) {
        if (item->isEnabled()) {
            PopupMenu1->setActiveAction(item);
            break;
        }
    }
}

void TForm1::PressMenuKey()
{
    // The menu button is in view exactly while the operation menu is.
    if (BitBtn1->isVisible())
        OpenPopupMenuAtButton();
}

void TForm1::PressAnswerKey(int position)
{
    QPushButton* const answers[] = {Button8, Button9, Button10, Button11};
    QPushButton* answer = answers[position - 1];
    if (answer->isVisible())
        answer->click();
}

void TForm1::PressEscape()
{
    if (Button13->isVisible())
        Button13->click();
    else if (LevelMenuInView())
        LeaveLevelMenu();
}

bool TForm1::LevelMenuInView() const
{
    // From the moment the operation menu starts to leave until a level is chosen.
    return Timer2->isActive() || Timer3->isActive() || Button5->isVisible();
}

void TForm1::LeaveLevelMenu()
{
    Timer2->stop();
    Timer3->stop();
    HizayaGir();
    ShowOperationMenu();
}

void TForm1::ParkFocus()
{
    if (qobject_cast<QPushButton*>(focusWidget()))
        setFocus();
}

void TForm1::SetMenuWindow(MenuItem item, std::function<void()> open)
{
    QAction* const items[] = {GenerateaQuiz1, Settings1, CheckforUpdate1, About1, Progress1, ChangePupil1, Classroom1};
    QAction* action = items[static_cast<int>(item)];
    action->setEnabled(static_cast<bool>(open));
    menuWindows_[action] = std::move(open);
}

void TForm1::OpenMenuWindow(QAction* item)
{
    if (const auto found = menuWindows_.find(item); found != menuWindows_.end() && found->second)
        found->second();
}

void TForm1::GenerateaQuiz1Click() { OpenMenuWindow(GenerateaQuiz1); }
void TForm1::Settings1Click() { OpenMenuWindow(Settings1); }
void TForm1::CheckforUpdate1Click() { OpenMenuWindow(CheckforUpdate1); }
void TForm1::About1Click() { OpenMenuWindow(About1); }
void TForm1::Progress1Click() { OpenMenuWindow(Progress1); }
void TForm1::ChangePupil1Click() { OpenMenuWindow(ChangePupil1); }
void TForm1::Classroom1Click() { OpenMenuWindow(Classroom1); }

void TForm1::PlaySound(const std::string& soundValue)
{
    if (switchIsOn(services_.store, kPlaySounds))
        services_.sounds.Play(services_.store.ReadString(kInterface, soundValue, ""));
}

void TForm1::PressEnter()
{
    // The link label takes Enter when it has the focus. Otherwise, after a right answer,
    // Enter asks for the next question wherever the focus is; before that it presses the
    // button that has the focus, as Space does.
    if (focusWidget() == Label7) {
        Label7Click();
        return;
    }
    if (Button12->isVisible() && Button12->isEnabled()) {
        Button12->click();
        return;
    }
    if (auto* focused = qobject_cast<QPushButton*>(focusWidget()); focused && focused->isVisible())
        focused->click();
}

bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Label1) {
        if (event->type() == QEvent::Paint && std::exchange(awaitingQuestionFrame_, false))
            questionPaintedAt_ = services_.clock.steadyMilliseconds();
        return false;
    }
    if (watched == BitBtn1) {
        // A click that a mouse button's release makes opens the menu at the mouse.
        if (event->type() == QEvent::MouseButtonPress)
            menuClickByMouse_ = false;
        else if (event->type() == QEvent::MouseButtonRelease)
            menuClickByMouse_ = BitBtn1->isDown(); // the release that clicks a pressed button
        return false;
    }
    if (watched != Label7)
        return QWidget::eventFilter(watched, event);
    // Only the left button opens the web site, once per click: the second press of a double
    // click comes as a double-click event, which starts no click of its own.
    const auto leftButton = [event] { return static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton; };
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        if (leftButton()) {
            linkPressed_ = true;
            guarded(services_.dialogs, [this] { Label7MouseDown(); });
        }
        break;
    case QEvent::MouseButtonDblClick:
        linkPressed_ = false;
        break;
    case QEvent::MouseButtonRelease:
        if (leftButton()) {
            guarded(services_.dialogs, [this] { Label7MouseUp(); });
            const QPoint place = static_cast<QMouseEvent*>(event)->position().toPoint();
            if (std::exchange(linkPressed_, false) && Label7->rect().contains(place))
                guarded(services_.dialogs, [this] { Label7Click(); });
        }
        break;
    default:
        break;
    }
    return false;
}

void TForm1::Label7MouseDown()
{
    setTextColor(Label7, yellow());
}

void TForm1::Label7MouseUp()
{
    setTextColor(Label7, lime());
}

void TForm1::Label7Click()
{
    services_.shell.Open(kVendorAddress);
}
