#pragma once

#include "WideText.h"

#include <windows.h>

#include <optional>
#include <string>

// A registry key of its own for one test below HKEY_CURRENT_USER\Software\Calcora Tests,
// deleted with everything below it when the object goes. The store's own key is not touched.
class ScratchRegistryKey {
public:
    ScratchRegistryKey();
    ~ScratchRegistryKey();
    ScratchRegistryKey(const ScratchRegistryKey&) = delete;
    ScratchRegistryKey& operator=(const ScratchRegistryKey&) = delete;

    // Below HKEY_CURRENT_USER, as RegistryConfigStore takes it, and as the wide calls do.
    const std::string& path() const { return path_; }
    std::wstring widePath() const { return wideFromUtf8(path_); }

private:
    std::string path_;
};

// What the registry itself holds, read and written past the store. Key paths lie below
// HKEY_CURRENT_USER.
bool registryKeyExists(const std::wstring& path);
void setRegistryValue(const std::wstring& keyPath, const std::wstring& name, DWORD type,
                      const void* data, DWORD size);
struct RegistryValue {
    DWORD type = REG_NONE;
    std::wstring text; // up to its first NUL, as the registry editor shows it
};
std::optional<RegistryValue> registryValue(const std::wstring& keyPath, const std::wstring& name);
