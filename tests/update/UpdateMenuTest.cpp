#include "UpdateWindowFixture.h"

#include "MenuWindows.h"
#include "ModalWindow.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>

namespace {

using UpdateFromTheMenu = UpdateWindowFixture;

TEST_F(UpdateFromTheMenu, TheMenuItemOpensANewModalWindowEachTime)
{
    server.serve(std::string(kBasePath) + "update201", HttpAnswer::silence());
    MainWindowControls& mainControls = createWindow();
    attachMenuWindows(*mainWindow, services());
    ASSERT_TRUE(mainControls.CheckforUpdate1->isEnabled());

    // The window runs its own loop; it is read and closed from inside that loop.
    QStringList textsShown;
    const auto openCheckAndCancel = [&] {
        withModalWindow<TForm5>([&] { mainControls.CheckforUpdate1->trigger(); }, [&](TForm5& updateWindow) {
            textsShown.append(updateWindow.Label1->text());
            updateWindow.Button2->click();
            updateWindow.BitBtn1->click();
        });
    };
    openCheckAndCancel();
    openCheckAndCancel();
    const QString introduction = "Look for new language packs and background pictures on the Internet. Click Start to begin.";
    EXPECT_EQ(textsShown, (QStringList{introduction, introduction})) << "each time a new window at its first step";
    EXPECT_TRUE(mainWindow->findChildren<TForm5*>().isEmpty()) << "each window is gone once closed";
}

} // namespace
