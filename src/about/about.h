#pragma once

#include "PackLines.h"

#include <QDialog>

#include <string>

class ClickSpot;
class ConfigStore;
class Dialogs;
class LanguagePack;
class SoundPlayer;
class QFrame;
class QLabel;
class QPushButton;
class TCRPanel;

// The about window: the program's icon, the credits scrolling in a panel with the totals of
// right and wrong answers (the practising pupil's, with pupils on) at their end, and an OK
// button. Holding a mouse button down on the credits holds them still. A spot on the icon plays
// a little sound.
class TForm6 : public QDialog {
    Q_OBJECT

public:
    // What the about window works with.
    struct Services {
        ConfigStore& store;
        LanguagePack& pack;
        Dialogs& dialogs;
        SoundPlayer& sounds;
        std::string pupil; // whose totals are shown: empty for the computer's own
    };

    explicit TForm6(const Services& services, QWidget* parent = nullptr);

    // Plays "nose.wav" from the program's folder; a missing file plays nothing and says nothing.
    void Image2Click();
    // The credits stop while a mouse button is down on them and move on from there after.
    void CRPanel1MouseDown();
    void CRPanel1MouseUp();

    QFrame* Bevel1;
    QLabel* Image1;
    ClickSpot* Image2;
    TCRPanel* CRPanel1;
    QPushButton* BitBtn1;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void createControls();
    void connectHandlers();
    void FormCreate();
    // The icon, the totals at the credits' end and the credits' background, each time shown.
    void FormShow();
    // A total at the credits' end, its number in bold.
    QString TotalLine(PackLine caption, const char* statsValue) const;

    Services services_;
};
