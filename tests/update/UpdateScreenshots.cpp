// Saves pictures of the update checker at each step, and of the main window after a language
// pack was installed, into the build folder (screenshots/update-*.png), for a person to look
// at; it checks only that each was saved.

#include "UpdateWindowFixture.h"

#include "Screenshots.h"

#include <QPushButton>

namespace {

class UpdateScreenshots : public UpdateWindowFixture {
protected:
    void save(const char* name) { EXPECT_TRUE(saveScreenshot(*updates, QString("update-") + name)) << name; }
};

TEST_F(UpdateScreenshots, IntroductionAndBack)
{
    TForm5& window = openUpdates();
    save("1-introduction");
    window.Button2->click();
    save("2-checking");
    window.Button1->click();
    save("2-back");
}

} // namespace
