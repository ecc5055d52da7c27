#include "ConfigDefaults.h"
#include "ProgramPaths.h"
#include "RegistryConfigStore.h"
#include "ScratchRegistryKey.h"
#include "TemporaryFolder.h"
#include "WideText.h"

#include <gtest/gtest.h>

#include <map>

namespace {

// The folder of this executable, as the program finds its own: the wide name, in UTF-8.
std::string runningProgramFolder()
{
    std::wstring path(32768, L'\0');
    path.resize(GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
    return programDirectoryOf(utf8FromWide(path), '\\');
}

// The program's first start on a Windows account that never ran it: the store's own key is
// filled, which the Windows test script then looks at with the registry's own tool. On an
// account where the key exists already, the test leaves it alone.
TEST(RegistryStartup, AFirstRunFillsTheStoresKeyWithEveryDefault)
{
    if (registryKeyExists(wideFromUtf8(kRegistryStoreKey)))
        GTEST_SKIP() << "the store's key exists already; this test writes only a first run";
    const std::string folder = runningProgramFolder();
    ASSERT_EQ(folder.find('/'), std::string::npos) << folder;
    {
        RegistryConfigStore store;
        prepareStore(store, folder, fileExists);
    }

    RegistryConfigStore store;
    EXPECT_EQ(store.Location(), "HKEY_CURRENT_USER\\Software\\Tovik Software\\Calcora 2.01");
    const std::map<std::string, std::string> expected = {
        {"Caption", "Calcora 2.01"},
        {"Play Sounds", "Yes"},
        {"Background Image", folder + "\\bg.bmp"},
        {"Language Pack", folder + "\\english.lng"},
        {"Sound6", folder + "\\next.wav"},
        {"Wrong Foreground Color", "$000000FF"},
    };
    for (const auto& [name, text] : expected)
        EXPECT_EQ(store.ReadString("Interface", name, ""), text) << name;
    EXPECT_EQ(store.ReadString("Stats", "Correct", ""), "0");
    EXPECT_EQ(store.ReadString("Quiz", "SpinEdit5", ""), "10");
    EXPECT_EQ(store.ReadString("Quiz", "SpinEdit12", ""), "0");
    EXPECT_EQ(store.ReadString("Interface", "URL", "none"), "none");
    EXPECT_FALSE(registryKeyExists(wideFromUtf8(kRegistryStoreKey) + L"\\Update"));
}

TEST(RegistryStartup, RepairPointsGoneFilesAtTheProgramFolderWhateverItsName)
{
    const TemporaryFolder program;
    program.write("bg.bmp", "BM");
    const std::string pack = program.write("Deutsch \xC3\xA4\xC3\xB6\xC3\xBC.lng", "Addition\r\n");
    const ScratchRegistryKey key;
    {
        RegistryConfigStore store(key.path());
        store.WriteString("Interface", "Language Pack", pack);
        store.WriteString("Interface", "Sound4", program.filePath("gone.wav"));
        prepareStore(store, program.path(), fileExists);
    }
    RegistryConfigStore store(key.path());
    EXPECT_EQ(store.ReadString("Interface", "Language Pack", ""), pack) << "its file is there";
    EXPECT_EQ(store.ReadString("Interface", "Sound4", ""), program.path() + "\\wrong.wav");
    EXPECT_EQ(store.ReadString("Interface", "Background Image", ""), program.path() + "\\bg.bmp");
}

} // namespace
