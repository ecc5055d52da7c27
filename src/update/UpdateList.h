#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The update server's list document and the addresses of its files; plain text rules, no
// file or network access.
//
// The list is update items joined by ":"; every other byte belongs to an item and nothing is
// trimmed. An item is KIND "-" NAME "-" FILE: KIND and NAME each end at the first "-" found
// from their second character on, so neither is empty and a "-" right after a separator
// belongs to the next field; FILE is the rest, "-" included.

// The item fields by number, as UpdateItemField takes them.
inline constexpr int kUpdateKind = 1;
inline constexpr int kUpdateName = 2;
inline constexpr int kUpdateFile = 3;

// Where the updates are when the store names no server: the program's own update server.
inline constexpr std::string_view kDefaultUpdateBase = "https://updates.tovik-software.example/calcora/201/";

// NAME becomes a value name in the store's "Update" section: a longer one means no update.
inline constexpr std::size_t kLongestUpdateName = 255;

// Field kUpdateKind, kUpdateName or kUpdateFile of an item. A field the item does not reach,
// and any other field number, is empty.
std::string UpdateItemField(std::string_view item, int field);

// Whether a name stands for a file directly inside a folder and for nothing else: not empty,
// not "." or "..", and without "/", "\", ":" or control characters.
bool isPlainFileName(std::string_view name);

// The two things an update can be, by the KIND the list gives them.
enum class UpdateKind { LanguagePack = 1, Background = 2 };

// One update the program can offer, read from its item once.
struct UpdateItem {
    UpdateKind kind;
    std::string name;
    std::string file;
    bool operator==(const UpdateItem&) const = default;
};

// The item when it names an update the program installs: KIND "1" with a FILE ending in ".lng"
// or KIND "2" with one ending in ".bmp", the FILE a plain file name that does not start with
// a dot, and a NAME of at most kLongestUpdateName bytes. `ignoreCase`: whether the file
// system takes names without regard to case, so that ".LNG" is a pack there too. Any other
// item (cut short, of another kind, naming a path or another sort of file) means nothing.
std::optional<UpdateItem> parseUpdateItem(std::string_view item, bool ignoreCase);

// The list's items in order, split at every ":"; an empty list text is one empty item.
std::vector<std::string> splitUpdateList(std::string_view listText);

// Tells whether the update of that NAME with that FILE is installed already.
using InstalledCheck = std::function<bool(const std::string& name, const std::string& file)>;

// The updates to offer, in list order: the items that parse and that `isInstalled` does not
// report as installed. An item naming a FILE that an earlier one names already is passed
// over, so no file is downloaded twice in one run. Takes time in proportion to the list's
// length, whatever its bytes.
std::vector<UpdateItem> arrangeUpdates(std::string_view listText, bool ignoreCase,
                                       const InstalledCheck& isInstalled);

// The list's address and a file's address on the server named by `base` (the store's "URL"
// value, used as it stands). With no base the program's own server is asked, whose list of
// this version is "update"; another server's list is "update201".
std::string updateListAddress(std::string_view base);
std::string updateFileAddress(std::string_view base, std::string_view file);
