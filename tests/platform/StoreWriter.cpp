// Writes values into a store file, for the store tests to run as another process:
//
//     store_writer FILE NAME_PREFIX COUNT FIRST_ROUND ROUNDS TEXT_PREFIX
//
// In each round r, from FIRST_ROUND on, it writes the values NAME_PREFIX0 ... NAME_PREFIX<COUNT-1>
// of section "Rounds" in that order, each as TEXT_PREFIX, its name, " round " and r. ROUNDS 0
// goes on until the process is killed. It prints "ready" first and starts writing when its
// standard input ends, so that a test can start several writers at the same moment.
//
//     store_writer FILE add NAME COUNT
//
// adds one to the whole number in value NAME of section "Stats", COUNT times, as a drill round
// counts its answers.

#include "AppError.h"
#include "FileConfigStore.h"

#include <charconv>
#include <cstdio>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>

namespace {

std::optional<unsigned long> numberOf(std::string_view text)
{
    unsigned long number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return number;
}

void waitForStart()
{
    std::cout << "ready" << std::endl;
    while (std::getchar() != EOF) {
    }
}

} // namespace

int addToTotal(const char* path, const std::string& name, unsigned long count)
{
    FileConfigStore store(path);
    waitForStart();
    try {
        for (unsigned long added = 0; added < count; ++added) {
            store.ChangeString("Stats", name, [](const std::string& total) {
                return std::to_string((total.empty() ? 0 : std::stol(total)) + 1);
            });
        }
    } catch (const AppError& error) {
        std::cerr << error.what() << '\n';
        return 1;
    }
    return 0;
}

int main(int argc, char* argv[])
{
    if (argc == 5 && std::string_view(argv[2]) == "add") {
        if (const auto count = numberOf(argv[4]))
            return addToTotal(argv[1], argv[3], *count);
    }
    const auto count = argc == 7 ? numberOf(argv[3]) : std::nullopt;
    const auto firstRound = argc == 7 ? numberOf(argv[4]) : std::nullopt;
    const auto rounds = argc == 7 ? numberOf(argv[5]) : std::nullopt;
    if (!count || !firstRound || !rounds) {
        std::cerr << "usage: store_writer FILE NAME_PREFIX COUNT FIRST_ROUND ROUNDS TEXT_PREFIX\n";
        return 2;
    }
    const std::string namePrefix = argv[2];
    const std::string textPrefix = argv[6];

    FileConfigStore store(argv[1]);
    waitForStart();
    try {
        for (auto round = *firstRound; *rounds == 0 || round < *firstRound + *rounds; ++round) {
            for (unsigned long index = 0; index < *count; ++index) {
                const auto name = namePrefix + std::to_string(index);
                store.WriteString("Rounds", name, textPrefix + name + " round " + std::to_string(round));
            }
        }
    } catch (const AppError& error) {
        std::cerr << error.what() << '\n';
        return 1;
    }
    return 0;
}
