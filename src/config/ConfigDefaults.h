#pragma once

#include "ConfigStore.h"

#include <functional>
#include <string>
#include <vector>

// The values every run of the program can rely on, and how start-up makes sure of them.

using ConfigDefault = StoreValue;

// "Sound1" ... "Sound6": the value name of sound number 1 to 6.
std::string soundValueName(int number);
// "SpinEdit1" ... "SpinEdit12": the value name of quiz counter 1 to 12.
std::string quizCounterName(int number);

// The "Interface" and "Stats" defaults in the order start-up checks them; paths lie in
// the given program folder.
std::vector<ConfigDefault> interfaceAndStatsDefaults(const std::string& programDirectory);
// The twelve quiz counts: 0 at level 1, 10 at level 2, 0 at level 3.
std::vector<ConfigDefault> quizDefaults();
// The values that name a file, in the order the repair pass checks them.
std::vector<ConfigDefault> fileDefaults(const std::string& programDirectory);

using FileExists = std::function<bool(const std::string& path)>;

// Start-up: writes the default of every missing (absent or empty) value; writes all twelve
// quiz counts when "SpinEdit1" is missing and none of them otherwise; points every file
// value whose file has gone at its default, whether or not that file exists.
void writeMissingDefaults(ConfigStore& store, const std::string& programDirectory);
void writeQuizDefaults(ConfigStore& store);
void repairMissingFiles(ConfigStore& store, const std::string& programDirectory,
                        const FileExists& fileExists);
// All three passes, with every value they write written to the store at once.
void prepareStore(ConfigStore& store, const std::string& programDirectory,
                  const FileExists& fileExists);
