#pragma once

#include "ConfigStore.h"

#include <memory>
#include <string>
#include <vector>

// A store in front of another that holds writes back until commit(), reading them back in the
// meantime, so that many values can reach the store in one write, and at a moment of the
// program's choosing. Any other write commits what is pending first, so the order of writes
// is kept. The store behind it can be exchanged for another while the program runs, so
// whoever holds this one keeps holding the program's store.
class PendingWrites final : public ConfigStore {
public:
    explicit PendingWrites(ConfigStore& store);
    explicit PendingWrites(std::unique_ptr<ConfigStore> store);

    std::string ReadString(const std::string& section, const std::string& name,
                           const std::string& defaultText) override;
    // Held back, until commit().
    void WriteString(const std::string& section, const std::string& name,
                     const std::string& text) override;
    void WriteStrings(const std::vector<StoreValue>& values) override;
    void ChangeString(const std::string& section, const std::string& name,
                      const std::function<std::string(const std::string&)>& change) override;
    std::string Location() const override;

    // Writes what is held back, all at once; afterwards every write goes straight through.
    // When it fails the values stay held back and readable.
    void commit();
    const std::vector<StoreValue>& pending() const { return pending_; }
    // Puts another store behind this one; what is held back stays held back.
    void useInstead(std::unique_ptr<ConfigStore> store);

private:
    StoreValue* find(const std::string& section, const std::string& name);

    std::unique_ptr<ConfigStore> owned_;
    ConfigStore* store_;
    std::vector<StoreValue> pending_;
    bool committed_ = false;
};
