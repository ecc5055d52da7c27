#include "AppError.h"
#include "FileConfigStore.h"
#include "StoreFile.h"
#include "TemporaryFolder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <limits>
#include <map>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace fs = std::filesystem;

namespace {

// A store path of its own below a folder that the test throws away.
class StoreFolder {
public:
    fs::path folder() const { return folder_.path(); }
    std::string storePath() const { return (folder() / "Tovik Software" / "Calcora 2.01.ini").string(); }

private:
    TemporaryFolder folder_;
};

std::string contentOf(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

void writeFile(const fs::path& path, const std::string& content)
{
    std::ofstream(path, std::ios::binary) << content;
}

template <class Call>
std::string failureOf(Call call)
{
    try {
        call();
    } catch (const AppError& error) {
        return error.what();
    }
    return "no failure";
}

fs::perms permissionsOf(const fs::path& path)
{
    return fs::status(path).permissions() & fs::perms::all;
}

// Sets an environment variable for one scope.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const char* value) : name_(name)
    {
        if (const char* old = std::getenv(name))
            old_ = old;
        value ? ::setenv(name, value, 1) : ::unsetenv(name);
    }
    ~ScopedVariable() { old_ ? ::setenv(name_, old_->c_str(), 1) : ::unsetenv(name_); }

private:
    const char* name_;
    std::optional<std::string> old_;
};

} // namespace

TEST(FileConfigStore, MissingFileReadsAsDefaultsAndCreatesNothing)
{
    StoreFolder folder;
    FileConfigStore store(folder.storePath());

    EXPECT_EQ(store.ReadString("Interface", "Caption", "default"), "default");
    EXPECT_TRUE(fs::is_empty(folder.folder()));
}

