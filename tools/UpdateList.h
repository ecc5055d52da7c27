#pragma once

#include "ByteBuffer.h"

#include <span>
#include <string_view>

namespace calcora::media {

// One update the update server offers: its kind ("1" a language pack, "2" a background
// picture), the name the update checker shows and records once it is installed, and the file
// name on the server and in the program's folder.
struct UpdateOffer {
    std::string_view kind;
    std::string_view name;
    std::string_view file;
};

// The update list document: the items KIND-NAME-FILE joined by ":". Nothing is trimmed when
// it is read, so it ends with the last file name, without a line break. Throws
// std::invalid_argument for an offer that would not read back as written: an empty field,
// a ":" anywhere, or a "-" in the kind or the name.
Bytes updateListDocument(std::span<const UpdateOffer> offers);

} // namespace calcora::media
