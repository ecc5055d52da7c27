#include "SettingsWindowFixture.h"

#include "MenuWindows.h"
#include "ModalWindow.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>

namespace {

using SettingsFromTheMenu = SettingsWindowFixture;

TEST_F(SettingsFromTheMenu, TheMenuItemOpensANewModalWindowEachTime)
{
    MainWindowControls& mainControls = createWindow();
    attachMenuWindows(*mainWindow, services());
    ASSERT_TRUE(mainControls.Settings1->isEnabled());

    // The window runs its own loop; it is read and closed from inside that loop.
    std::vector<QString> titlesShown;
    const auto openAndCancel = [&] {
        withModalWindow<TForm4>([&] { mainControls.Settings1->trigger(); }, [&](TForm4& settingsWindow) {
            titlesShown.push_back(settingsWindow.Edit1->text());
            settingsWindow.Edit1->setText("An edit that is cancelled");
            settingsWindow.BitBtn2->click();
        });
    };
    openAndCancel();
    openAndCancel();
    EXPECT_EQ(titlesShown, (std::vector<QString>{"Calcora 2.01", "Calcora 2.01"}))
        << "each time a new window with the stored values";
    EXPECT_TRUE(mainWindow->findChildren<TForm4*>().isEmpty()) << "each window is gone once closed";
}

} // namespace