TEST(FileConfigStore, FirstWriteMakesPrivateFoldersAndAPlainFile)
{
    StoreFolder folder;
    const auto path = folder.folder() / "config" / "Tovik Software" / "Calcora 2.01.ini";
    FileConfigStore store(path.string());

    store.WriteString("Interface", "Play Sounds", "Yes");
    store.WriteString("Interface", "Background Image", "/opt/calcora/bg.bmp");
    store.WriteString("Interface", "URL", "");

    EXPECT_EQ(contentOf(path), "[Interface]\nPlay Sounds=Yes\nBackground Image=/opt/calcora/bg.bmp\nURL=\n");
    EXPECT_EQ(store.ReadString("Interface", "URL", "default"), "");
    EXPECT_EQ(store.ReadString("Stats", "URL", "default"), "default");
    EXPECT_EQ(permissionsOf(path.parent_path()), fs::perms::owner_all);
    EXPECT_EQ(permissionsOf(path.parent_path().parent_path()), fs::perms::owner_all);
    EXPECT_EQ(permissionsOf(path), fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_FALSE(fs::exists(path.string() + ".new"));
}

TEST(FileConfigStore, SeesAndKeepsWhatOthersWrote)
{
    StoreFolder folder;
    FileConfigStore first(folder.storePath());
    FileConfigStore second(folder.storePath());

    for (int round = 0; round < 50; ++round) {
        const auto text = std::to_string(round);
        first.WriteString("Stats", "Correct", text);
        ASSERT_EQ(second.ReadString("Stats", "Correct", ""), text);
        second.WriteString("Stats", "Wrong", text);
        ASSERT_EQ(first.ReadString("Stats", "Wrong", ""), text);
        ASSERT_EQ(first.ReadString("Stats", "Correct", ""), text);
    }

    // A hand edit, with a damaged line that the next write keeps where it was.
    writeFile(folder.storePath(), "[Stats]\nCorrect=7\n\"broken\n[Interface]\nURL=http://example.org/\n");
    EXPECT_EQ(first.ReadString("Stats", "Wrong", "none"), "none");
    second.WriteString("Stats", "Wrong", "1");
    EXPECT_EQ(contentOf(folder.storePath()),
              "[Stats]\nCorrect=7\nWrong=1\n\"broken\n[Interface]\nURL=http://example.org/\n");
}

TEST(FileConfigStore, HandEditsSurviveEveryWriteInTheirPlaces)
{
    StoreFolder folder;
    const std::string edited = "; Calcora's settings, tidied by hand\r\n"
                               "orphan=before any section\n"
                               "[Interface]\r\n"
                               "  Caption = My class  \r\n"
                               "URL http://updates.example.org/calcora/\n"
                               "# Sound1=/old/wind.wav\n"
                               "\n"
                               "[Stats]\n"
                               "Correct=7\n"
                               "; wrong answers are reset every term\n";
    fs::create_directories(fs::path(folder.storePath()).parent_path());
    writeFile(folder.storePath(), edited);
    FileConfigStore store(folder.storePath());
    store.WriteString("Stats", "Correct", "8");
    store.WriteString("Interface", "Play Sounds", "No");
    store.WriteString("Quiz", "SpinEdit1", "3");
    EXPECT_EQ(contentOf(folder.storePath()), "; Calcora's settings, tidied by hand\r\n"
                                             "orphan=before any section\n"
                                             "[Interface]\r\n"
                                             "  Caption = My class  \r\n"
                                             "Play Sounds=No\n"
                                             "URL http://updates.example.org/calcora/\n"
                                             "# Sound1=/old/wind.wav\n"
                                             "\n"
                                             "[Stats]\n"
                                             "Correct=8\n"
                                             "; wrong answers are reset every term\n"
                                             "\n"
                                             "[Quiz]\n"
                                             "SpinEdit1=3\n");
    EXPECT_EQ(store.ReadString("Interface", "Caption", ""), "My class");
}

TEST(FileConfigStore, AStoreKeptAsALinkStaysALinkToItsReplacedTarget)
{
    StoreFolder folder;
    const fs::path dotfiles = folder.folder() / "dotfiles";
    fs::create_directories(dotfiles);
    fs::create_directories(fs::path(folder.storePath()).parent_path());
    writeFile(dotfiles / "calcora.ini", "[Stats]\nCorrect=1\n");
    fs::create_symlink("../dotfiles/calcora.ini", folder.storePath());

    FileConfigStore store(folder.storePath());
    store.WriteString("Stats", "Correct", "2");
    ASSERT_TRUE(fs::is_symlink(folder.storePath()));
    EXPECT_EQ(fs::read_symlink(folder.storePath()), "../dotfiles/calcora.ini");
    EXPECT_EQ(contentOf(dotfiles / "calcora.ini"), "[Stats]\nCorrect=2\n");
    EXPECT_EQ(FileConfigStore(folder.storePath()).ReadString("Stats", "Correct", ""), "2");
}

TEST(FileConfigStore, AFileItCannotUseIsNeverWrittenOverAndNeverBlocks)
{
    struct Case {
        const char* what;
        std::function<void(const fs::path&)> plant;
    };
    const Case cases[] = {
        {"a folder", [](const fs::path& path) { fs::create_directory(path); }},
        {"a named pipe", [](const fs::path& path) { ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0); }},
        {"a file over 4 MiB", [](const fs::path& path) {
             writeFile(path, "[Stats]\nCorrect=3\n" + std::string(4 * 1024 * 1024, ';'));
         }},
    };
    for (const Case& unusable : cases) {
        SCOPED_TRACE(unusable.what);
        StoreFolder folder;
        const fs::path path = folder.storePath();
        fs::create_directories(path.parent_path());
        unusable.plant(path);
        const auto sizeBefore = fs::is_regular_file(path) ? fs::file_size(path) : 0;

        FileConfigStore store(path.string());
        EXPECT_EQ(store.ReadString("Stats", "Correct", "default"), "default");
        try {
            store.WriteString("Stats", "Correct", "4");
            ADD_FAILURE() << "the write went through";
        } catch (const StoreUnusable& failure) {
            EXPECT_STREQ(failure.what(), "Failed to set data for 'Correct'");
            EXPECT_FALSE(failure.reason().empty());
        }
        if (fs::is_regular_file(path)) {
            EXPECT_EQ(fs::file_size(path), sizeBefore) << "left untouched";
        }
        EXPECT_FALSE(fs::exists(path.string() + ".new"));
    }
}

// What the store would refuse to read it never writes: the old file stays, every value in it.
TEST(FileConfigStore, AWriteThatWouldOutgrowTheReadableSizeIsRefusedAndChangesNothing)
{
    StoreFolder folder;
    FileConfigStore store(folder.storePath());
    store.WriteString("Stats", "Correct", "3");
    const std::string before = contentOf(folder.storePath());
    const std::string huge(5 * 1024 * 1024, 'N');
    const std::string fitting(4 * 1024 * 1024 - 1024, 'F');

    EXPECT_EQ(failureOf([&] { store.WriteString("Update", huge.substr(0, 4 * 1024 * 1024), "Installed"); }),
              "Failed to set data for '" + huge.substr(0, 4 * 1024 * 1024)
                  + "' because the settings would grow larger than 4 MiB");
    EXPECT_NE(failureOf([&] { store.WriteStrings({{"Stats", "Wrong", "1"}, {"Update", "X", huge}}); }), "no failure");
    EXPECT_EQ(contentOf(folder.storePath()), before) << "nothing replaced, not even the value that fits";
    EXPECT_EQ(FileConfigStore(folder.storePath()).ReadString("Stats", "Correct", ""), "3");

    store.WriteString("Interface", "Caption", fitting);
    EXPECT_EQ(FileConfigStore(folder.storePath()).ReadString("Interface", "Caption", ""), fitting)
        << "a file just below the bound is written and read back";
}

