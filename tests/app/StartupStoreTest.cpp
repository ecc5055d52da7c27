#include "FileConfigStore.h"
#include "FirstPaint.h"
#include "MainWindowFixture.h"
#include "ProcessWide.h"
#include "Startup.h"

#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

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
        ProcessWide<ConfigStore>::install(std::make_unique<FileConfigStore>(unusable.path.string()));
        dialogs->errors.clear();

        prepareUserStore();
        form = std::make_unique<TForm1>();
        EXPECT_TRUE(dialogs->errors.isEmpty()) << "the window opens on the values start-up gave";
        keepStartupValues();

        ASSERT_EQ(dialogs->errors.size(), 1);
        const QString message = dialogs->errors.front();
        EXPECT_TRUE(message.contains(QString::fromStdString(unusable.path.string()))) << message.toStdString();
        EXPECT_TRUE(message.contains("runs with its default settings")) << message.toStdString();
        auto& store = ProcessWide<ConfigStore>::get();
        EXPECT_EQ(store.ReadString("Interface", "Caption", ""), "Calcora 2.01");
        EXPECT_NO_THROW(store.WriteString("Stats", "Correct", "1"));
        runTimer(form->Timer1, &TForm1::Timer1Timer);
        EXPECT_EQ(dialogs->errors.size(), 1) << dialogs->errors.join("; ").toStdString();
        EXPECT_TRUE(form->BitBtn1->isVisibleTo(form.get()));
        form.reset();
    }
    ProcessWide<ConfigStore>::install(nullptr);
}

// A first start's values are read back at once and written to the store when the main window
// has been painted, not before: the durable write is no part of the first frame.
TEST_F(StartupStore, AFirstStartWritesItsValuesAfterTheFirstFrame)
{
    // The user's own store, as the program makes it (the tests' home is a folder of their own).
    const std::string path = userStorePath();
    fs::remove(path);
    ProcessWide<ConfigStore>::install(nullptr);
    prepareUserStore();
    form = std::make_unique<TForm1>();
    afterFirstPaint(*form, [] { keepStartupValues(); });
    EXPECT_EQ(form->windowTitle(), "Calcora 2.01");
    EXPECT_FALSE(fs::exists(path)) << "nothing is written before the window is seen";
    form->show();
    EXPECT_TRUE(QTest::qWaitFor([&] { return fs::exists(path); }, 10000));
    EXPECT_EQ(FileConfigStore(path).ReadString("Interface", "Caption", ""), "Calcora 2.01");
    EXPECT_TRUE(dialogs->errors.isEmpty());
    form.reset();
    ProcessWide<ConfigStore>::install(nullptr);
}

TEST(StoreUnusableMessage, NamesTheFileAndWhatHappensInOneSentence)
{
    EXPECT_EQ(storeUnusableMessage("/home/pupil/.config/Tovik Software/Calcora 2.01.ini", "Permission denied"),
              "The settings cannot be kept in \"/home/pupil/.config/Tovik Software/Calcora 2.01.ini\" "
              "(Permission denied), so Calcora runs with its default settings and keeps no change "
              "this time.");
}

} // namespace
