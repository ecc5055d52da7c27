#include "ColorText.h"
#include "SettingsWindowFixture.h"

#include "ColorSwatch.h"
#include "OvoWallPaperBMP.h"
#include "PathBox.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

namespace {

using SettingsOpening = SettingsWindowFixture;

QRect placeInWindow(const QWidget* control)
{
    return {control->mapTo(control->window(), QPoint(0, 0)), control->size()};
}

TEST_F(SettingsOpening, BuildsTheFixedDialogWithEveryControlInPlace)
{
    TForm4& window = openSettings();
    EXPECT_EQ(window.objectName(), "Form4");
    EXPECT_EQ(window.windowTitle(), "Settings");
    EXPECT_EQ(window.size(), QSize(313, 344));
    EXPECT_EQ(window.minimumSize(), window.maximumSize()) << "the size is fixed";
    EXPECT_FALSE(window.windowFlags() & (Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint));
    EXPECT_TRUE(dialogs->errors.isEmpty()) << dialogs->errors.join("\n").toStdString();

    const std::vector<std::pair<const char*, QRect>> places = {
        {"Edit1", {120, 6, 185, 21}},        {"Panel1", {120, 32, 185, 17}},
        {"RadioButton1", {120, 32, 49, 17}}, {"RadioButton2", {168, 32, 49, 17}},
        {"Edit2", {120, 54, 121, 21}},       {"Button1", {244, 54, 60, 20}},
        {"Edit3", {120, 77, 121, 21}},       {"Button2", {244, 77, 60, 20}},
        {"Panel2", {120, 104, 185, 17}},     {"RadioButton3", {120, 104, 49, 17}},
        {"RadioButton4", {168, 104, 49, 17}},
        {"SpeedButton1", {96, 124, 20, 20}}, {"Edit4", {120, 124, 121, 21}}, {"Button3", {244, 124, 60, 20}},
        {"SpeedButton6", {96, 239, 20, 20}}, {"Edit9", {120, 239, 121, 21}}, {"Button8", {244, 239, 60, 20}},
        {"OvoWallPaperBMP1", {120, 264, 184, 40}},
        {"Panel3", {121, 265, 17, 17}},      {"Panel4", {128, 272, 17, 17}},
        {"Panel5", {185, 265, 17, 17}},      {"Panel6", {192, 272, 17, 17}},
        {"Panel7", {249, 265, 17, 17}},      {"Panel8", {256, 272, 17, 17}},
        {"Button9", {45, 310, 100, 25}},     {"BitBtn1", {150, 310, 75, 25}},
        {"BitBtn2", {230, 310, 75, 25}},
    };
    for (const auto& [name, place] : places) {
        const auto* control = window.findChild<QWidget*>(name);
        ASSERT_NE(control, nullptr) << name;
        EXPECT_EQ(placeInWindow(control), place) << name;
    }
    const std::vector<std::pair<QLabel*, QPoint>> labels = {
        {window.Label4, {8, 8}},     {window.Label1, {8, 32}},    {window.Label2, {8, 56}},
        {window.Label3, {8, 80}},    {window.Label11, {8, 105}},  {window.Label5, {8, 128}},
        {window.Label6, {8, 152}},   {window.Label7, {8, 176}},   {window.Label8, {8, 200}},
        {window.Label9, {8, 224}},   {window.Label10, {8, 246}},  {window.Label12, {8, 272}},
        {window.Label13, {121, 289}}, {window.Label14, {122, 291}},
    };
    for (const auto& [label, at] : labels)
        EXPECT_EQ(label->pos(), at) << label->objectName().toStdString();
    EXPECT_TRUE(window.Label13->font().bold());
    EXPECT_TRUE(window.Label14->font().bold());
}

TEST_F(SettingsOpening, StacksTheSampleAndTheSwatchesOverThePreviewAndTabsInDesignOrder)
{
    TForm4& window = openSettings();
    const QObjectList& stack = window.children();
    const auto depth = [&](const QWidget* control) { return stack.indexOf(control); };
    const QWidget* previewStrip = window.OvoWallPaperBMP1->parentWidget();
    EXPECT_LT(depth(previewStrip), depth(window.Label14)) << "the preview lies beneath the sample";
    EXPECT_LT(depth(window.Label14), depth(window.Label13)) << "the shadow lies beneath the text";
    EXPECT_LT(depth(window.Label13), depth(window.Panel3));
    for (const auto& [below, above] : {std::pair{window.Panel4, window.Panel3},
                                       {window.Panel6, window.Panel5}, {window.Panel8, window.Panel7}})
        EXPECT_LT(depth(below), depth(above)) << "a background swatch lies partly under its foreground swatch";

    std::vector<QWidget*> order{window.Edit1};
    for (QWidget* next = window.Edit1->nextInFocusChain(); next != window.Edit1; next = next->nextInFocusChain()) {
        if (next->focusPolicy() & Qt::TabFocus)
            order.push_back(next);
    }
    // Every control a mouse can use, the play buttons and the swatches too.
    const std::vector<QWidget*> expected{window.Edit1, window.RadioButton1, window.RadioButton2,
        window.Edit2, window.Button1, window.Edit3, window.Button2, window.RadioButton3,
        window.RadioButton4, window.SpeedButton1, window.Edit4, window.Button3, window.SpeedButton2,
        window.Edit5, window.Button4, window.SpeedButton3, window.Edit6, window.Button5,
        window.SpeedButton4, window.Edit7, window.Button6, window.SpeedButton5, window.Edit8,
        window.Button7, window.SpeedButton6, window.Edit9, window.Button8, window.Button9,
        window.BitBtn1, window.BitBtn2, window.Panel3, window.Panel4, window.Panel5, window.Panel6,
        window.Panel7, window.Panel8};
    EXPECT_EQ(order, expected);
}

TEST_F(SettingsOpening, EveryCaptionComesFromThePack)
{
    TForm4& window = openSettings();
    EXPECT_EQ(window.Label4->text(), "Window title:");
    EXPECT_EQ(window.Label1->text(), "Animated buttons:");
    EXPECT_EQ(window.Label2->text(), "Background:");
    EXPECT_EQ(window.Label3->text(), "Language pack:");
    EXPECT_EQ(window.Label11->text(), "Sounds:");
    EXPECT_EQ(window.Label5->text(), "Sound 1:");
    EXPECT_EQ(window.Label10->text(), "Sound 6:");
    EXPECT_EQ(window.Label12->text(), "Colours:");
    for (QRadioButton* on : {window.RadioButton1, window.RadioButton3})
        EXPECT_EQ(on->text(), "On");
    for (QRadioButton* off : {window.RadioButton2, window.RadioButton4})
        EXPECT_EQ(off->text(), "Off");
    for (QPushButton* browse : {window.Button1, window.Button2, window.Button3, window.Button4,
                                window.Button5, window.Button6, window.Button7, window.Button8})
        EXPECT_EQ(browse->text(), "Browse...");
    EXPECT_EQ(window.Label13->text(), "Sample");
    EXPECT_EQ(window.Label14->text(), "Sample");
    EXPECT_EQ(window.Button9->text(), "Use Defaults");
    EXPECT_EQ(window.BitBtn1->text(), "OK");
    EXPECT_EQ(window.BitBtn2->text(), "Cancel");
    EXPECT_EQ(window.Panel3->toolTip(), "Text colours");
    EXPECT_EQ(window.Panel4->toolTip(), "Text colours");
    EXPECT_EQ(window.Panel5->toolTip(), "Colours for right answers");
    EXPECT_EQ(window.Panel8->toolTip(), "Colours for wrong answers");

    EXPECT_TRUE(window.BitBtn1->isDefault()) << "Enter means OK";
    EXPECT_FALSE(window.BitBtn1->icon().isNull());
    EXPECT_FALSE(window.BitBtn2->icon().isNull());
    EXPECT_TRUE(window.SpeedButton1->autoRaise()) << "the play buttons are flat";
    EXPECT_FALSE(window.SpeedButton1->icon().isNull());
    EXPECT_EQ(window.Panel3->cursor().shape(), Qt::PointingHandCursor);
}

TEST_F(SettingsOpening, ShowsTheStoredValuesWithTheirTooltips)
{
    MainWindowControls& mainControls = createWindow();
    appearance->setTitle("Title of the moment");
    setInterface("Sound3", "/Sounds/Fall Down.WAV");
    TForm4& window = openSettings();

    settingsScreenshot("1-opening");
    EXPECT_EQ(window.Edit1->text(), "Title of the moment") << "the main window's title, not the stored one";
    EXPECT_EQ(window.Edit1->toolTip(), "Title of the moment");
    EXPECT_TRUE(window.RadioButton1->isChecked());
    EXPECT_TRUE(window.RadioButton3->isChecked());
    EXPECT_EQ(window.Edit2->path(), mediaFile("bg.bmp"));
    EXPECT_EQ(window.Edit2->text().toStdString(), mediaFile("bg.bmp"));
    EXPECT_EQ(window.Edit2->toolTip(), window.Edit2->text());
    EXPECT_EQ(window.Edit3->path(), mediaFile("english.lng"));
    EXPECT_EQ(window.Edit4->path(), mediaFile("wind.wav"));
    EXPECT_EQ(window.Edit6->path(), "/Sounds/Fall Down.WAV") << "names that tell case apart are kept as stored";
    EXPECT_EQ(window.Edit9->path(), mediaFile("next.wav"));
    EXPECT_EQ(window.Edit9->toolTip(), window.Edit9->text());
    EXPECT_TRUE(window.Edit2->isReadOnly());
    EXPECT_EQ(window.Edit2->palette().color(QPalette::Base), QColor(192, 192, 192));
    EXPECT_EQ(window.SpeedButton1->toolTip(), "Play wind.wav");
    EXPECT_EQ(window.SpeedButton3->toolTip(), "Play Fall Down.WAV");

    EXPECT_EQ(window.Panel3->color(), 0x00FFFFFFu);
    EXPECT_EQ(window.Panel4->color(), 0x00000000u);
    EXPECT_EQ(window.Panel5->color(), 0x0000FF00u);
    EXPECT_EQ(window.Panel7->color(), 0x000000FFu);
    EXPECT_EQ(window.Panel5->palette().color(QPalette::Window), QColor(0, 255, 0));
    EXPECT_EQ(textColor(window.Label13), QColor(255, 255, 255)) << "the sample in the text colours";
    EXPECT_EQ(textColor(window.Label14), QColor(0, 0, 0));
    EXPECT_EQ(window.Label13->x(), 121);
    EXPECT_EQ(window.OvoWallPaperBMP1->Bitmap(), mainControls.OvoWallPaperBMP1->Bitmap());
}

TEST_F(SettingsOpening, WhereFileNamesIgnoreCaseThePathsShowInLowerCase)
{
    ScopedFileNameCase windowsRule(true);
    // OK loads the background and the pack again, so theirs must be found in lower case.
    setInterface("Background Image", lowerCaseCopy("bg.bmp"));
    setInterface("Language Pack", lowerCaseCopy("english.lng"));
    createWindow();
    setInterface("Sound1", "C:\\Program Files\\CALCORA\\Wind.WAV");
    setInterface("Sound2", "C:\\Kl\xC3\x84nge\\\xC3\x84RGER.wav");
    TForm4& window = openSettings();
    EXPECT_EQ(window.Edit4->path(), "c:\\program files\\calcora\\wind.wav");
    EXPECT_EQ(window.Edit5->path(), "c:\\kl\xC3\x84nge\\\xC3\x84rger.wav") << "only A to Z change";

    window.BitBtn1->click();
    EXPECT_TRUE(dialogs->errors.isEmpty()) << dialogs->errors.join("\n").toStdString();
    EXPECT_EQ(interfaceValue("Sound1"), "c:\\program files\\calcora\\wind.wav") << "and are saved so";
    EXPECT_EQ(interfaceValue("Sound2"), "c:\\kl\xC3\x84nge\\\xC3\x84rger.wav");
}

TEST_F(SettingsOpening, OnlyExactlyNoShowsASwitchOff)
{
    for (const auto& [text, on] : std::vector<std::pair<std::string, bool>>{
             {"No", false}, {"no", true}, {"NO", true}, {"", true}, {"yes", true}, {"Yes", true}}) {
        SCOPED_TRACE(text);
        setInterface("Animated Buttons", text);
        setInterface("Play Sounds", text);
        TForm4& window = reopenSettings();
        EXPECT_EQ(window.RadioButton1->isChecked(), on);
        EXPECT_EQ(window.RadioButton2->isChecked(), !on);
        EXPECT_EQ(window.RadioButton3->isChecked(), on);
        EXPECT_EQ(window.RadioButton4->isChecked(), !on);
    }
}

TEST_F(SettingsOpening, WithSoundsOffTheSoundRowsOpenDisabledUntilTheSwitchIsOn)
{
    setInterface("Play Sounds", "No");
    TForm4& window = openSettings();
    const std::vector<QWidget*> soundRows{window.Edit4, window.Edit9, window.Button3, window.Button8,
                                          window.SpeedButton1, window.SpeedButton6};
    for (QWidget* control : soundRows)
        EXPECT_FALSE(control->isEnabled()) << control->objectName().toStdString();
    settingsScreenshot("2-sounds-off");
    for (QWidget* control : std::vector<QWidget*>{window.Label5, window.Label10, window.Edit2,
                                                  window.Button1, window.Edit3, window.Button2})
        EXPECT_TRUE(control->isEnabled()) << control->objectName().toStdString();

    window.RadioButton3->click();
    for (QWidget* control : soundRows)
        EXPECT_TRUE(control->isEnabled()) << control->objectName().toStdString();
    window.RadioButton4->setChecked(true);
    for (QWidget* control : soundRows)
        EXPECT_FALSE(control->isEnabled()) << "also when chosen from code";
}

TEST_F(SettingsOpening, AColourThatIsNoColourStopsTheOpeningAtItsSwatch)
{
    setInterface("Correct Foreground Color", "clSunshine");
    MainWindowControls& mainControls = createWindow();
    TForm4& window = openSettings();
    EXPECT_EQ(dialogs->errors, QStringList{"'clSunshine' is not a valid integer value."});
    EXPECT_TRUE(window.isVisible()) << "the window still opens";
    EXPECT_EQ(window.Panel3->color(), 0x00FFFFFFu);
    EXPECT_EQ(window.Panel4->color(), 0x00000000u);
    const ColorSwatch design(nullptr);
    for (ColorSwatch* later : {window.Panel5, window.Panel6, window.Panel7, window.Panel8})
        EXPECT_EQ(later->color(), design.color()) << later->objectName().toStdString();
    EXPECT_EQ(textColor(window.Label13), window.palette().color(QPalette::WindowText))
        << "the sample keeps its design colours";
    EXPECT_EQ(window.OvoWallPaperBMP1->Bitmap(), mainControls.OvoWallPaperBMP1->Bitmap())
        << "the preview does not depend on the colours";
    EXPECT_EQ(window.SpeedButton6->toolTip(), "Play next.wav") << "the steps before it ran";
}

TEST_F(SettingsOpening, APackCutShortAtLine40StopsTheTextsAtIndex41ButShowsTheValues)
{
    createWindow();
    pack->Load(writePack({{40, std::string("\0Play", 5)}}));
    ASSERT_EQ(pack->Count(), 40);
    TForm4& window = openSettings();
    EXPECT_EQ(dialogs->errors, QStringList{"List index out of bounds (41)"}) << "one box for the opening";
    EXPECT_EQ(window.Label11->text(), "Sounds:");
    EXPECT_EQ(window.RadioButton4->text(), "Off") << "the captions before it are set";
    for (QLabel* later : {window.Label5, window.Label10, window.Label12, window.Label13})
        EXPECT_TRUE(later->text().isEmpty()) << later->objectName().toStdString();
    for (QPushButton* later : {window.Button9, window.BitBtn1, window.BitBtn2})
        EXPECT_TRUE(later->text().isEmpty()) << later->objectName().toStdString();
    EXPECT_EQ(window.Edit1->text(), "Calcora 2.01") << "the values are shown all the same";
    EXPECT_EQ(window.Edit3->path(), mediaFile("english.lng"));
    EXPECT_TRUE(window.RadioButton1->isChecked());
    EXPECT_EQ(window.Panel7->color(), 0x000000FFu);

    const auto stored = interfaceValues();
    window.BitBtn1->click();
    const auto saved = interfaceValues();
    ASSERT_EQ(saved.size(), stored.size());
    for (const auto& [name, text] : stored) {
        // Colours are saved by their names, which stand for the same values.
        const bool isColor = name.find("Color") != std::string::npos;
        EXPECT_EQ(isColor ? ColorToString(StringToColor(text)) : text, saved.at(name)) << name;
    }
    EXPECT_EQ(pack->Count(), kPackLinesKnown) << "OK reloads the stored pack";
    EXPECT_FALSE(window.isVisible());
}

TEST_F(SettingsOpening, ColoursTheOpeningNeverReachedAreSavedAsStored)
{
    const char* const names[] = {"Text Foreground Color", "Text Background Color", "Correct Foreground Color",
                                 "Correct Background Color", "Wrong Foreground Color", "Wrong Background Color"};
    const char* const stored[] = {"clWhite", "clBlack", "clWhit", "clBlack", "clRed", "clNavy"};
    for (int swatch = 0; swatch < 6; ++swatch)
        setInterface(names[swatch], stored[swatch]);
    TForm4& window = openSettings();
    dialogs->errors.clear();
    window.BitBtn1->click();
    const char* const saved[] = {"clWhite", "clBlack", "clBtnFace", "clBlack", "clRed", "clNavy"};
    for (int swatch = 0; swatch < 6; ++swatch)
        EXPECT_EQ(interfaceValue(names[swatch]), saved[swatch]) << names[swatch];
}

} // namespace