TEST(FileConfigStore, WhateverLiesWhereTheNewFileGoesIsReplaced)
{
    StoreFolder folder;
    const auto path = folder.storePath();
    FileConfigStore store(path);
    store.WriteString("Stats", "Correct", "1");
    ASSERT_EQ(::mkfifo((path + ".new").c_str(), 0600), 0);
    store.WriteString("Stats", "Correct", "2");
    EXPECT_EQ(FileConfigStore(path).ReadString("Stats", "Correct", ""), "2");
    EXPECT_FALSE(fs::exists(path + ".new"));
}

TEST(FileConfigStore, AValueInPlaceIsNotReportedLostWhenTheFolderCannotBeSynced)
{
    StoreFolder folder;
    FileConfigStore store(folder.storePath(), [](const std::string&) { return false; });
    EXPECT_NO_THROW(store.WriteString("Stats", "Correct", "5"));
    EXPECT_EQ(FileConfigStore(folder.storePath()).ReadString("Stats", "Correct", ""), "5");
}

TEST(FileConfigStore, UnusableLocationsFailWithTheUsersMessage)
{
    StoreFolder folder;
    const auto blocker = folder.folder() / "blocker";
    writeFile(blocker, "a file where a folder should be");
    FileConfigStore underFile((blocker / "Tovik Software" / "Calcora 2.01.ini").string());
    fs::create_directory(folder.folder() / "a folder");
    FileConfigStore onFolder((folder.folder() / "a folder").string());

    EXPECT_EQ(failureOf([&] { underFile.WriteString("Interface", "Caption", "x"); }),
              "Failed to create key " + (blocker / "Tovik Software").string());
    EXPECT_EQ(failureOf([&] { onFolder.WriteString("Interface", "Caption", "x"); }),
              "Failed to set data for 'Caption'");
    EXPECT_EQ(underFile.ReadString("Interface", "Caption", "default"), "default");
    EXPECT_EQ(onFolder.ReadString("Interface", "Caption", "default"), "default");
}

TEST(FileConfigStore, UserPathFollowsAnAbsoluteXdgConfigHome)
{
    const ScopedVariable home("HOME", "/home/pupil");
    {
        const ScopedVariable configHome("XDG_CONFIG_HOME", "/srv/config");
        EXPECT_EQ(userStorePath(), "/srv/config/Tovik Software/Calcora 2.01.ini");
    }
    const auto fallback = "/home/pupil/.config/Tovik Software/Calcora 2.01.ini";
    {
        const ScopedVariable configHome("XDG_CONFIG_HOME", "relative/config");
        EXPECT_EQ(userStorePath(), fallback);
    }
    const ScopedVariable configHome("XDG_CONFIG_HOME", nullptr);
    EXPECT_EQ(userStorePath(), fallback);
}

namespace {

// A store_writer process, killed and reaped when the test lets go of it.
class Writer {
public:
    explicit Writer(std::vector<std::string> arguments)
    {
        arguments.insert(arguments.begin(), STORE_WRITER);
        std::vector<char*> argv;
        for (auto& argument : arguments)
            argv.push_back(argument.data());
        argv.push_back(nullptr);

        int input[2];
        int output[2];
        if (::pipe2(input, O_CLOEXEC) != 0 || ::pipe2(output, O_CLOEXEC) != 0)
            return;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, input[0], 0);
        posix_spawn_file_actions_adddup2(&actions, output[1], 1);
        if (posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ) != 0)
            pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
        ::close(input[0]);
        ::close(output[1]);
        input_ = input[1];
        output_ = output[0];
    }
    ~Writer()
    {
        kill();
        closeInput();
        ::close(output_);
    }
    Writer(const Writer&) = delete;
    Writer& operator=(const Writer&) = delete;

    bool waitUntilReady()
    {
        pollfd ready{output_, POLLIN, 0};
        char line[6] = {};
        return pid_ > 0 && ::poll(&ready, 1, 10'000) == 1 && ::read(output_, line, 6) == 6
            && std::string(line, 6) == "ready\n";
    }
    void start() { closeInput(); }

    // The wait status.
    int kill()
    {
        if (pid_ > 0) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, &status_, 0);
        }
        pid_ = -1;
        return status_;
    }

    // The wait status; a writer still running at the time limit is killed.
    int waitForExit(std::chrono::seconds limit)
    {
        const auto deadline = std::chrono::steady_clock::now() + limit;
        while (pid_ > 0 && std::chrono::steady_clock::now() < deadline) {
            if (::waitpid(pid_, &status_, WNOHANG) == pid_)
                pid_ = -1;
            else
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return kill();
    }

private:
    void closeInput()
    {
        if (input_ >= 0)
            ::close(input_);
        input_ = -1;
    }
    pid_t pid_ = -1;
    int input_ = -1;
    int output_ = -1;
    int status_ = -1;
};

