// The settings window's creation and opening, the sounds switch and the play buttons.

#include "settings.h"

#include "ColorSwatch.h"
#include "ConfigDefaults.h"
#include "ConfigNames.h"
#include "ConfigStore.h"
#include "DialogFrame.h"
#include "DisplayText.h"
#include "ErrorBox.h"
#include "FileNameCase.h"
#include "OvoWallPaperBMP.h"
#include "PathBox.h"
#include "PathText.h"
#include "ProgramDirectory.h"
#include "SoundPlayer.h"
#include "Appearance.h"
#include "LanguagePack.h"
#include "WindowValues.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

using namespace config;

namespace {

constexpr int kClientWidth = 313;
constexpr int kClientHeight = 344;

} // namespace

TForm4::TForm4(const Services& services, QWidget* parent)
    : QDialog(parent)
    , services_(services)
{
    setObjectName("Form4");
    // Centred on the screen rather than over the main window.
    frameDialog(*this, QSize(kClientWidth, kClientHeight));

    createControls();
    connectHandlers();
    FormCreate();
}

void TForm4::FormCreate()
{
    // The texts, the stored values and the colours are put in as steps of their own: with a
    // pack that lacks a text the window still shows, and saves, the user's values, so it can
    // be used to choose a better pack.
    createInSteps(services_.dialogs, {[this] { ShowTexts(); }, [this] { ShowStoredValues(); },
                   [this] { ShowPlayTooltips(); }, [this] { ShowStoredColors(); }});
}

void TForm4::ShowTexts()
{
    setWindowTitle(text(PackLine::Settings));
    setLabelText(Label4, text(PackLine::WindowTitle) + ":");
    setLabelText(Label1, text(PackLine::AnimatedButtons) + ":");
    RadioButton1->setText(text(PackLine::On));
    RadioButton2->setText(text(PackLine::Off));
    for (QPushButton* browse : browseButtons())
        browse->setText(text(PackLine::Browse));
    setLabelText(Label2, text(PackLine::Background) + ":");
    setLabelText(Label3, text(PackLine::LanguagePackFile) + ":");
    setLabelText(Label11, text(PackLine::Sounds) + ":");
    RadioButton3->setText(text(PackLine::On));
    RadioButton4->setText(text(PackLine::Off));
    QLabel* const soundLabels[] = {Label5, Label6, Label7, Label8, Label9, Label10};
    for (int row = 0; row < 6; ++row)
        setLabelText(soundLabels[row], text(PackLine::Sound) + QString(" %1:").arg(row + 1));
    // Eight buttons share one caption; a screen reader tells them apart by their rows.
    const QLabel* const fileRows[] = {Label2, Label3, Label5, Label6, Label7, Label8, Label9, Label10};
    const auto browses = browseButtons();
    for (std::size_t row = 0; row < browses.size(); ++row)
        browses[row]->setAccessibleDescription(fileRows[row]->text());
    setLabelText(Label12, text(PackLine::Colours) + ":");
    constexpr PackLine kSwatchPairTips[] = {PackLine::TextColours, PackLine::CorrectColours, PackLine::WrongColours};
    const auto colorSwatches = swatches();
    for (int swatch = 0; swatch < 6; ++swatch)
        setTooltipAndName(colorSwatches[swatch], text(kSwatchPairTips[swatch / 2]));
    setLabelText(Label13, text(PackLine::Sample));
    setLabelText(Label14, text(PackLine::Sample));
    Button9->setText(text(PackLine::UseDefaults));
    BitBtn1->setText(text(PackLine::Ok));
    BitBtn2->setText(text(PackLine::Cancel));
}

void TForm4::ShowStoredValues()
{
    Edit1->setText(services_.appearance.title());
    ConfigStore& store = services_.store;
    const auto isOff = [&](const char* name) { return store.ReadString(kInterface, name, "") == kNo; };
    (isOff(kAnimatedButtons) ? RadioButton2 : RadioButton1)->setChecked(true);
    (isOff(kPlaySounds) ? RadioButton4 : RadioButton3)->setChecked(true);
    const auto boxes = fileBoxes();
    const auto fileNames = fileValueNames();
    for (std::size_t row = 0; row < boxes.size(); ++row)
        boxes[row]->setPath(keptPath(store.ReadString(kInterface, fileNames[row], "")));
    Edit1->setToolTip(Edit1->text());
    OvoWallPaperBMP1->setBitmap(&services_.appearance.background());
    valuesShown_ = true;
}

