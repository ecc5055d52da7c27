// Runs every test suite inside one QApplication on the offscreen platform. The user's own
// folders are folders of the run's own, so that no test touches the user's settings, cache or
// data unless it asks for that itself; every window is handed test doubles by its test.

#include "HTTPGetSession.h"

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
    return RUN_ALL_TESTS();
}
