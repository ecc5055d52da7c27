#pragma once

#include "Facts.h"
#include "PackLines.h"
#include "Practice.h"
#include "Question.h"

#include <QWidget>

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>

class Appearance;
class Clock;
class ConfigStore;
class Dialogs;
class LanguagePack;
class History;
class Pupils;
class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QTimer;
class RandomSource;
class Shell;
class SoundPlayer;
class TOvoWallPaperBMP;

// The main window: the pupil's whole working surface and the program's main form. It shows
// the tiled background, the operation menu that slides in from the sides and out upwards,
// the level menu that drops in from the top, and the question screen of a drill round.
// It alone changes its controls: what other windows change (the title, the colours, the
// background, the language) it takes from the appearance it listens to. Every control carries
// its name as objectName(), so that tests and screen readers find it and press it.
class TForm1 : public QWidget {
    Q_OBJECT

public:
    // What the main window works with.
    struct Services {
        ConfigStore& store;
        LanguagePack& pack;
        Appearance& appearance;
        Dialogs& dialogs;
        SoundPlayer& sounds;
        Shell& shell;
        RandomSource& random;
        History& history;
        Clock& clock;
        Pupils& pupils;
    };

    // The pop-up menu's items, in their order. Change Pupil is in view while pupils are on.
    enum class MenuItem { MakeQuiz, Settings, CheckForUpdates, About, Progress, ChangePupil, Classroom };

    explicit TForm1(const Services& services, QWidget* parent = nullptr);

    // The windows of the pop-up menu are built on top of the main window, so start-up tells
    // it how to open each one: modally, waiting until it closes. An item without a window
    // stays in the menu, unavailable.
    void SetMenuWindow(MenuItem item, std::function<void()> open);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // A new question from the random source.
    TQuestion Generate(int operation, int level);

    // The layout reset: captions and colours from the pack and the store, every menu
    // button back at its start place outside the window, and nothing of a question shown.
    void HizayaGir();
    // Shows a new question of the current operation and level.
    void SoruGoster();

    // Operation menu buttons, level buttons, answer buttons, next and back.
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void Button5Click();
    void Button6Click();
    void Button7Click();
    void Button8Click();
    void Button9Click();
    void Button10Click();
    void Button11Click();
    void Button12Click();
    void Button13Click();
    void BitBtn1Click();

    // One step of the slide-in, the slide-out and the drop-in; the one-shot animation sound.
    void Timer1Timer();
    void Timer2Timer();
    void Timer3Timer();
    void SoundTimer();

    // The pop-up menu's items: each opens its window modally and waits until it closes.
    void GenerateaQuiz1Click();
    void Settings1Click();
    void CheckforUpdate1Click();
    void About1Click();
    void Progress1Click();
    void ChangePupil1Click();
    void Classroom1Click();

    void Label7MouseDown();
    void Label7MouseUp();
    void Label7Click();

    // The captions of the pop-up menu's four items.
    void SetMenuCaptions();
    // The captions of the operation menu's buttons, of the level buttons, and the level
    // description's text at its width: what a window that loads another language pack
    // re-applies for the screen in view.
    void SetOperationMenuCaptions();
    void SetLevelMenuCaptions();
    void SetLevelDescriptionText();
    // Whether the operation menu, rather than the level menu, is the screen in view.
    bool OperationMenuInView() const;
    // After another language pack has been loaded: the pop-up menu's captions and those of
    // the screen in view. Captions of the other screen change when it is next laid out.
    void Recaption();

    int CurrentOperation = 1;
    int CurrentLevel = 1;
    TQuestion CurrentQuestion;
    bool ChoicePending = false;

    TOvoWallPaperBMP* OvoWallPaperBMP1;
    QLabel* Label5;
    QLabel* Label3;
    QLabel* Label2;
    QLabel* Label4;
    QLabel* Label6;
    QLabel* Label1;
    QLabel* Label7;
    QPushButton* Button1;
    QPushButton* Button2;
    QPushButton* Button3;
    QPushButton* Button4;
    QPushButton* BitBtn1;
    QPushButton* Button5;
    QPushButton* Button6;
    QPushButton* Button7;
    QPushButton* Button8;
    QPushButton* Button9;
    QPushButton* Button10;
    QPushButton* Button11;
    QPushButton* Button12;
    QPushButton* Button13;
    QTimer* Timer1;
    QTimer* Sound;
    QTimer* Timer2;
    QTimer* Timer3;
    QMenu* PopupMenu1;
    QAction* GenerateaQuiz1;
    QAction* Settings1;
    QAction* CheckforUpdate1;
    QAction* About1;
    QAction* Progress1;
    QAction* ChangePupil1;
    QAction* Classroom1;

    void createControls();
    void connectHandlers();
    void FormCreate();
    void FormShow();

    void ShowOperationMenu();
    void GiveMenuPictures();
    // The pop-up menu at the menu button, its first item chosen, as the keyboard opens it.
    void OpenPopupMenuAtButton();
    void PressMenuKey();
    // Keys 1 to 4 press the answer buttons during a question; Escape goes back a screen.
    void PressAnswerKey(int position);
    void PressEscape();
    bool LevelMenuInView() const;
    void LeaveLevelMenu();
    // While the screen changes, the focus waits on the window, not on a button that goes.
    void ParkFocus();
    void ChooseOperation(int operation);
    void ChooseLevel(int level);
    void ShowLevelDescription();
    // Judges the answer button at `position` (1 to 4), and keeps the press in the history.
    void Judge(int position);
    void KeepPress(int position);
    // The next question of a round: drawn at random, or, while weak facts are practised, the
    // fact that practice brings back.
    TQuestion NextQuestion(int operation);
    // A new round of the operation and level chosen.
    void StartRound();
    bool PractisingWeakFacts() const;
    std::int32_t FluencyMarkMilliseconds() const;
    void Correct();
    void Wrong();
    void ShowVerdict(PackLine verdict, const char* foregroundValue, const char* backgroundValue);
    void PlaySound(const std::string& soundValue);
    void PressEnter();
    void OpenMenuWindow(QAction* item);
    QString text(PackLine line) const;
    // What the appearance tells of the windows that changed it.
    void ApplyBackground(const QImage& background);
    void ApplyTextColors(const QColor& text, const QColor& shadow);
    // The title: the appearance's, followed by the name of the pupil who is practising.
    void ShowTitle();
    void ShowPupilMenuItem();

    Services services_;
    std::map<QAction*, std::function<void()>> menuWindows_;
    // The question in view: when its first frame was painted (-1: not yet), and whether it
    // has been pressed. Only its first press says how well the fact is known.
    std::int64_t questionPaintedAt_ = -1;
    bool awaitingQuestionFrame_ = false;
    bool questionPressed_ = false;
    // While weak facts are practised: the level-1 facts of the round's operation, and the
    // missed questions of levels 2 and 3 that come back.
    std::optional<WeakFactPractice> weakFacts_;
    ComeBack<Fact> missedComeBack_;
    // Whether the menu button's click comes from the mouse, which opens the menu at the mouse.
    bool menuClickByMouse_ = false;
    // Whether a left press on the link label waits for its release.
    bool linkPressed_ = false;
};
