#pragma once

#include <memory>
#include <string>

// Named text values grouped in sections: the program's one persistent store.
// Every value is text; a value that does not exist reads as the default the caller passes.
// A write reaches the backing store before it returns, so nothing is saved at exit.
// Failures throw AppError with the message the user is shown.
class ConfigStore {
public:
    virtual ~ConfigStore() = default;

    virtual std::string ReadString(const std::string& section, const std::string& name,
                                   const std::string& defaultText) = 0;
    virtual void WriteString(const std::string& section, const std::string& name,
                             const std::string& text) = 0;

    // The per-user store of this platform: the registry key on Windows, a text file elsewhere.
    static std::unique_ptr<ConfigStore> createDefault();
};
