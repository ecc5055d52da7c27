#pragma once

#include "AppError.h"

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

// One named text value of a section.
struct StoreValue {
    std::string section;
    std::string name;
    std::string text;
};

// The store itself cannot be used: its file or key cannot be read or written. The message is
// the one a handler shows; the reason says why, in a few words ("Permission denied").
class StoreUnusable : public AppError {
public:
    StoreUnusable(const std::string& message, std::string reason)
        : AppError(message), reason_(std::move(reason))
    {
    }
    const std::string& reason() const { return reason_; }

private:
    std::string reason_;
};

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
    // Writes all the values in one go (the file store replaces its file once for all of them).
    virtual void WriteStrings(const std::vector<StoreValue>& values) = 0;
    // Replaces a value by what `change` makes of its current text (empty when missing), as
    // one step that no other running instance can come between: two instances adding to a
    // total at the same moment both count. When `change` throws, nothing is written.
    virtual void ChangeString(const std::string& section, const std::string& name,
                              const std::function<std::string(const std::string&)>& change) = 0;

    // Where the values are kept, as the user would look for them.
    virtual std::string Location() const = 0;
};

// The user's own store on this platform: the registry key on Windows, a text file elsewhere.
std::unique_ptr<ConfigStore> openUserStore();
