#include "RegistryConfigStore.h"

#include "AppError.h"

namespace {

constexpr const char* storeKey = "Software\\Tovik Software\\Calcora 2.01";

// A section's subkey, closed when it goes out of scope.
class SectionKey {
public:
    SectionKey() = default;
    explicit SectionKey(HKEY key) : key_(key) {}
    ~SectionKey()
    {
        if (key_)
            RegCloseKey(key_);
    }
    SectionKey(const SectionKey&) = delete;
    SectionKey& operator=(const SectionKey&) = delete;

    HKEY* out() { return &key_; }
    HKEY get() const { return key_; }

private:
    HKEY key_ = nullptr;
};

HKEY createKey(HKEY parent, const std::string& path)
{
    HKEY key = nullptr;
    if (RegCreateKeyExA(parent, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
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

RegistryConfigStore::RegistryConfigStore()
{
    if (RegOpenKeyExA(HKEY_CURRENT_USER, storeKey, 0, KEY_ALL_ACCESS, &key_) != ERROR_SUCCESS)
        key_ = createKey(HKEY_CURRENT_USER, storeKey);
}

RegistryConfigStore::~RegistryConfigStore()
{
    RegCloseKey(key_);
}

std::string RegistryConfigStore::ReadString(const std::string& section, const std::string& name,
                                            const std::string& defaultText)
{
    SectionKey sectionKey;
    if (RegOpenKeyExA(key_, section.c_str(), 0, KEY_READ, sectionKey.out()) != ERROR_SUCCESS)
        return defaultText;

    // The value may grow between asking for its size and reading it: then ask again.
    DWORD type = 0;
    DWORD size = 0;
    LONG status = RegQueryValueExA(sectionKey.get(), name.c_str(), nullptr, &type, nullptr, &size);
    std::string text;
    while (status == ERROR_SUCCESS || status == ERROR_MORE_DATA) {
        if (!isText(type))
            throw AppError("Invalid data type for '" + name + "'");
        text.resize(size);
        status = RegQueryValueExA(sectionKey.get(), name.c_str(), nullptr, &type,
                                  reinterpret_cast<BYTE*>(text.data()), &size);
        if (status == ERROR_SUCCESS && isText(type)) {
            text.resize(size);
            return text.substr(0, text.find('\0'));
        }
    }
    return defaultText;
}

void RegistryConfigStore::WriteString(const std::string& section, const std::string& name,
                                      const std::string& text)
{
    const SectionKey sectionKey(createKey(key_, section));
    if (RegSetValueExA(sectionKey.get(), name.c_str(), 0, REG_SZ,
                       reinterpret_cast<const BYTE*>(text.c_str()),
                       static_cast<DWORD>(text.size() + 1))
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
    ChangeLock() : mutex_(CreateMutexA(nullptr, FALSE, "Local\\Calcora 2.01 store"))
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
    return std::string("HKEY_CURRENT_USER\\") + storeKey;
}
