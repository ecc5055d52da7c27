#include "PendingWrites.h"

#include <algorithm>
#include <utility>

PendingWrites::PendingWrites(ConfigStore& store) : store_(&store) {}

PendingWrites::PendingWrites(std::unique_ptr<ConfigStore> store)
    : owned_(std::move(store)), store_(owned_.get())
{
}

void PendingWrites::useInstead(std::unique_ptr<ConfigStore> store)
{
    owned_ = std::move(store);
    store_ = owned_.get();
}

std::string PendingWrites::ReadString(const std::string& section, const std::string& name,
                                      const std::string& defaultText)
{
    const StoreValue* held = find(section, name);
    return held ? held->text : store_->ReadString(section, name, defaultText);
}

void PendingWrites::WriteString(const std::string& section, const std::string& name,
                                const std::string& text)
{
    if (committed_) {
        store_->WriteString(section, name, text);
        return;
    }
    if (StoreValue* held = find(section, name))
        held->text = text;
    else
        pending_.push_back({section, name, text});
}

void PendingWrites::WriteStrings(const std::vector<StoreValue>& values)
{
    if (committed_) {
        store_->WriteStrings(values);
        return;
    }
    for (const auto& value : values)
        WriteString(value.section, value.name, value.text);
}

void PendingWrites::ChangeString(const std::string& section, const std::string& name,
                                 const std::function<std::string(const std::string&)>& change)
{
    commit();
    store_->ChangeString(section, name, change);
}

std::string PendingWrites::Location() const
{
    return store_->Location();
}

void PendingWrites::commit()
{
    if (committed_)
        return;
    if (!pending_.empty())
        store_->WriteStrings(pending_);
    pending_.clear();
    committed_ = true;
}

StoreValue* PendingWrites::find(const std::string& section, const std::string& name)
{
    const auto found = std::find_if(pending_.begin(), pending_.end(), [&](const StoreValue& value) {
        return value.section == section && value.name == name;
    });
    return found != pending_.end() ? &*found : nullptr;
}
