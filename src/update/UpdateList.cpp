#include "UpdateList.h"

#include <array>

namespace {

constexpr char kItemSeparator = ':';
constexpr char kFieldSeparator = '-';

// KIND, NAME and FILE of an item; the fields it does not reach are empty.
std::array<std::string_view, 3> itemFields(std::string_view item)
{
    // Each separator is searched from the second character of the field it ends.
    const auto kindEnd = item.find(kFieldSeparator, 1);
    if (kindEnd == std::string_view::npos)
        return {item, {}, {}};
    const auto nameEnd = item.find(kFieldSeparator, kindEnd + 2);
    if (nameEnd == std::string_view::npos)
        return {item.substr(0, kindEnd), item.substr(kindEnd + 1), {}};
    return {item.substr(0, kindEnd), item.substr(kindEnd + 1, nameEnd - kindEnd - 1),
            item.substr(nameEnd + 1)};
}

bool hasBothSeparators(std::string_view item)
{
    const auto kindEnd = item.find(kFieldSeparator, 1);
    return kindEnd != std::string_view::npos
        && item.find(kFieldSeparator, kindEnd + 2) != std::string_view::npos;
}

bool isControlCharacter(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7F;
}

} // namespace

std::string UpdateItemField(std::string_view item, int field)
{
    if (field < kUpdateKind || field > kUpdateFile)
        return {};
    return std::string(itemFields(item)[static_cast<std::size_t>(field - 1)]);
}

bool isPlainFileName(std::string_view name)
{
    if (name.empty() || name == "." || name == "..")
        return false;
    for (const char c : name) {
        if (c == '/' || c == '\\' || c == ':' || isControlCharacter(c))
            return false;
    }
    return true;
}

bool isWellFormedUpdateItem(std::string_view item)
{
    return hasBothSeparators(item) && isPlainFileName(itemFields(item)[2]);
}

std::vector<std::string> splitUpdateList(std::string_view listText)
{
    std::vector<std::string> items;
    std::size_t start = 0;
    for (auto end = listText.find(kItemSeparator); end != std::string_view::npos;
         end = listText.find(kItemSeparator, start)) {
        items.emplace_back(listText.substr(start, end - start));
        start = end + 1;
    }
    items.emplace_back(listText.substr(start));
    return items;
}

std::vector<std::string> arrangeUpdates(std::string_view listText, const InstalledCheck& isInstalled)
{
    std::vector<std::string> offered;
    for (std::string& item : splitUpdateList(listText)) {
        if (!isWellFormedUpdateItem(item))
            continue;
        const auto fields = itemFields(item);
        if (!isInstalled(std::string(fields[1]), std::string(fields[2])))
            offered.push_back(std::move(item));
    }
    return offered;
}

std::string updateListAddress(std::string_view base)
{
    if (base.empty())
        return std::string(kDefaultUpdateBase) + "update";
    return std::string(base) + "update201";
}

std::string updateFileAddress(std::string_view base, std::string_view file)
{
    return std::string(base.empty() ? kDefaultUpdateBase : base) + std::string(file);
}