void TForm4::ShowPlayTooltips()
{
    const auto boxes = fileBoxes();
    const auto plays = playButtons();
    for (std::size_t row = 0; row < plays.size(); ++row)
        setTooltipAndName(plays[row], text(PackLine::Play) + " " + shownFileName(boxes[row + 2]->path()));
}

void TForm4::ShowStoredColors()
{
    ConfigStore& store = services_.store;
    const auto colorSwatches = swatches();
    const auto colorNames = colorValueNames();
    for (std::size_t swatch = 0; swatch < colorSwatches.size(); ++swatch)
        storedColorTexts_[swatch] = store.ReadString(kInterface, colorNames[swatch], "");
    for (std::size_t swatch = 0; swatch < colorSwatches.size(); ++swatch) {
        // A stored text that is no colour is reached too: OK repairs it with the swatch's colour.
        colorReached_[swatch] = true;
        colorSwatches[swatch]->setColor(StringToColor(storedColorTexts_[swatch]));
    }
    ColorSampleFrom(0);
}

QString TForm4::text(PackLine line) const
{
    return packText(services_.pack, line);
}

std::array<PathBox*, 8> TForm4::fileBoxes() const
{
    return {Edit2, Edit3, Edit4, Edit5, Edit6, Edit7, Edit8, Edit9};
}

std::array<std::string, 8> TForm4::fileValueNames()
{
    return {kBackgroundImage, kLanguagePack, soundValueName(1), soundValueName(2),
            soundValueName(3), soundValueName(4), soundValueName(5), soundValueName(6)};
}

std::array<QPushButton*, 8> TForm4::browseButtons() const
{
    return {Button1, Button2, Button3, Button4, Button5, Button6, Button7, Button8};
}

std::array<QToolButton*, 6> TForm4::playButtons() const
{
    return {SpeedButton1, SpeedButton2, SpeedButton3, SpeedButton4, SpeedButton5, SpeedButton6};
}

std::array<ColorSwatch*, 6> TForm4::swatches() const
{
    return {Panel3, Panel4, Panel5, Panel6, Panel7, Panel8};
}

std::array<const char*, 6> TForm4::colorValueNames()
{
    return {kTextForegroundColor, kTextBackgroundColor, kCorrectForegroundColor,
            kCorrectBackgroundColor, kWrongForegroundColor, kWrongBackgroundColor};
}

std::string TForm4::keptPath(const std::string& path)
{
    return fileNamesIgnoreCase() ? lowerCaseLetters(path) : path;
}

QString TForm4::shownFileName(const std::string& path)
{
    return qtFilePath(fileNamePart(path, kPathSeparator));
}

void TForm4::Edit1Change()
{
    Edit1->setToolTip(Edit1->text());
}

void TForm4::RadioButton3Click() { FollowSoundsSwitch(); }
void TForm4::RadioButton4Click() { FollowSoundsSwitch(); }

void TForm4::FollowSoundsSwitch()
{
    const bool soundsOn = RadioButton3->isChecked();
    const auto boxes = fileBoxes();
    const auto browses = browseButtons();
    const auto plays = playButtons();
    for (std::size_t row = 0; row < plays.size(); ++row) {
        boxes[row + 2]->setEnabled(soundsOn);
        browses[row + 2]->setEnabled(soundsOn);
        plays[row]->setEnabled(soundsOn);
    }
}

void TForm4::SpeedButton1Click() { PlaySoundRow(0); }
void TForm4::SpeedButton2Click() { PlaySoundRow(1); }
void TForm4::SpeedButton3Click() { PlaySoundRow(2); }
void TForm4::SpeedButton4Click() { PlaySoundRow(3); }
void TForm4::SpeedButton5Click() { PlaySoundRow(4); }
void TForm4::SpeedButton6Click() { PlaySoundRow(5); }

void TForm4::PlaySoundRow(int soundRow)
{
    services_.sounds.Play(fileBoxes()[static_cast<std::size_t>(soundRow + 2)]->path());
}
