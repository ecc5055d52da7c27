#include "ConfigDefaults.h"
#include "MemoryConfigStore.h"
#include "ProgramPaths.h"

#include <gtest/gtest.h>

#include <set>

namespace {

// A program folder as this platform writes it.
const std::string kProgram = kPathSeparator == '\\' ? "C:\\Program Files\\Calcora" : "/opt/calcora";

std::string inProgram(const std::string& name)
{
    return kProgram + kPathSeparator + name;
}

bool everyFileExists(const std::string&) { return true; }
bool noFileExists(const std::string&) { return false; }

TEST(StartupDefaults, FirstRunWritesEveryValueWithItsDefault)
{
    MemoryConfigStore store;
    prepareStore(store, kProgram, everyFileExists);

    const std::map<std::string, std::string> interface = {
        {"Caption", "Calcora 2.01"},
        {"Animated Buttons", "Yes"},
        {"Play Sounds", "Yes"},
        {"Background Image", inProgram("bg.bmp")},
        {"Language Pack", inProgram("english.lng")},
        {"Sound1", inProgram("wind.wav")},
        {"Sound2", inProgram("elevator.wav")},
        {"Sound3", inProgram("fall.wav")},
        {"Sound4", inProgram("wrong.wav")},
        {"Sound5", inProgram("correct.wav")},
        {"Sound6", inProgram("next.wav")},
        {"Text Foreground Color", "$00FFFFFF"},
        {"Text Background Color", "$00000000"},
        {"Correct Foreground Color", "$0000FF00"},
        {"Correct Background Color", "$00000000"},
        {"Wrong Foreground Color", "$000000FF"},
        {"Wrong Background Color", "$00000000"},
    };
    EXPECT_EQ(store.section("Interface"), interface);
    EXPECT_EQ(store.section("Stats"), (std::map<std::string, std::string>{{"Correct", "0"}, {"Wrong", "0"}}));
    EXPECT_EQ(store.section("Quiz"), (std::map<std::string, std::string>{
        {"SpinEdit1", "0"}, {"SpinEdit2", "0"}, {"SpinEdit3", "0"}, {"SpinEdit4", "0"},
        {"SpinEdit5", "10"}, {"SpinEdit6", "10"}, {"SpinEdit7", "10"}, {"SpinEdit8", "10"},
        {"SpinEdit9", "0"}, {"SpinEdit10", "0"}, {"SpinEdit11", "0"}, {"SpinEdit12", "0"}}));
    EXPECT_FALSE(store.hasValue("Interface", "URL"));
    EXPECT_FALSE(store.hasSection("Update"));
}

TEST(StartupDefaults, WritesInTheirFixedOrderAndOnlyWhatIsMissing)
{
    MemoryConfigStore store;
    prepareStore(store, kProgram, everyFileExists);
    const std::vector<std::string> firstRun = store.writes();
    ASSERT_EQ(firstRun.size(), 17u + 2u + 12u);
    EXPECT_EQ(firstRun.front(), "Interface/Caption");
    EXPECT_EQ(firstRun[3], "Interface/Background Image");
    EXPECT_EQ(firstRun[16], "Interface/Wrong Background Color");
    EXPECT_EQ(firstRun[17], "Stats/Correct");
    EXPECT_EQ(firstRun[19], "Quiz/SpinEdit1");
    EXPECT_EQ(firstRun.back(), "Quiz/SpinEdit12");

    prepareStore(store, kProgram, everyFileExists);
    EXPECT_EQ(store.writes().size(), firstRun.size()) << "a second run writes nothing";
}

TEST(StartupDefaults, AnEmptyValueCountsAsMissingButOtherTextsStay)
{
    MemoryConfigStore store;
    store.WriteString("Interface", "Caption", "");
    store.WriteString("Interface", "Animated Buttons", "yes");
    store.WriteString("Stats", "Correct", "not a number");
    prepareStore(store, kProgram, everyFileExists);
    EXPECT_EQ(store.ReadString("Interface", "Caption", ""), "Calcora 2.01");
    EXPECT_EQ(store.ReadString("Interface", "Animated Buttons", ""), "yes");
    EXPECT_EQ(store.ReadString("Stats", "Correct", ""), "not a number");
}

TEST(StartupDefaults, QuizCountsAreWrittenAllOrNoneByTheFirstCounter)
{
    MemoryConfigStore missingFirst;
    missingFirst.WriteString("Quiz", "SpinEdit1", "");
    missingFirst.WriteString("Quiz", "SpinEdit7", "3");
    writeQuizDefaults(missingFirst);
    EXPECT_EQ(missingFirst.ReadString("Quiz", "SpinEdit7", ""), "10");
    EXPECT_EQ(missingFirst.ReadString("Quiz", "SpinEdit1", ""), "0");

    MemoryConfigStore presentFirst;
    presentFirst.WriteString("Quiz", "SpinEdit1", "5");
    writeQuizDefaults(presentFirst);
    EXPECT_EQ(presentFirst.ReadString("Quiz", "SpinEdit1", ""), "5");
    EXPECT_FALSE(presentFirst.hasValue("Quiz", "SpinEdit2"));
    EXPECT_EQ(presentFirst.writes().size(), 1u);
}

TEST(StartupDefaults, RepairPointsEachGoneFileAtItsDefault)
{
    for (const auto& file : fileDefaults(kProgram)) {
        SCOPED_TRACE(file.name);
        MemoryConfigStore store;
        prepareStore(store, kProgram, everyFileExists);
        for (const auto& other : fileDefaults(kProgram))
            store.WriteString(other.section, other.name, "/home/pupil/" + other.name);

        const std::string gone = "/home/pupil/" + file.name;
        repairMissingFiles(store, kProgram, [&](const std::string& path) { return path != gone; });

        for (const auto& other : fileDefaults(kProgram)) {
            const std::string expected = other.name == file.name ? other.text : "/home/pupil/" + other.name;
            EXPECT_EQ(store.ReadString(other.section, other.name, ""), expected);
        }
    }
}

TEST(StartupDefaults, RepairWritesTheDefaultEvenWhenThatFileIsGoneToo)
{
    MemoryConfigStore store;
    store.WriteString("Interface", "Sound4", "/deleted/wrong.wav");
    std::set<std::string> checked;
    prepareStore(store, kProgram, [&](const std::string& path) {
        checked.insert(path);
        return noFileExists(path);
    });
    EXPECT_EQ(store.ReadString("Interface", "Sound4", ""), inProgram("wrong.wav"));
    EXPECT_EQ(checked.count("/deleted/wrong.wav"), 1u) << "the configured file is the one checked";
    EXPECT_EQ(checked.size(), 8u);
}

// Counts how often the store itself is written to.
class CountingStore final : public ConfigStore {
public:
    std::string ReadString(const std::string& section, const std::string& name,
                           const std::string& defaultText) override
    {
        return values.ReadString(section, name, defaultText);
    }
    void WriteString(const std::string& section, const std::string& name, const std::string& text) override
    {
        ++writes;
        values.WriteString(section, name, text);
    }
    void WriteStrings(const std::vector<StoreValue>& batch) override
    {
        ++writes;
        values.WriteStrings(batch);
    }
    void ChangeString(const std::string&, const std::string&,
                      const std::function<std::string(const std::string&)>&) override
    {
        ADD_FAILURE() << "start-up changes no value";
    }
    std::string Location() const override { return "counted"; }

