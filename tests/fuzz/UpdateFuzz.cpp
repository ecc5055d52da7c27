// What comes from the update server and the store's "URL": the update list and an address.

#include "FuzzTargets.h"
#include "UpdateList.h"
#include "UrlSplit.h"

#include <string>
#include <string_view>

void fuzzUpdateList(const std::uint8_t* data, std::size_t size)
{
    const std::string_view list(reinterpret_cast<const char*>(data), size);
    int asked = 0;
    const auto offered = arrangeUpdates(list, [&](const std::string& name, const std::string&) {
        ++asked;
        return name.size() % 3 == 0;
    });
    fuzzCheck(offered.size() <= splitUpdateList(list).size(), "no more offered than listed");
    for (const auto& item : offered) {
        fuzzCheck(isWellFormedUpdateItem(item), "only well-formed items are offered");
        const std::string file = UpdateItemField(item, kUpdateFile);
        fuzzCheck(isPlainFileName(file), "an offered item names a plain file");
        fuzzCheck(file.find_first_of("/\\:") == std::string::npos && file != "." && file != "..",
                  "never a path out of the download or program folder");
        fuzzCheck(!UpdateItemField(item, kUpdateKind).empty() && !UpdateItemField(item, kUpdateName).empty(),
                  "kind and name are never empty");
        fuzzCheck(UpdateItemField(item, kUpdateKind).size() + UpdateItemField(item, kUpdateName).size()
                          + file.size() + 2 == item.size(),
                  "the three fields and two separators are the whole item");
    }
    for (const int field : {0, 1, 2, 3, 4})
        UpdateItemField(list, field);
}

void fuzzUrlSplit(const std::uint8_t* data, std::size_t size)
{
    const std::string_view url(reinterpret_cast<const char*>(data), size);
    const UrlParts parts = SplitURL(url);
    fuzzCheck(parts.scheme == "http" || parts.scheme == "https", "only http and https");
    fuzzCheck(parts.host.size() + parts.port.size() + parts.path.size() <= url.size(), "the parts come from the address");
    const auto address = requestAddress(parts);
    if (!address)
        return;
    fuzzCheck(address->find_first_of(std::string("\r\n\0 ", 4)) == std::string::npos,
              "an address asked for holds no line end, NUL or blank");
    fuzzCheck(address->rfind(parts.scheme + "://", 0) == 0, "the address keeps its scheme");
}
