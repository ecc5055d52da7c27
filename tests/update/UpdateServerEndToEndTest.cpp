// The whole way from a real web server to the main window: nginx, started here on a free
// loopback port with a configuration of its own, serves the shipped sample update folder; the
// update checker offers, downloads and installs its language pack and its background.

#include "UpdateWindowFixture.h"

#include "DisplayText.h"
#include "LanguagePack.h"
#include "NginxServer.h"
#include "OvoWallPaperBMP.h"
#include "Screenshots.h"

#include <QAction>
#include <QPushButton>

#include <fstream>

namespace {

std::vector<std::string> packLines(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return readPackLines(file, LanguagePack::kUsedLines);
}

class UpdateServerEndToEnd : public UpdateWindowFixture {};

TEST_F(UpdateServerEndToEnd, TheSampleServersPackAndBackgroundAreInstalledAndShownAtOnce)
{
    NginxServer nginx(CALCORA_UPDATES_DIR);
    if (!nginx.installed())
        GTEST_SKIP() << "nginx is not installed (scripts/setup.sh installs it with the test packages)";
    ASSERT_TRUE(nginx.start()) << nginx.log().toStdString();
    setInterface("Animated Buttons", "No");
    setInterface("URL", nginx.url("/"));
    const std::string updates = CALCORA_UPDATES_DIR;
    for (const char* file : {"deutsch.lng", "chalkboard.bmp"})
        removeNowAndAtEnd(file);
    dialogs->yesNoAnswers = {true, true};

    TForm5& window = openUpdates();
    checkForUpdates();
    ASSERT_EQ(offeredNames(), (QStringList{"Deutsch (German)", "Chalkboard background"})) << nginx.log().toStdString();
    downloadChecked();
    window.Button2->click();

    EXPECT_TRUE(dialogs->errors.isEmpty()) << dialogs->errors.join("\n").toStdString();
    EXPECT_EQ(fileBytes(programFolderFile("deutsch.lng")), fileBytes(updates + "/deutsch.lng"));
    EXPECT_EQ(fileBytes(programFolderFile("chalkboard.bmp")), fileBytes(updates + "/chalkboard.bmp"));
    EXPECT_EQ(updateMark("Deutsch (German)"), "Installed");
    EXPECT_EQ(updateMark("Chalkboard background"), "Installed");

    const auto german = packLines(updates + "/deutsch.lng");
    ASSERT_EQ(german.size(), LanguagePack::kUsedLines);
    EXPECT_EQ(form->Button1->text(), displayText(german[4]) + " (+)");
    EXPECT_EQ(form->BitBtn1->text(), displayText(german[8]));
    EXPECT_EQ(form->GenerateaQuiz1->text(), "&" + displayText(german[9]) + "...");
    EXPECT_EQ(form->CheckforUpdate1->text(), "&" + displayText(german[11]) + "...");
    QImage chalkboard;
    ASSERT_TRUE(chalkboard.load(QString::fromStdString(updates + "/chalkboard.bmp"), "BMP"));
    EXPECT_EQ(form->OvoWallPaperBMP1->Bitmap(), chalkboard);
    EXPECT_TRUE(saveScreenshot(*mainWindow, "update-10-main-window-after-the-sample-server"));
}

} // namespace
