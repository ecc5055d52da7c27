#include "ScratchRegistryKey.h"

#include <atomic>
#include <stdexcept>

ScratchRegistryKey::ScratchRegistryKey()
{
    static std::atomic<int> count = 0;
    path_ = "Software\\Calcora Tests\\" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++count);
    RegDeleteTreeW(HKEY_CURRENT_USER, widePath().c_str());
}

ScratchRegistryKey::~ScratchRegistryKey()
{
    RegDeleteTreeW(HKEY_CURRENT_USER, widePath().c_str());
    // The common parent goes with the last test's key: a key with subkeys is not deleted.
    RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\Calcora Tests");
}

bool registryKeyExists(const std::wstring& path)
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

void setRegistryValue(const std::wstring& keyPath, const std::wstring& name, DWORD type,
                      const void* data, DWORD size)
{
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, keyPath.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                        nullptr, &key, nullptr)
        != ERROR_SUCCESS)
        throw std::runtime_error("the test cannot create a registry key");
    const LONG status = RegSetValueExW(key, name.c_str(), 0, type, static_cast<const BYTE*>(data), size);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS)
        throw std::runtime_error("the test cannot set a registry value");
}

std::optional<RegistryValue> registryValue(const std::wstring& keyPath, const std::wstring& name)
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, keyPath.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return std::nullopt;
    RegistryValue value;
    DWORD size = 0;
    LONG status = RegQueryValueExW(key, name.c_str(), nullptr, &value.type, nullptr, &size);
    if (status == ERROR_SUCCESS) {
        value.text.assign(size / sizeof(wchar_t) + 1, L'\0');
        status = RegQueryValueExW(key, name.c_str(), nullptr, &value.type,
                                  reinterpret_cast<BYTE*>(value.text.data()), &size);
        value.text.resize(value.text.find(L'\0'));
    }
    RegCloseKey(key);
    if (status != ERROR_SUCCESS)
        return std::nullopt;
    return value;
}
