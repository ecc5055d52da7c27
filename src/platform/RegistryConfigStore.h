#pragma once

#include "ConfigStore.h"

#include <windows.h>

#include <string>

// The store as the registry key HKEY_CURRENT_USER\Software\Tovik Software\Calcora 2.01: each
// section a subkey of it, each value a string value of its section's subkey.
class RegistryConfigStore final : public ConfigStore {
public:
    // Opens the key with full access, creating it when it is missing.
    RegistryConfigStore();
    ~RegistryConfigStore() override;
    RegistryConfigStore(const RegistryConfigStore&) = delete;
    RegistryConfigStore& operator=(const RegistryConfigStore&) = delete;

    std::string ReadString(const std::string& section, const std::string& name,
                           const std::string& defaultText) override;
    void WriteString(const std::string& section, const std::string& name,
                     const std::string& text) override;
    void WriteStrings(const std::vector<StoreValue>& values) override;
    void ChangeString(const std::string& section, const std::string& name,
                      const std::function<std::string(const std::string&)>& change) override;
    std::string Location() const override;

private:
    HKEY key_ = nullptr;
};