// A long text with every kind of byte that the file must quote, as a command line can carry it.
std::string longPrefix()
{
    std::string prefix;
    while (prefix.size() < 1500)
        prefix += " \"quoted\" = [x] ;# C:\\x\\y\t\n\xC3\xBC ";
    return prefix;
}

// The round of a text that store_writer wrote for the name; none when it wrote no such text.
std::optional<long> roundOf(const std::string& text, const std::string& prefix)
{
    if (text.rfind(prefix, 0) != 0)
        return std::nullopt;
    const auto digits = text.substr(prefix.size());
    if (digits.empty() || digits.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    return std::stol(digits);
}

} // namespace

TEST(FileConfigStoreProcesses, WriterKilledAtAnyMomentLeavesAWholeFile)
{
    StoreFolder folder;
    const auto path = folder.storePath();
    const auto prefix = longPrefix();
    const std::vector<std::string> names{"k0", "k1", "k2", "k3"};
    std::map<std::string, long> lastRounds;
    long nextRound = 0;
    std::mt19937 random(42);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);

    for (int kill = 0; kill < 30 && std::chrono::steady_clock::now() < deadline; ++kill) {
        Writer writer({path, "k", "4", std::to_string(nextRound), "0", prefix});
        ASSERT_TRUE(writer.waitUntilReady());
        writer.start();
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 20'000));
        const int status = writer.kill();
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "status " << status;

        const auto content = contentOf(path);
        const auto file = StoreFile::parse(content);
        ASSERT_EQ(file.format(), content) << "after kill " << kill;
        auto previous = std::numeric_limits<long>::max();
        for (const auto& name : names) {
            const auto* text = file.find("Rounds", name);
            if (!text) {
                ASSERT_EQ(lastRounds.count(name), 0u) << name << " lost after kill " << kill;
                previous = -1;
                continue;
            }
            const auto round = roundOf(*text, prefix + name + " round ");
            ASSERT_TRUE(round) << name << " torn after kill " << kill;
            // Names are written in order, each round after the ones already in the file.
            ASSERT_LE(*round, previous) << name << " after kill " << kill;
            ASSERT_GE(*round, lastRounds[name]) << name << " went back after kill " << kill;
            lastRounds[name] = previous = *round;
            nextRound = std::max(nextRound, *round + 1);
        }

        // The next write works whatever the killed writer left, and keeps the writer's values.
        FileConfigStore store(path);
        if (kill > 0) {
            ASSERT_EQ(store.ReadString("Check", "after kill", ""), std::to_string(kill - 1));
        }
        store.WriteString("Check", "after kill", std::to_string(kill));
        ASSERT_EQ(FileConfigStore(path).ReadString("Check", "after kill", ""), std::to_string(kill));
    }
    EXPECT_GT(nextRound, 1) << "the writer was always killed before it wrote";
}

// Starts two store_writer processes at the same moment and waits until both have ended.
void runTwoWritersAtOnce(const std::vector<std::string>& firstArguments,
                         const std::vector<std::string>& secondArguments)
{
    Writer first(firstArguments);
    Writer second(secondArguments);
    ASSERT_TRUE(first.waitUntilReady());
    ASSERT_TRUE(second.waitUntilReady());
    first.start();
    second.start();
    ASSERT_EQ(first.waitForExit(std::chrono::seconds(120)), 0);
    ASSERT_EQ(second.waitForExit(std::chrono::seconds(120)), 0);
}

TEST(FileConfigStoreProcesses, TwoInstancesAddingAtOnceLoseNoCount)
{
    StoreFolder folder;
    const auto path = folder.storePath();
    runTwoWritersAtOnce({path, "add", "Correct", "500"}, {path, "add", "Correct", "500"});
    EXPECT_EQ(FileConfigStore(path).ReadString("Stats", "Correct", ""), "1000");
}

TEST(FileConfigStoreProcesses, TwoWritersAtOnceLoseNothing)
{
    StoreFolder folder;
    const auto path = folder.storePath();
    runTwoWritersAtOnce({path, "a", "500", "0", "1", "text of "}, {path, "b", "500", "0", "1", "text of "});

    const auto file = StoreFile::parse(contentOf(path));
    ASSERT_EQ(file.sections().size(), 1u);
    EXPECT_EQ(file.sections().front().values.size(), 1000u);
    for (const auto* writer : {"a", "b"}) {
        for (int index = 0; index < 500; ++index) {
            const auto name = writer + std::to_string(index);
            const auto* text = file.find("Rounds", name);
            ASSERT_TRUE(text) << name;
            EXPECT_EQ(*text, "text of " + name + " round 0");
        }
    }
}
