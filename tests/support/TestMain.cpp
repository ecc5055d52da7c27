// Runs every test suite inside one QApplication on the offscreen platform, with dialogs,
// sound, the shell and the store replaced by test doubles, so that no test shows a box, makes
// a noise, opens a browser or touches the user's own settings unless it asks for that itself.

#include "HTTPGetSession.h"
#include "MemoryConfigStore.h"
#include "RecordingShell.h"
#include "RecordingSoundPlayer.h"
#include "ScriptedDialogs.h"

#include "ProcessWide.h"

#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir configHome;
    qputenv("XDG_CONFIG_HOME", configHome.path().toLocal8Bit());
    qputenv("XDG_CACHE_HOME", configHome.path().toLocal8Bit());
    qputenv("XDG_DATA_HOME", configHome.path().toLocal8Bit());
    qputenv("XDG_RUNTIME_DIR", configHome.path().toLocal8Bit());

    QApplication application(argc, argv);
    const FetchSession fetchSession;
    QApplication::setApplicationName("Calcora");
    ::testing::InitGoogleTest(&argc, argv);

    ProcessWide<Dialogs>::install(std::make_unique<ScriptedDialogs>());
    ProcessWide<SoundPlayer>::install(std::make_unique<RecordingSoundPlayer>());
    ProcessWide<ConfigStore>::install(std::make_unique<MemoryConfigStore>());
    ProcessWide<Shell>::install(std::make_unique<RecordingShell>());

    const int result = RUN_ALL_TESTS();

    ProcessWide<SoundPlayer>::install(nullptr);
    ProcessWide<Dialogs>::install(nullptr);
    return result;
}
