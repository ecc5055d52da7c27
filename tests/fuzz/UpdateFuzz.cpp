// What comes from the update server and the store's "URL": the update list and an address.

#include "FuzzTargets.h"
#include "UpdateList.h"
#include "UrlSplit.h"

#include <algorithm>
#include <string>
#include <string_view>

void fuzzUpdateList(const std::uint8_t* data, std::size_t size)
{
    const std::string_view list(reinterpret_cast<const char*>(data), size);
    for (const bool ignoreCase : {false, true}) {
        int asked = 0;
        const auto offered = arrangeUpdates(list, ignoreCase, [&](const std::string& name, const std::string&) {
            ++asked;
            return name.size() % 3 == 0;
        });
        fuzzCheck(offered.size() <= splitUpdateList(list).size(), "no more offered than listed");
        for (const UpdateItem& item : offered) {
            fuzzCheck(isPlainFileName(item.file), "an offered item names a plain file");
            fuzzCheck(item.file.find_first_of("/\\:") == std::string::npos && item.file.front() != '.',
                      "never a path out of the download or program folder, nor a hidden file");
            const std::string ending = item.kind == UpdateKind::LanguagePack ? ".lng" : ".bmp";
            std::string lastFour = item.file.substr(item.file.size() - std::min<std::size_t>(4, item.file.size()));
            for (char& c : lastFour)
                c = ignoreCase && c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
            fuzzCheck(lastFour == ending, "a pack is a .lng file, a picture a .bmp file");
            fuzzCheck(!item.name.empty() && item.name.size() <= kLongestUpdateName, "a name the store can keep");
        }
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
