#pragma once

#include <functional>
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

// The item fields by number, as the update window asks for them.
inline constexpr int kUpdateKind = 1;
inline constexpr int kUpdateName = 2;
inline constexpr int kUpdateFile = 3;

// The kinds the program installs; items of any other kind are downloaded and left alone.
inline constexpr std::string_view kLanguagePackUpdate = "1";
inline constexpr std::string_view kBackgroundUpdate = "2";

// Where the updates are when the store names no server: the program's own update server.
inline constexpr std::string_view kDefaultUpdateBase = "http://updates.tovik-software.example/calcora/201/";

// Field kUpdateKind, kUpdateName or kUpdateFile of an item. A field the item does not reach,
// and any other field number, is empty.
std::string UpdateItemField(std::string_view item, int field);

// Whether a name stands for a file directly inside a folder and for nothing else: not empty,
// not "." or "..", and without "/", "\", ":" or control characters.
bool isPlainFileName(std::string_view name);

// Whether an item can be offered: it has both separators and its FILE is a plain file name.
// Any other item (empty, cut short, or naming a path) means nothing and is passed over.
bool isWellFormedUpdateItem(std::string_view item);

// The list's items in order, split at every ":"; an empty list text is one empty item.
std::vector<std::string> splitUpdateList(std::string_view listText);

// Tells whether the update of that NAME with that FILE is installed already.
using InstalledCheck = std::function<bool(const std::string& name, const std::string& file)>;

// The items to offer, in list order: the well-formed ones that `isInstalled` does not report
// as installed. Takes time in proportion to the list's length, whatever its bytes.
std::vector<std::string> arrangeUpdates(std::string_view listText, const InstalledCheck& isInstalled);

// The list's address and a file's address on the server named by `base` (the store's "URL"
// value, used as it stands). With no base the program's own server is asked, whose list of
// this version is "update"; another server's list is "update201".
std::string updateListAddress(std::string_view base);
std::string updateFileAddress(std::string_view base, std::string_view file);
