#pragma once

#include "PackLines.h"

#include <QDialog>

#include <array>
#include <string>

class Appearance;
class ColorSwatch;
class ConfigStore;
class Dialogs;
class LanguagePack;
class PathBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;
class SoundPlayer;
class TOvoWallPaperBMP;

// The settings window: the main window's title, the two switches, the background picture, the
// language pack, the six sounds and the six colours. It opens with the stored values and keeps
// every edit in its controls; only OK writes them to the store, all in one write, and then
// changes the title, the background, the text colours and the language in the appearance the
// main window follows. Cancel, Esc and the close box leave everything as it was.
class TForm4 : public QDialog {
    Q_OBJECT

public:
    // What the settings window works with.
    struct Services {
        ConfigStore& store;
        LanguagePack& pack;
        Appearance& appearance;
        Dialogs& dialogs;
        SoundPlayer& sounds;
    };

    explicit TForm4(const Services& services, QWidget* parent = nullptr);

    // The title box's tooltip is always its own text.
    void Edit1Change();

    // Play the row's sound, whatever the sounds switch says.
    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void SpeedButton4Click();
    void SpeedButton5Click();
    void SpeedButton6Click();

    // Browse for the background, the language pack and the six sounds.
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void Button5Click();
    void Button6Click();
    void Button7Click();
    void Button8Click();

    // Either choice of the sounds switch: the sound rows are usable only while it is on.
    void RadioButton3Click();
    void RadioButton4Click();

    // Pick the swatch's colour; the sample moves under the swatch's pair.
    void Panel3Click();
    void Panel4Click();
    void Panel5Click();
    void Panel6Click();
    void Panel7Click();
    void Panel8Click();

    // Puts the defaults into the controls; nothing is written until OK.
    void Button9Click();
    // Writes every value and changes the appearance; the window closes afterwards even when a
    // step fails. When the opening stopped before the values were shown, it writes nothing.
    void BitBtn1Click();

    QLabel* Label4;
    QLineEdit* Edit1;
    QLabel* Label1;
    QFrame* Panel1;
    QRadioButton* RadioButton1;
    QRadioButton* RadioButton2;
    QLabel* Label2;
    PathBox* Edit2;
    QPushButton* Button1;
    QLabel* Label3;
    PathBox* Edit3;
    QPushButton* Button2;
    QLabel* Label11;
    QFrame* Panel2;
    QRadioButton* RadioButton3;
    QRadioButton* RadioButton4;
    QLabel* Label5;
    QLabel* Label6;
    QLabel* Label7;
    QLabel* Label8;
    QLabel* Label9;
    QLabel* Label10;
    QToolButton* SpeedButton1;
    QToolButton* SpeedButton2;
    QToolButton* SpeedButton3;
    QToolButton* SpeedButton4;
    QToolButton* SpeedButton5;
    QToolButton* SpeedButton6;
    PathBox* Edit4;
    PathBox* Edit5;
    PathBox* Edit6;
    PathBox* Edit7;
    PathBox* Edit8;
    PathBox* Edit9;
    QPushButton* Button3;
    QPushButton* Button4;
    QPushButton* Button5;
    QPushButton* Button6;
    QPushButton* Button7;
    QPushButton* Button8;
    QLabel* Label12;
    TOvoWallPaperBMP* OvoWallPaperBMP1;
    QLabel* Label14;
    QLabel* Label13;
    ColorSwatch* Panel3;
    ColorSwatch* Panel4;
    ColorSwatch* Panel5;
    ColorSwatch* Panel6;
    ColorSwatch* Panel7;
    ColorSwatch* Panel8;
    QPushButton* Button9;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;

private:
    void createControls();
    void connectHandlers();
    void FormCreate();
    void ShowTexts();
    void ShowStoredValues();
    void ShowPlayTooltips();
    void ShowStoredColors();

    // The file boxes with their value names: background, language pack, "Sound1" ... "Sound6".
    std::array<PathBox*, 8> fileBoxes() const;
    static std::array<std::string, 8> fileValueNames();
    std::array<QPushButton*, 8> browseButtons() const;
    std::array<QToolButton*, 6> playButtons() const;
    // The swatches with their value names: text, correct and wrong, each foreground first.
    std::array<ColorSwatch*, 6> swatches() const;
    static std::array<const char*, 6> colorValueNames();

    // A path as this window shows and saves it: in lower case where file names ignore case.
    static std::string keptPath(const std::string& path);
    // The file's name without its folder, as screen text.
    static QString shownFileName(const std::string& path);

    void Browse(int fileRow);
    void LoadPreview(const std::string& path);
    void PlaySoundRow(int soundRow);
    void FollowSoundsSwitch();
    void PickColor(int swatch);
    // The sample under a pair of swatches (0 text, 1 correct, 2 wrong) and in its colours.
    void MoveSampleUnder(int pair);
    void ColorSampleFrom(int pair);

    QString text(PackLine line) const;

    Services services_;
    // Whether the opening got as far as showing the stored values. Until it has, the controls
    // hold no values of the user's, and OK must not write them over the stored ones.
    bool valuesShown_ = false;
    // The stored colour texts, and which swatches the opening (or the user) reached. OK
    // writes a swatch that was never reached back as it was stored, so one colour that is no
    // colour does not cost the ones after it.
    std::array<std::string, 6> storedColorTexts_;
    std::array<bool, 6> colorReached_{};
};
