#include "SettingsWindowFixture.h"

#include "ColorSwatch.h"
#include "PathBox.h"
#include "ScreenReaderProbe.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

namespace {

// The settings window used from the keyboard and heard through a screen reader.
class SettingsKeyboard : public SettingsWindowFixture {
protected:
    TForm4& openActive()
    {
        TForm4& window = openSettings();
        QApplication::setActiveWindow(&window);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        sounds->played.clear();
        return window;
    }

    // The part of the window a control shows, as the user sees it.
    QImage seen(TForm4& window, const QWidget* control) const
    {
        return window.grab(control->geometry()).toImage();
    }
};

TEST_F(SettingsKeyboard, PlayButtonsAndSwatchesArePressedBySpaceAndByEnter)
{
    struct Press {
        const char* control;
        Qt::Key key;
        std::vector<std::string> played;
        std::vector<QColor> colorAsked;
    };
    const Press presses[] = {
        {"SpeedButton1", Qt::Key_Space, {mediaFile("wind.wav")}, {}},
        {"SpeedButton6", Qt::Key_Return, {mediaFile("next.wav")}, {}},
        {"SpeedButton4", Qt::Key_Enter, {mediaFile("wrong.wav")}, {}},
        {"Panel5", Qt::Key_Space, {}, {QColor(0, 255, 0)}},
        {"Panel8", Qt::Key_Return, {}, {QColor(0, 0, 0)}},
        {"Panel7", Qt::Key_Enter, {}, {QColor(255, 0, 0)}},
    };
    TForm4& window = openActive();
    for (const Press& press : presses) {
        SCOPED_TRACE(press.control);
        sounds->played.clear();
        dialogs->colorRequests.clear();
        auto* control = window.findChild<QWidget*>(press.control);
        control->setFocus();
        ASSERT_EQ(QApplication::focusWidget(), control);
        QTest::keyClick(control, press.key);
        EXPECT_EQ(sounds->played, press.played);
        EXPECT_EQ(dialogs->colorRequests, press.colorAsked);
        EXPECT_TRUE(window.isVisible()) << "Enter on the control is no OK";
    }
}

TEST_F(SettingsKeyboard, AFocusedSwatchOrPlayButtonShowsItsFocus)
{
    TForm4& window = openActive();
    for (QWidget* control : std::vector<QWidget*>{window.Panel3, window.Panel4, window.SpeedButton2}) {
        SCOPED_TRACE(control->objectName().toStdString());
        window.Button9->setFocus();
        const QImage unfocused = seen(window, control);
        control->setFocus();
        EXPECT_NE(seen(window, control), unfocused);
    }
    window.Panel6->setFocus();
    settingsScreenshot("4-keyboard-focus-on-a-swatch");
    window.SpeedButton2->setFocus();
    settingsScreenshot("5-keyboard-focus-on-a-play-button");
}

TEST_F(SettingsKeyboard, EveryControlIsNamedByItsRowOrItsTooltip)
{
    TForm4& window = openSettings();
    const std::pair<QWidget*, QString> names[] = {
        {window.Edit1, "Window title:"}, {window.Panel1, "Animated buttons:"}, {window.Edit2, "Background:"},
        {window.Edit3, "Language pack:"}, {window.Panel2, "Sounds:"}, {window.Edit4, "Sound 1:"},
        {window.Edit9, "Sound 6:"}, {window.SpeedButton1, "Play wind.wav"}, {window.SpeedButton6, "Play next.wav"},
        {window.Panel3, "Text colours"}, {window.Panel4, "Text colours"},
        {window.Panel6, "Colours for right answers"}, {window.Panel8, "Colours for wrong answers"},
        {window.Button9, "Use Defaults"}, {window.Label13, "Sample"}, {window.Label14, ""},
    };
    for (const auto& [control, name] : names)
        EXPECT_EQ(accessibleName(control), name) << control->objectName().toStdString();
    EXPECT_TRUE(accessibleOf(window.Label14)->state().invisible) << "the sample's shadow is not read";
    for (const auto& [browse, row] : {std::pair{window.Button1, "Background:"}, {window.Button8, "Sound 6:"}})
        EXPECT_EQ(accessibleOf(browse)->text(QAccessible::Description), row) << "a browse button by its row";
    EXPECT_EQ(accessibleOf(window.Panel3)->role(), QAccessible::Button);

    dialogs->openAnswers.push_back(QString("/sounds/thud.wav"));
    window.Button5->click();
    EXPECT_EQ(accessibleName(window.SpeedButton3), "Play thud.wav") << "named as its new tooltip";

    // The names are the pack's words, in the language of the moment.
    setInterface("Language Pack", writePack({{32, "Titel"}, {40, "Abspielen"}, {44, "Textfarben"}}));
    pack->Load(interfaceValue("Language Pack"));
    TForm4& translated = reopenSettings();
    EXPECT_EQ(accessibleName(translated.Edit1), "Titel:");
    EXPECT_EQ(accessibleName(translated.SpeedButton1), "Abspielen wind.wav");
    EXPECT_EQ(accessibleName(translated.Panel4), "Textfarben");
}

} // namespace
