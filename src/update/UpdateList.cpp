#include "UpdateList.h"

#include "PathText.h"

#include <array>
#include <set>

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

bool isControlCharacter(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7F;
}

// The name as the file system compares it.
std::string comparedName(std::string_view file, bool ignoreCase)
{
    return ignoreCase ? lowerCaseLetters(std::string(file)) : std::string(file);
}

// The kind an item's KIND and FILE make together; nothing when they do not agree.
std::optional<UpdateKind> kindOf(std::string_view kind, std::string_view file, bool ignoreCase)
{
    const std::string compared = comparedName(file, ignoreCase);
    if (kind == "1" && compared.ends_with(".lng"))
        return UpdateKind::LanguagePack;
    if (kind == "2" && compared.ends_with(".bmp"))
        return UpdateKind::Background;
    return std::nullopt;
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

std::optional<UpdateItem> parseUpdateItem(std::string_view item, bool ignoreCase)
{
    const auto [kind, name, file] = itemFields(item);
    // A hidden file is no update: the program folder's own dot files stay out of reach.
    if (name.empty() || name.size() > kLongestUpdateName || !isPlainFileName(file) || file.front() == '.')
        return std::nullopt;
    const auto parsedKind = kindOf(kind, file, ignoreCase);
    if (!parsedKind)
        return std::nullopt;
    return UpdateItem{*parsedKind, std::string(name), std::string(file)};
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

std::vector<UpdateItem> arrangeUpdates(std::string_view listText, bool ignoreCase,
                                       const InstalledCheck& isInstalled)
{
    std::vector<UpdateItem> offered;
    std::set<std::string> files;
    for (const std::string& text : splitUpdateList(listText)) {
        auto item = parseUpdateItem(text, ignoreCase);
        if (!item || !files.insert(comparedName(item->file, ignoreCase)).second)
            continue;
        if (!isInstalled(item->name, item->file))
            offered.push_back(std::move(*item));
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
