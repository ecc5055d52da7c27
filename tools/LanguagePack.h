#pragma once

#include "ByteBuffer.h"

namespace calcora::media {

// english.lng: the interface texts, one per line, found by line number. The program adds
// its own decorations (" (+)", "...", ":", " >>>" and so on), so the texts carry none.
Bytes englishLanguagePack();

} // namespace calcora::media
