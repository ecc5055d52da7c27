#include "RegistryConfigStore.h"

#include "AppError.h"
#include "WideText.h"

#include <limits>

namespace {

// A registry key, closed when it goes out of scope.
class OpenKey {
public:
    OpenKey() = default;
    explicit OpenKey(HKEY key) : key_(key) {}
    ~OpenKey()
    {
        if (key_)
            RegCloseKey(key_);
    }
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;

    HKEY* out() { return &key_; }
    HKEY get() const { return key_; }

private:
    HKEY key_ = nullptr;
};

HKEY createKey(HKEY parent, const std::string& path)
{
    HKEY key = nullptr;
    if (RegCreateKeyExW(parent, wideFromUtf8(path).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_ALL_ACCESS, nullptr, &key, nullptr)
        != ERROR_SUCCESS)
        throw AppError("Failed to create key " + path);
    return key;
}

bool isText(DWORD type)
{
    return type == REG_SZ || type == REG_EXPAND_SZ;
}

} // namespace

RegistryConfigStore::RegistryConfigStore(const std::string& keyPath) : keyPath_(keyPath)
{
    if (RegOpenKeyExW(HKEY_CURRENT_USER, wideFromUtf8(keyPath_).c_str(), 0, KEY_ALL_ACCESS, &key_)
        != ERROR_SUCCESS)
        key_ = createKey(HKEY_CURRENT_USER, keyPath_);
}

RegistryConfigStore::~RegistryConfigStore()
{
    RegCloseKey(key_);
}

std::string RegistryConfigStore::ReadString(const std::string& section, const std::string& name,
                                            const std::string& defaultText)
{
    OpenKey sectionKey;
    if (RegOpenKeyExW(key_, wideFromUtf8(section).c_str(), 0, KEY_READ, sectionKey.out()) != ERROR_SUCCESS)
        return defaultText;

    const std::wstring valueName = wideFromUtf8(name);
    DWORD type = 0;
    DWORD size = 0;
    LONG status = RegQueryValueExW(sectionKey.get(), valueName.c_str(), nullptr, &type, nullptr, &size);
    // The value may grow between asking for its size and reading it: then ask again.
    while (status == ERROR_SUCCESS || status == ERROR_MORE_DATA) {
        if (!isText(type))
            throw AppError("Invalid data type for '" + name + "'");
        // A damaged value may have an odd number of bytes; its last half character is dropped.
        std::wstring text(size / sizeof(wchar_t) + 1, L'\0');
        size = static_cast<DWORD>(text.size() * sizeof(wchar_t));
        status = RegQueryValueExW(sectionKey.get(), valueName.c_str(), nullptr, &type,
                                  reinterpret_cast<BYTE*>(text.data()), &size);
        if (status == ERROR_SUCCESS && isText(type)) {
            text.resize(size / sizeof(wchar_t));
            return utf8FromWide(std::wstring_view(text).substr(0, text.find(L'\0')));
        }
    }
    return defaultText;
}

void RegistryConfigStore::WriteString(const std::string& section, const std::string& name,
                                      const std::string& text)
{
    const std::wstring value = wideFromUtf8(text);
    const std::size_t bytes = (value.size() + 1) * sizeof(wchar_t);
    const OpenKey sectionKey(createKey(key_, section));
    if (bytes > std::numeric_limits<DWORD>::max()
        || RegSetValueExW(sectionKey.get(), wideFromUtf8(name).c_str(), 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(value.c_str()), static_cast<DWORD>(bytes))
            != ERROR_SUCCESS)
        throw AppError("Failed to set data for '" + name + "'");
}

void RegistryConfigStore::WriteStrings(const std::vector<StoreValue>& values)
{
    for (const auto& value : values)
        WriteString(value.section, value.name, value.text);
}

namespace {

// Held while one instance reads, changes and writes a value, so that another instance cannot
// come between the read and the write.
class ChangeLock {
public:
    ChangeLock() : mutex_(CreateMutexW(nullptr, FALSE, L"Local\\Calcora 2.01 store"))
    {
        if (mutex_)
            WaitForSingleObject(mutex_, INFINITE);
    }
    ~ChangeLock()
    {
        if (mutex_) {
            ReleaseMutex(mutex_);
            CloseHandle(mutex_);
        }
    }
    ChangeLock(const ChangeLock&) = delete;
    ChangeLock& operator=(const ChangeLock&) = delete;

private:
    HANDLE mutex_;
};

} // namespace

void RegistryConfigStore::ChangeString(const std::string& section, const std::string& name,
                                       const std::function<std::string(const std::string&)>& change)
{
    const ChangeLock lock;
    WriteString(section, name, change(ReadString(section, name, "")));
}

std::string RegistryConfigStore::Location() const
{
    return "HKEY_CURRENT_USER\\" + keyPath_;
}