    MemoryConfigStore values;
    int writes = 0;
};

TEST(StartupDefaults, AFirstStartWritesAllItsValuesAtOnce)
{
    CountingStore store;
    prepareStore(store, kProgram, noFileExists);
    EXPECT_EQ(store.writes, 1);
    EXPECT_EQ(store.values.section("Interface").size(), 17u);
    EXPECT_EQ(store.values.section("Quiz").size(), 12u);

    CountingStore complete;
    prepareStore(complete.values, kProgram, everyFileExists);
    prepareStore(complete, kProgram, everyFileExists);
    EXPECT_EQ(complete.writes, 0) << "a store that is whole is not written at all";
}

TEST(ProgramFolder, DefaultPathsFromARootFolderDoubleTheSeparator)
{
    EXPECT_EQ(programDirectoryOf("/calcora", '/'), "/");
    EXPECT_EQ(programDirectoryOf("/opt/calcora/calcora", '/'), "/opt/calcora");
    EXPECT_EQ(programDirectoryOf("C:\\calcora.exe", '\\'), "C:\\");
    EXPECT_EQ(programDirectoryOf("C:\\Program Files\\Calcora\\calcora.exe", '\\'),
              "C:\\Program Files\\Calcora");

    // The program at the root of the file system: "/" on Linux, a drive's root on Windows.
    const bool windows = kPathSeparator == '\\';
    const std::string root = programDirectoryOf(windows ? "C:\\calcora.exe" : "/calcora", kPathSeparator);
    MemoryConfigStore store;
    prepareStore(store, root, everyFileExists);
    EXPECT_EQ(store.ReadString("Interface", "Background Image", ""), windows ? "C:\\\\bg.bmp" : "//bg.bmp");
    EXPECT_EQ(store.ReadString("Interface", "Sound6", ""), windows ? "C:\\\\next.wav" : "//next.wav");
}

} // namespace
