#include "AppError.h"
#include "RegistryConfigStore.h"
#include "ScratchRegistryKey.h"
#include "WideText.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <functional>
#include <iostream>
#include <string>
#include <thread>
#include <vector>

namespace {

const std::string kGerman = "Gr\xC3\xB6\xC3\x9F" "e";             // "Größe"
const std::string kJapanese = "\xE7\xAE\x97\xE6\x95\xB0";          // "算数", arithmetic
const std::string kBeyondTheBmp = "\xF0\x9F\x98\x80";              // a face, a surrogate pair

std::string failureOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const AppError& error) {
        return error.message();
    }
    return "no failure";
}

// The code page decides what the registry's 8-bit calls make of a text; the store uses the
// wide calls, so every test here must pass whichever is set. The Windows suite is run once
// per code page and tells which one each run had.
TEST(WindowsCodePage, IsTheOneThisRunAskedFor)
{
    std::cout << "[   INFO   ] Windows reports the ANSI code page " << GetACP() << std::endl;
    const char* asked = std::getenv("CALCORA_CODE_PAGE");
    if (!asked)
        GTEST_SKIP() << "no code page asked for (CALCORA_CODE_PAGE)";
    EXPECT_EQ(std::to_string(GetACP()), asked);
}

TEST(RegistryStore, OddSectionsNamesAndTextsComeBackExactly)
{
    const struct {
        std::string section;
        std::string name;
        std::string text;
    } cases[] = {
        {"Interface", "Caption", "Calcora 2.01"},
        {" Spaced ", " Spaced name ", "  spaces at either end  "},
        {"a=b", "Name=Value", "=x=y="},
        {"[Section]", "[Name]", "[Section]\r\nName=Value"},
        {";comment", ";name", "; not a comment"},
        {"Back\\slash", "C:\\name", "C:\\Program Files\\Calcora\\bg.bmp"},
        {"\"Quoted\"", "'single' \"double\"", "\"\\\""},
        {"Tab\there", "\tname\t", "\ttext\t"},
        {"Empty", "Empty text", ""},
        {"Empty", "", "the section's unnamed value"},
        {"", "Beside the sections", "in the store's key itself"},
        {"Big", "A hundred kilobytes", std::string(100 * 1024, 'x') + kGerman + std::string(100, 'y')},
        {kGerman, kJapanese, kGerman + " " + kJapanese + " " + kBeyondTheBmp},
        {"Paths", "Sound4", "C:\\Users\\J\xC3\xBCrgen\\" + kJapanese + "\\wrong.wav"},
        // Bytes that are not UTF-8, as a damaged value may hold, come back too.
        {"Damaged", "caf\xE9", "\xFF\xFE caf\xE9 \x80"},
    };
    const ScratchRegistryKey key;
    RegistryConfigStore store(key.path());
    for (const auto& c : cases)
        store.WriteString(c.section, c.name, c.text);

    RegistryConfigStore another(key.path()); // another handle, as another window has
    for (const auto& c : cases) {
        SCOPED_TRACE(c.section + "/" + c.name);
        EXPECT_EQ(another.ReadString(c.section, c.name, "missing"), c.text);
    }
}

