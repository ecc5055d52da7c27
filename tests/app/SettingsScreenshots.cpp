// Saves pictures of the settings window into the build folder (screenshots/settings-*.png),
// for a person to look at; it checks only that each was saved.

#include "SettingsWindowFixture.h"

#include "ColorSwatch.h"
#include "Screenshots.h"

#include <QRadioButton>
#include <QTest>

namespace {

class SettingsScreenshots : public SettingsWindowFixture {
protected:
    void save(const char* name) { EXPECT_TRUE(saveScreenshot(*settings, QString("settings-") + name)) << name; }
};

TEST_F(SettingsScreenshots, OpeningSoundsOffAndChosenColours)
{
    TForm4& window = openSettings();
    save("1-opening");
    window.RadioButton4->click();
    save("2-sounds-off");
    dialogs->colorAnswers = {QColor(255, 255, 0), QColor(128, 0, 0), QColor(0, 255, 255)};
    QTest::mouseClick(window.Panel5, Qt::LeftButton);
    QTest::mouseClick(window.Panel6, Qt::LeftButton);
    QTest::mouseClick(window.Panel8, Qt::LeftButton);
    save("3-chosen-colours");
}

} // namespace
