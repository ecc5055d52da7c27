#include "FileConfigStore.h"
#include "FirstPaint.h"
#include "MainWindowFixture.h"
#include "MenuWindows.h"
#include "PendingWrites.h"
#include "Startup.h"

#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <functional>

namespace fs = std::filesystem;

namespace {

using StartupStore = MainWindowFixture;

// Whatever keeps the user's store from being used, Calcora says so once, naming the file, and
// runs on its defaults with a window that works.
TEST_F(StartupStore, AStoreThatCannotBeUsedIsNamedOnceAndTheProgramRunsOnDefaults)
{
    QTemporaryDir home;
    const fs::path folder = fs::path(home.path().toStdString()) / "Tovik Software";
    fs::create_directories(folder);
    struct Case {
        const char* what;
        fs::path path;
        std::function<void(const fs::path&)> plant;
    };
    const Case cases[] = {
        {"a folder in its place", folder / "folder.ini", [](const fs::path& path) { fs::create_directory(path); }},
        {"a named pipe in its place", folder / "pipe.ini",
         [](const fs::path& path) { ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0); }},
        {"a file over 4 MiB", folder / "huge.ini",
         [](const fs::path& path) { std::ofstream(path) << std::string(5 * 1024 * 1024, '#'); }},
        // Not even root may make a folder there.
        {"a folder that cannot be made", "/proc/self/Tovik Software/Calcora 2.01.ini", [](const fs::path&) {}},
    };
    for (const Case& unusable : cases) {
        SCOPED_TRACE(unusable.what);
        unusable.plant(unusable.path);
        PendingWrites userStore(std::make_unique<FileConfigStore>(unusable.path.string()));
        ProgramServices program = services();
        ProgramServices withUserStore{userStore, program.pack, program.appearance, program.dialogs,
                                      program.sounds, program.shell, program.random, program.history, program.clock,
                                      program.pupils, program.classLink};
        dialogs->errors.clear();

        prepareUserStore(userStore);
        TForm1 window(mainWindowServices(withUserStore));
        const MainWindowControls controls(window);
        EXPECT_TRUE(dialogs->errors.isEmpty()) << "the window opens on the values start-up gave";
        keepStartupValues(userStore, *dialogs);

        ASSERT_EQ(dialogs->errors.size(), 1);
        const QString message = dialogs->errors.front();
        EXPECT_TRUE(message.contains(QString::fromStdString(unusable.path.string()))) << message.toStdString();
        EXPECT_TRUE(message.contains("runs with its default settings")) << message.toStdString();
        EXPECT_EQ(userStore.ReadString("Interface", "Caption", ""), "Calcora 2.01");
        EXPECT_NO_THROW(userStore.WriteString("Stats", "Correct", "1"));
        while (controls.Timer1->isActive())
            tick(controls.Timer1);
        EXPECT_EQ(dialogs->errors.size(), 1) << dialogs->errors.join("; ").toStdString();
        EXPECT_TRUE(controls.BitBtn1->isVisibleTo(&window));
    }
}

// A first start's values are read back at once and written to the store when the main window
// has been painted, not before: the durable write is no part of the first frame.
TEST_F(StartupStore, AFirstStartWritesItsValuesAfterTheFirstFrame)
{
    // The user's own store, as the program makes it (the tests' home is a folder of their own).
    const std::string path = userStorePath();
    fs::remove(path);
    PendingWrites userStore(openUserStore());
    ProgramServices program = services();
    ProgramServices withUserStore{userStore, program.pack, program.appearance, program.dialogs,
                                  program.sounds, program.shell, program.random, program.history, program.clock,
                                  program.pupils, program.classLink};
    prepareUserStore(userStore);
    TForm1 window(mainWindowServices(withUserStore));
    afterFirstPaint(window, [&] { keepStartupValues(userStore, *dialogs); });
    EXPECT_EQ(window.windowTitle(), "Calcora 2.01");
    EXPECT_FALSE(fs::exists(path)) << "nothing is written before the window is seen";
    window.show();
    EXPECT_TRUE(QTest::qWaitFor([&] { return fs::exists(path); }, 10000));
    EXPECT_EQ(FileConfigStore(path).ReadString("Interface", "Caption", ""), "Calcora 2.01");
    EXPECT_TRUE(dialogs->errors.isEmpty());
}

TEST(StoreUnusableMessage, NamesTheFileAndWhatHappensInOneSentence)
{
    EXPECT_EQ(storeUnusableMessage("/home/pupil/.config/Tovik Software/Calcora 2.01.ini", "Permission denied"),
              "The settings cannot be kept in \"/home/pupil/.config/Tovik Software/Calcora 2.01.ini\" "
              "(Permission denied), so Calcora runs with its default settings and keeps no change "
              "this time.");
}

} // namespace
