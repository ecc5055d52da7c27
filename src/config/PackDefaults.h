#pragma once

#include "PackLines.h"

#include <string>
#include <string_view>

class LanguagePack;

// The English words of the lines that came after the first 67 (from PackLine::Progress on): a
// pack written before them shows these; the shipped English pack is made of them too.
std::string_view englishWords(PackLine line);

// The pack's line when it has it, else, for a line from PackLine::Progress on, its English
// words. An older line the pack lacks fails as always (see LanguagePack::Get).
std::string packLineOrEnglish(const LanguagePack& pack, PackLine line);
