#pragma once

#include <string>
#include <string_view>
#include <vector>

// A quiz document as text: lines of 8-bit characters, each followed by CR LF.

// The lines joined into one text, every line followed by CR LF, the last one included.
std::string documentText(const std::vector<std::string>& lines);

// The lines of a text. CR LF, CR and LF each end a line; the last line counts without a line
// end, and a line end at the very end of the text adds no empty line.
std::vector<std::string> documentLines(std::string_view text);
