#include "HtmlExport.h"

#include "PathText.h"
#include "QuizDocument.h"
#include "Worksheet.h"

#include <cstdio>
#include <utility>

namespace {

struct StyleTag {
    bool HtmlFont::*flag;
    const char* opening;
    const char* closing;
};

constexpr StyleTag kStyleTags[] = {
    {&HtmlFont::bold, "<b>", "</b>"},
    {&HtmlFont::italic, "<i>", "</i>"},
    {&HtmlFont::underline, "<u>", "</u>"},
    {&HtmlFont::strikeOut, "<strike>", "</strike>"},
};

// The opening and the closing style line; both empty for a font without a style.
std::pair<std::string, std::string> styleLines(const HtmlFont& font)
{
    std::pair<std::string, std::string> lines;
    for (const StyleTag& tag : kStyleTags) {
        if (font.*tag.flag) {
            lines.first += tag.opening;
            lines.second += tag.closing;
        }
    }
    return lines;
}

// One page of a worksheet is printed with its margins, and a question's block is kept whole.
std::string worksheetStyleLine()
{
    return "<style>@page { margin: " + std::to_string(kWorksheetMarginMillimetres)
        + "mm; } div.question { break-inside: avoid; page-break-inside: avoid; }</style>";
}

bool endsWithLowered(const std::string& text, const std::string& ending)
{
    return text.size() >= ending.size()
        && lowerCaseLetters(text.substr(text.size() - ending.size())) == ending;
}

} // namespace

int htmlSizeCode(int points)
{
    if (points <= 8)
        return 1;
    if (points <= 10)
        return 2;
    if (points <= 12)
        return 3;
    if (points <= 14)
        return 4;
    if (points <= 18)
        return 5;
    return 6;
}

std::string HtmlColor(TColor color)
{
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", static_cast<unsigned>(color & 0xFF),
                  static_cast<unsigned>((color >> 8) & 0xFF), static_cast<unsigned>((color >> 16) & 0xFF));
    return text;
}

std::vector<std::string> htmlLines(const std::vector<std::string>& documentLines, const HtmlFont& font,
                                   bool worksheet)
{
    std::vector<std::string> lines = {
        "<html>",
        "<head>",
        "<title>Calcora</title>",
        R"(<meta name="GENERATOR" content="Calcora 1.01">)",
    };
    if (worksheet)
        lines.push_back(worksheetStyleLine());
    lines.insert(lines.end(), {
        "</head>",
        "<body>",
        R"(<font face=")" + font.face + R"(" size=")" + std::to_string(htmlSizeCode(font.points))
            + R"(" color=")" + HtmlColor(font.color) + R"(">)",
    });
    const auto [opening, closing] = styleLines(font);
    if (!opening.empty())
        lines.push_back(opening);
    const std::vector<bool> kept = worksheet ? questionsWithChoices(documentLines)
                                             : std::vector<bool>(documentLines.size(), false);
    for (std::size_t at = 0; at < documentLines.size(); ++at) {
        if (kept[at]) {
            lines.emplace_back(R"(<div class="question">)");
            lines.push_back(documentLines[at] + "<br>");
            lines.push_back(documentLines[++at] + "<br>");
            lines.emplace_back("</div>");
        } else {
            lines.push_back(documentLines[at] + "<br>");
        }
    }
    if (!closing.empty())
        lines.push_back(closing);
    lines.emplace_back("</font></body>");
    lines.emplace_back("</html>");
    return lines;
}

std::string htmlFileText(const std::vector<std::string>& documentLines, const HtmlFont& font, bool worksheet)
{
    return documentText(htmlLines(documentLines, font, worksheet));
}

bool isHtmlFileName(const std::string& fileName)
{
    return endsWithLowered(fileName, "htm") || endsWithLowered(fileName, "html");
}
