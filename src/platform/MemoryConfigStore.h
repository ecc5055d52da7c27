#pragma once

#include "ConfigStore.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

// A store that lives in memory only: what the program runs on when its own store cannot be
// used, and what the tests give every window. It remembers the order of writes.
class MemoryConfigStore final : public ConfigStore {
public:
    std::string ReadString(const std::string& section, const std::string& name,
                           const std::string& defaultText) override;
    void WriteString(const std::string& section, const std::string& name,
                     const std::string& text) override;
    void WriteStrings(const std::vector<StoreValue>& values) override;
    void ChangeString(const std::string& section, const std::string& name,
                      const std::function<std::string(const std::string&)>& change) override;
    std::string Location() const override;

    bool hasSection(const std::string& section) const;
    bool hasValue(const std::string& section, const std::string& name) const;
    std::map<std::string, std::string> section(const std::string& section) const;
    // "Section/Name" of every write, in order.
    const std::vector<std::string>& writes() const { return writes_; }
    // How many times the values were replaced: once for each call that writes, however many
    // values it writes at once.
    int replaces() const { return replaces_; }

private:
    std::map<std::pair<std::string, std::string>, std::string> values_;
    std::vector<std::string> writes_;
    int replaces_ = 0;
};
