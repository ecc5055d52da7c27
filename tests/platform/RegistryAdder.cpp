// Adds 1 to the "Correct" value of section "Stats" of a registry store, a number of times, as
// a second instance of the program would. The registry tests run two at once.
//   registry_adder <key below HKEY_CURRENT_USER> <times> <ready semaphore> <go event>
// It releases the semaphore once it has opened the store, and starts adding when the event is
// set. The names are ASCII.

#include "AppError.h"
#include "RegistryConfigStore.h"

#include <iostream>
#include <string>

int main(int argc, char* argv[])
{
    if (argc != 5) {
        std::cerr << "usage: registry_adder <key> <times> <ready semaphore> <go event>\n";
        return 2;
    }
    try {
        RegistryConfigStore store(argv[1]);
        const int times = std::stoi(argv[2]);
        const HANDLE ready = OpenSemaphoreA(SEMAPHORE_MODIFY_STATE, FALSE, argv[3]);
        const HANDLE go = OpenEventA(SYNCHRONIZE, FALSE, argv[4]);
        if (!ready || !go) {
            std::cerr << "registry_adder: the test's semaphore or event is missing\n";
            return 1;
        }
        ReleaseSemaphore(ready, 1, nullptr);
        WaitForSingleObject(go, INFINITE);
        for (int i = 0; i < times; ++i) {
            store.ChangeString("Stats", "Correct", [](const std::string& text) {
                return std::to_string((text.empty() ? 0 : std::stoi(text)) + 1);
            });
        }
    } catch (const std::exception& error) {
        std::cerr << "registry_adder: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
