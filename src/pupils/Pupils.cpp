#include "Pupils.h"

#include "ConfigNames.h"
#include "ConfigStore.h"
#include "History.h"
#include "PupilNames.h"

#include <algorithm>

using namespace config;

Pupils::Pupils(ConfigStore& store, History& history) : store_(store), history_(history) {}

bool Pupils::enabled() const
{
    return store_.ReadString(kInterface, kPupils, kNo) == kYes;
}

bool Pupils::fromClass() const
{
    return !store_.ReadString(kInterface, kClassDatabase, "").empty();
}

bool Pupils::locked() const
{
    return fromClass() || store_.ReadString(kInterface, kPupilsLocked, kNo) == kYes;
}

std::vector<std::string> Pupils::names() const
{
    return parsePupilList(store_.ReadString(kPupils, fromClass() ? kClassPupilNames : kPupilNames, ""));
}

void Pupils::choose(const std::string& name)
{
    if (name == current_)
        return;
    current_ = name;
    emit currentChanged(QString::fromStdString(current_));
}

bool Pupils::add(std::string_view name)
{
    std::vector<std::string> list = names();
    const auto accepted = acceptedPupilName(name, list);
    if (locked() || !accepted)
        return false;
    list.push_back(*accepted);
    writeNames(list);
    return true;
}

bool Pupils::rename(const std::string& from, std::string_view to)
{
    std::vector<std::string> list = names();
    const auto place = std::find(list.begin(), list.end(), from);
    if (locked() || place == list.end())
        return false;
    std::vector<std::string> others = list;
    others.erase(others.begin() + (place - list.begin()));
    const auto accepted = acceptedPupilName(to, others);
    if (!accepted)
        return false;
    *place = *accepted;
    // The list and the totals change in one write; the old name's totals are emptied, so that
    // a pupil who gets that name later starts at nothing.
    std::vector<StoreValue> values = {{kPupils, kPupilNames, pupilListText(list)}};
    for (const char* total : {kCorrect, kWrong}) {
        const TotalPlace old = totalPlace(from, total);
        const TotalPlace renamed = totalPlace(*accepted, total);
        values.push_back({renamed.section, renamed.name, store_.ReadString(old.section, old.name, "")});
        values.push_back({old.section, old.name, ""});
    }
    store_.WriteStrings(values);
    history_.renamePupil(from, *accepted);
    if (current_ == from)
        choose(*accepted);
    emit namesChanged();
    return true;
}

void Pupils::remove(const std::string& name)
{
    std::vector<std::string> list = names();
    const auto place = std::find(list.begin(), list.end(), name);
    if (locked() || place == list.end())
        return;
    list.erase(place);
    writeNames(list);
    if (current_ == name)
        choose({});
}

void Pupils::takeClassList(const std::vector<std::string>& names)
{
    const std::string text = pupilListText(parsePupilList(pupilListText(names)));
    if (text == store_.ReadString(kPupils, kClassPupilNames, ""))
        return;
    store_.WriteString(kPupils, kClassPupilNames, text);
    emit namesChanged();
}

void Pupils::settingsChanged()
{
    if (!enabled())
        choose({});
    emit namesChanged();
}

void Pupils::writeNames(const std::vector<std::string>& names)
{
    store_.WriteString(kPupils, kPupilNames, pupilListText(names));
    emit namesChanged();
}
