#pragma once

#include "ColorText.h"

#include <string>
#include <vector>

// A quiz document as a web page: the document's lines in its font, copied unchanged (no
// escaping of markup), in 8-bit text without a declared character set.

struct HtmlFont {
    std::string face;
    int points = 10;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    TColor color = 0; // a plain colour, 0x00BBGGRR
};

// The HTML size code 1 to 6 of a font size in whole points.
int htmlSizeCode(int points);
// "#RRGGBB" of a plain colour.
std::string HtmlColor(TColor color);

// The page's lines: head, font line, one "<br>" line per document line, closing lines; the
// style lines (bold, italic, underline, strike-out in that order, closing in the same order)
// only for a font with a style. A worksheet's page also has a style line in its head, for
// printed margins of kWorksheetMarginMillimetres, and each question with its choices
// (questionsWithChoices) in a block of its own that a page break does not part.
std::vector<std::string> htmlLines(const std::vector<std::string>& documentLines, const HtmlFont& font,
                                   bool worksheet = false);
// The page's file content: every line followed by CR LF.
std::string htmlFileText(const std::vector<std::string>& documentLines, const HtmlFont& font,
                         bool worksheet = false);

// Whether a file of this name is saved as a web page: its last three characters are "htm" or
// its last four "html", whatever the case of the letters.
bool isHtmlFileName(const std::string& fileName);