TEST(RegistryStore, TextsAreStoredAsTheirCharactersWhateverTheCodePage)
{
    const ScratchRegistryKey key;
    RegistryConfigStore store(key.path());
    store.WriteString("Interface", "Caption", kGerman + " " + kJapanese);
    store.WriteString(kJapanese, kGerman, "x");

    // What the registry editor shows: the characters themselves, not the UTF-8 bytes read in
    // some code page ("GrÃ¶ÃŸe").
    const auto caption = registryValue(key.widePath() + L"\\Interface", L"Caption");
    ASSERT_TRUE(caption);
    EXPECT_EQ(caption->type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(caption->text, L"Gr\u00F6\u00DFe \u7B97\u6570");
    const auto named = registryValue(key.widePath() + L"\\\u7B97\u6570", L"Gr\u00F6\u00DFe");
    ASSERT_TRUE(named) << "the section and the value are named in those characters too";
    EXPECT_EQ(named->text, L"x");
}

TEST(RegistryStore, AValueOfAnotherTypeFailsToReadUnlessItIsText)
{
    const ScratchRegistryKey key;
    const std::wstring section = key.widePath() + L"\\Stats";
    const DWORD number = 12;
    const unsigned long long wide = 12;
    const BYTE bytes[] = {'1', '2', 0};
    const wchar_t list[] = L"12\0" L"13\0";
    setRegistryValue(section, L"Dword", REG_DWORD, &number, sizeof number);
    setRegistryValue(section, L"Qword", REG_QWORD, &wide, sizeof wide);
    setRegistryValue(section, L"Binary", REG_BINARY, bytes, sizeof bytes);
    setRegistryValue(section, L"List", REG_MULTI_SZ, list, sizeof list);
    const wchar_t expandable[] = L"%SystemRoot%\\bg.bmp";
    setRegistryValue(section, L"Expandable", REG_EXPAND_SZ, expandable, sizeof expandable);
    const wchar_t twoTexts[] = L"first\0second";
    setRegistryValue(section, L"Two texts", REG_SZ, twoTexts, sizeof twoTexts);
    const wchar_t unended[] = {L'1', L'2'};
    setRegistryValue(section, L"Unended", REG_SZ, unended, sizeof unended);
    const BYTE odd[] = {'1', 0, '2', 0, '3'};
    setRegistryValue(section, L"Odd length", REG_SZ, odd, sizeof odd);

    RegistryConfigStore store(key.path());
    for (const char* name : {"Dword", "Qword", "Binary", "List"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(failureOf([&] { store.ReadString("Stats", name, ""); }),
                  std::string("Invalid data type for '") + name + "'");
    }
    EXPECT_EQ(store.ReadString("Stats", "Expandable", ""), "%SystemRoot%\\bg.bmp") << "not expanded";
    EXPECT_EQ(store.ReadString("Stats", "Two texts", ""), "first") << "up to the first NUL";
    EXPECT_EQ(store.ReadString("Stats", "Unended", ""), "12");
    EXPECT_EQ(store.ReadString("Stats", "Odd length", ""), "12") << "the half character is dropped";
}

TEST(RegistryStore, WhatIsMissingReadsAsTheDefaultAndReadingCreatesNothing)
{
    const ScratchRegistryKey key;
    ASSERT_FALSE(registryKeyExists(key.widePath()));
    RegistryConfigStore store(key.path());
    EXPECT_TRUE(registryKeyExists(key.widePath())) << "opening the store makes its key";
    EXPECT_EQ(store.Location(), "HKEY_CURRENT_USER\\" + key.path());

    EXPECT_EQ(store.ReadString("Update", "Item", "default"), "default");
    EXPECT_FALSE(registryKeyExists(key.widePath() + L"\\Update")) << "a read makes no section";
    store.WriteString("Stats", "Correct", "3");
    EXPECT_EQ(store.ReadString("Stats", "Wrong", "default"), "default");
    EXPECT_EQ(store.ReadString("Stats", "Correct", "default"), "3");
}

TEST(RegistryStore, AWriteTheRegistryRefusesSaysWhatFailed)
{
    const ScratchRegistryKey key;
    RegistryConfigStore store(key.path());
    const std::string longSection(300, 's');
    EXPECT_EQ(failureOf([&] { store.WriteString(longSection, "Name", "x"); }),
              "Failed to create key " + longSection);
    EXPECT_EQ(failureOf([&] { store.WriteString("\\Leading", "Name", "x"); }),
              "Failed to create key \\Leading");
    const std::string longName(20000, 'n');
    EXPECT_EQ(failureOf([&] { store.WriteString("Interface", longName, "x"); }),
              "Failed to set data for '" + longName + "'");
    EXPECT_EQ(store.ReadString(longSection, "Name", "default"), "default");
}

int count(RegistryConfigStore& store)
{
    const std::string text = store.ReadString("Stats", "Correct", "");
    return text.empty() ? 0 : std::stoi(text);
}

void addOne(RegistryConfigStore& store)
{
    store.ChangeString("Stats", "Correct", [](const std::string& text) {
        return std::to_string((text.empty() ? 0 : std::stoi(text)) + 1);
    });
}

TEST(RegistryStore, ChangesFromTwoThreadsAtOnceAllCount)
{
    const ScratchRegistryKey key;
    constexpr int kEach = 500;
    // Both start adding together. A spin rather than std::latch: MinGW's libstdc++ 12 waits on
    // a latch through a shared condition variable that sometimes misses the wake-up, and the
    // test then never ends.
    std::atomic<int> ready{0};
    const auto adder = [&] {
        RegistryConfigStore store(key.path());
        ++ready;
        while (ready.load() < 2)
            std::this_thread::yield();
        for (int i = 0; i < kEach; ++i)
            addOne(store);
    };
    std::thread first(adder), second(adder);
    first.join();
    second.join();
    RegistryConfigStore store(key.path());
    EXPECT_EQ(count(store), 2 * kEach);
}

// The folder of this test executable, where registry_adder.exe lies beside it.
std::wstring testFolder()
{
    std::wstring path(32768, L'\0');
    path.resize(GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
    return path.substr(0, path.rfind(L'\\'));
}

// A kernel object, closed when it goes out of scope.
class Handle {
public:
    explicit Handle(HANDLE handle) : handle_(handle) {}
    ~Handle()
    {
        if (handle_)
            CloseHandle(handle_);
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    HANDLE get() const { return handle_; }

private:
    HANDLE handle_;
};

TEST(RegistryStore, ChangesFromTwoProcessesAtOnceAllCount)
{
    const ScratchRegistryKey key;
    constexpr int kEach = 300;
    constexpr DWORD kGenerousWait = 120'000;
    // Each adder says when it is ready and waits for the word to go, so that they overlap.
    const std::string tag = std::to_string(GetCurrentProcessId());
    const std::string readyName = "Local\\Calcora adders ready " + tag;
    const std::string goName = "Local\\Calcora adders go " + tag;
    const Handle ready(CreateSemaphoreW(nullptr, 0, 2, wideFromUtf8(readyName).c_str()));
    const Handle go(CreateEventW(nullptr, TRUE, FALSE, wideFromUtf8(goName).c_str()));
    ASSERT_TRUE(ready.get() && go.get());

    std::vector<PROCESS_INFORMATION> adders;
    for (int i = 0; i < 2; ++i) {
        std::wstring command = L"\"" + testFolder() + L"\\registry_adder.exe\" \"" + key.widePath()
            + L"\" " + std::to_wstring(kEach) + L" \"" + wideFromUtf8(readyName) + L"\" \""
            + wideFromUtf8(goName) + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                   nullptr, &startup, &process))
            << "registry_adder.exe does not start: " << GetLastError();
        CloseHandle(process.hThread);
        adders.push_back(process);
    }
    for (int i = 0; i < 2; ++i)
        ASSERT_EQ(WaitForSingleObject(ready.get(), kGenerousWait), WAIT_OBJECT_0);
    SetEvent(go.get());

    for (const auto& adder : adders) {
        EXPECT_EQ(WaitForSingleObject(adder.hProcess, kGenerousWait), WAIT_OBJECT_0);
        DWORD exitCode = 1;
        GetExitCodeProcess(adder.hProcess, &exitCode);
        EXPECT_EQ(exitCode, 0u);
        CloseHandle(adder.hProcess);
    }
    RegistryConfigStore store(key.path());
    EXPECT_EQ(count(store), 2 * kEach);
}

} // namespace
