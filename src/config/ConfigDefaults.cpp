#include "ConfigDefaults.h"

#include "ConfigNames.h"
#include "ConfigStore.h"
#include "PendingWrites.h"
#include "ProgramPaths.h"

using namespace config;

std::string soundValueName(int number)
{
    return "Sound" + std::to_string(number);
}

std::string quizCounterName(int number)
{
    return "SpinEdit" + std::to_string(number);
}

std::vector<ConfigDefault> fileDefaults(const std::string& programDirectory)
{
    const auto file = [&](const char* name) { return joinProgramPath(programDirectory, name); };
    return {
        {kInterface, kBackgroundImage, file("bg.bmp")},
        {kInterface, kLanguagePack, file("english.lng")},
        {kInterface, soundValueName(1), file("wind.wav")},
        {kInterface, soundValueName(2), file("elevator.wav")},
        {kInterface, soundValueName(3), file("fall.wav")},
        {kInterface, soundValueName(4), file("wrong.wav")},
        {kInterface, soundValueName(5), file("correct.wav")},
        {kInterface, soundValueName(6), file("next.wav")},
    };
}

std::vector<ConfigDefault> interfaceAndStatsDefaults(const std::string& programDirectory)
{
    std::vector<ConfigDefault> defaults = {
        {kInterface, kCaption, "Calcora 2.01"},
        {kInterface, kAnimatedButtons, kYes},
        {kInterface, kPlaySounds, kYes},
    };
    for (auto& file : fileDefaults(programDirectory))
        defaults.push_back(std::move(file));
    defaults.insert(defaults.end(), {
        {kInterface, kTextForegroundColor, "$00FFFFFF"},
        {kInterface, kTextBackgroundColor, "$00000000"},
        {kInterface, kCorrectForegroundColor, "$0000FF00"},
        {kInterface, kCorrectBackgroundColor, "$00000000"},
        {kInterface, kWrongForegroundColor, "$000000FF"},
        {kInterface, kWrongBackgroundColor, "$00000000"},
        {kStats, kCorrect, "0"},
        {kStats, kWrong, "0"},
    });
    return defaults;
}

std::vector<ConfigDefault> quizDefaults()
{
    std::vector<ConfigDefault> defaults;
    for (int number = 1; number <= 12; ++number) {
        const bool levelTwo = number >= 5 && number <= 8;
        defaults.push_back({kQuiz, quizCounterName(number), levelTwo ? "10" : "0"});
    }
    return defaults;
}

namespace {

bool isMissing(ConfigStore& store, const ConfigDefault& value)
{
    return store.ReadString(value.section, value.name, "").empty();
}

void write(ConfigStore& store, const ConfigDefault& value)
{
    store.WriteString(value.section, value.name, value.text);
}

} // namespace

void writeMissingDefaults(ConfigStore& store, const std::string& programDirectory)
{
    for (const auto& value : interfaceAndStatsDefaults(programDirectory)) {
        if (isMissing(store, value))
            write(store, value);
    }
}

void writeQuizDefaults(ConfigStore& store)
{
    const auto defaults = quizDefaults();
    if (!isMissing(store, defaults.front()))
        return;
    for (const auto& value : defaults)
        write(store, value);
}

void repairMissingFiles(ConfigStore& store, const std::string& programDirectory,
                        const FileExists& fileExists)
{
    for (const auto& value : fileDefaults(programDirectory)) {
        if (!fileExists(store.ReadString(value.section, value.name, "")))
            write(store, value);
    }
}

void prepareStore(ConfigStore& store, const std::string& programDirectory,
                  const FileExists& fileExists)
{
    // Each pass reads what the one before wrote; the store is written once, at the end.
    PendingWrites writes(store);
    writeMissingDefaults(writes, programDirectory);
    writeQuizDefaults(writes);
    repairMissingFiles(writes, programDirectory, fileExists);
    writes.commit();
}
