#include "MemoryConfigStore.h"

std::string MemoryConfigStore::ReadString(const std::string& section, const std::string& name,
                                          const std::string& defaultText)
{
    const auto found = values_.find({section, name});
    return found == values_.end() ? defaultText : found->second;
}

void MemoryConfigStore::WriteString(const std::string& section, const std::string& name,
                                    const std::string& text)
{
    WriteStrings({{section, name, text}});
}

void MemoryConfigStore::WriteStrings(const std::vector<StoreValue>& values)
{
    for (const auto& value : values) {
        values_[{value.section, value.name}] = value.text;
        writes_.push_back(value.section + "/" + value.name);
    }
    ++replaces_;
}

void MemoryConfigStore::ChangeString(const std::string& section, const std::string& name,
                                     const std::function<std::string(const std::string&)>& change)
{
    WriteString(section, name, change(ReadString(section, name, "")));
}

std::string MemoryConfigStore::Location() const
{
    return "memory";
}

bool MemoryConfigStore::hasSection(const std::string& section) const
{
    return !this->section(section).empty();
}

bool MemoryConfigStore::hasValue(const std::string& section, const std::string& name) const
{
    return values_.count({section, name}) != 0;
}

std::map<std::string, std::string> MemoryConfigStore::section(const std::string& section) const
{
    std::map<std::string, std::string> values;
    for (const auto& [key, text] : values_) {
        if (key.first == section)
            values[key.second] = text;
    }
    return values;
}
