#pragma once

#include "ByteBuffer.h"

namespace calcora::media {

// english.lng: the interface texts, one per line, found by line number. The program adds
// its own decorations (" (+)", "...", ":", " >>>" and so on), so the texts carry none.
Bytes englishLanguagePack();

// deutsch.lng: the same texts in German, line for line, offered by the update server.
// Written as UTF-8, which the program shows as such.
Bytes germanLanguagePack();

} // namespace calcora::media
