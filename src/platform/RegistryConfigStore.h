#pragma once

#include "ConfigStore.h"

#include <windows.h>

#include <string>

// The key below HKEY_CURRENT_USER that holds the program's values.
inline constexpr const char* kRegistryStoreKey = "Software\\Tovik Software\\Calcora 2.01";

// The store as a registry key below HKEY_CURRENT_USER: each section a subkey of it, each value
// a string value of its section's subkey. Texts are stored as UTF-16 through the registry's
// wide calls (see WideText.h), so that the registry editor shows them as written whatever the
// code page, and every text, paths included, reads back exactly.
class RegistryConfigStore final : public ConfigStore {
public:
    // Opens the key with full access, creating it when it is missing.
    explicit RegistryConfigStore(const std::string& keyPath = kRegistryStoreKey);
    ~RegistryConfigStore() override;
    RegistryConfigStore(const RegistryConfigStore&) = delete;
    RegistryConfigStore& operator=(const RegistryConfigStore&) = delete;

    std::string ReadString(const std::string& section, const std::string& name,
                           const std::string& defaultText) override;
    void WriteString(const std::string& section, const std::string& name,
                     const std::string& text) override;
    void WriteStrings(const std::vector<StoreValue>& values) override;
    // Other instances of the program are kept out by a mutex of the session's, for as long as
    // the value is read, changed and written.
    void ChangeString(const std::string& section, const std::string& name,
                      const std::function<std::string(const std::string&)>& change) override;
    std::string Location() const override;

private:
    std::string keyPath_;
    HKEY key_ = nullptr;
};
