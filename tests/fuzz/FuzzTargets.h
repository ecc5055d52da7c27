#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

// Every parser of outside input, as an entry that takes any bytes: libFuzzer drives each one in
// its own program (./test.sh --fuzz), and the test suite feeds each one every file of its seed
// corpus (tests/fuzz/corpus/<name>/), so that an input once found to fail stays fixed.
// An entry checks what must hold for any input and stops the program when it does not.
struct FuzzTarget {
    std::string_view name;
    void (*run)(const std::uint8_t* data, std::size_t size);
};

const std::vector<FuzzTarget>& fuzzTargets();

// Stops the program with a message when `holds` is false: a finding.
void fuzzCheck(bool holds, const char* what);

void fuzzStoreFile(const std::uint8_t* data, std::size_t size);
void fuzzLanguagePack(const std::uint8_t* data, std::size_t size);
void fuzzColorText(const std::uint8_t* data, std::size_t size);
void fuzzIntegerText(const std::uint8_t* data, std::size_t size);
void fuzzBitmap(const std::uint8_t* data, std::size_t size);
void fuzzAviFile(const std::uint8_t* data, std::size_t size);
void fuzzCredits(const std::uint8_t* data, std::size_t size);
void fuzzUpdateList(const std::uint8_t* data, std::size_t size);
void fuzzUrlSplit(const std::uint8_t* data, std::size_t size);
void fuzzPupilList(const std::uint8_t* data, std::size_t size);
void fuzzServerPresses(const std::uint8_t* data, std::size_t size);
