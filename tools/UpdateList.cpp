#include "UpdateList.h"

#include <stdexcept>
#include <string>

namespace calcora::media {

namespace {

void checkField(std::string_view field, std::string_view forbidden)
{
    if (field.empty() || field.find_first_of(forbidden) != std::string_view::npos)
        throw std::invalid_argument("an update list cannot hold \"" + std::string(field) + "\"");
}

} // namespace

Bytes updateListDocument(std::span<const UpdateOffer> offers)
{
    ByteBuffer out;
    for (const UpdateOffer& offer : offers) {
        checkField(offer.kind, ":-");
        checkField(offer.name, ":-");
        checkField(offer.file, ":");
        if (out.size() != 0)
            out.text(":");
        out.text(offer.kind);
        out.text("-");
        out.text(offer.name);
        out.text("-");
        out.text(offer.file);
    }
    return out.release();
}

} // namespace calcora::media
