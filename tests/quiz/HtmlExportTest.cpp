// The web page a quiz document is saved as, and which file names get one.

#include "HtmlExport.h"

#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::string>;

const Lines kHead = {"<html>", "<head>", "<title>Calcora</title>",
                     "<meta name=\"GENERATOR\" content=\"Calcora 1.01\">", "</head>", "<body>"};

HtmlFont fontAtCreation()
{
    return {"MS Sans Serif", 10, false, false, false, false, 0};
}

Lines joined(Lines first, const Lines& second)
{
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

TEST(HtmlExport, AnEmptyDocumentHasNineLinesOrElevenWithAStyle)
{
    const std::string fontLine = "<font face=\"MS Sans Serif\" size=\"2\" color=\"#000000\">";
    EXPECT_EQ(htmlLines({}, fontAtCreation()), joined(kHead, {fontLine, "</font></body>", "</html>"}));

    HtmlFont bold = fontAtCreation();
    bold.bold = true;
    EXPECT_EQ(htmlLines({}, bold), joined(kHead, {fontLine, "<b>", "</b>", "</font></body>", "</html>"}));

    EXPECT_EQ(htmlFileText({}, fontAtCreation()),
              "<html>\r\n<head>\r\n<title>Calcora</title>\r\n"
              "<meta name=\"GENERATOR\" content=\"Calcora 1.01\">\r\n</head>\r\n<body>\r\n"
              "<font face=\"MS Sans Serif\" size=\"2\" color=\"#000000\">\r\n</font></body>\r\n</html>\r\n");
}

TEST(HtmlExport, MarkupInTheDocumentIsCopiedUnchanged)
{
    const Lines lines = htmlLines({"1 < 2 & 3 > 2", "<b>x</b>", "\xE9t\xE9"}, fontAtCreation());
    EXPECT_EQ(lines[7], "1 < 2 & 3 > 2<br>");
    EXPECT_EQ(lines[8], "<b>x</b><br>");
    EXPECT_EQ(lines[9], "\xE9t\xE9<br>");
}

TEST(HtmlExport, SizeCodesFollowThePointSize)
{
    const std::vector<std::pair<int, int>> codes = {{1, 1}, {8, 1}, {9, 2}, {10, 2}, {11, 3}, {12, 3}, {13, 4},
                                                    {14, 4}, {15, 5}, {18, 5}, {19, 6}, {36, 6}, {72, 6}};
    for (const auto& [points, code] : codes)
        EXPECT_EQ(htmlSizeCode(points), code) << points << " pt";

    HtmlFont big = fontAtCreation();
    big.points = 36;
    EXPECT_EQ(htmlLines({}, big)[6], "<font face=\"MS Sans Serif\" size=\"6\" color=\"#000000\">");
}

TEST(HtmlExport, ColoursAreWrittenRedGreenBlue)
{
    EXPECT_EQ(HtmlColor(0x000000), "#000000");
    EXPECT_EQ(HtmlColor(0x0000FF), "#FF0000") << "pure red is the low byte";
    EXPECT_EQ(HtmlColor(0xFF0000), "#0000FF");
    EXPECT_EQ(HtmlColor(0x123456), "#563412");
    HtmlFont red = fontAtCreation();
    red.color = 0x0000FF;
    red.face = "Courier New";
    EXPECT_EQ(htmlLines({}, red)[6], "<font face=\"Courier New\" size=\"2\" color=\"#FF0000\">");
}

TEST(HtmlExport, EveryStyleCombinationOpensAndClosesInTheSameOrder)
{
    for (int styles = 1; styles < 16; ++styles) {
        HtmlFont font = fontAtCreation();
        font.bold = styles & 1;
        font.italic = styles & 2;
        font.underline = styles & 4;
        font.strikeOut = styles & 8;
        std::string opening;
        std::string closing;
        for (const auto& [bit, tag] : {std::pair{1, "b"}, {2, "i"}, {4, "u"}, {8, "strike"}}) {
            if (styles & bit) {
                opening += std::string("<") + tag + ">";
                closing += std::string("</") + tag + ">";
            }
        }
        const Lines lines = htmlLines({"x"}, font);
        ASSERT_EQ(lines.size(), 12u) << styles;
        EXPECT_EQ(lines[7], opening) << styles;
        EXPECT_EQ(lines[8], "x<br>");
        EXPECT_EQ(lines[9], closing) << styles;
    }
    HtmlFont boldUnderline = fontAtCreation();
    boldUnderline.bold = boldUnderline.underline = true;
    const Lines lines = htmlLines({}, boldUnderline);
    EXPECT_EQ(lines[7], "<b><u>");
    EXPECT_EQ(lines[8], "</b></u>");
}

TEST(HtmlExport, AWorksheetHasPrintedMarginsAndKeepsEachQuestionWithItsChoicesLine)
{
    const Lines lines = htmlLines({"Quiz", "1-) 3 + 5 = ?", "a)8", "", "2-) Half of 10?", "a)5", "3-) 1 + 1", "", "a)2",
                                   "1-) a)8", "2-) a)5"}, fontAtCreation(), true);
    EXPECT_EQ(lines[4], "<style>@page { margin: 15mm; } div.question { break-inside: avoid; page-break-inside: avoid; "
                        "}</style>");
    EXPECT_EQ(Lines(lines.begin() + 8, lines.end() - 2),
              (Lines{"Quiz<br>", "<div class=\"question\">", "1-) 3 + 5 = ?<br>", "a)8<br>", "</div>", "<br>",
                     "<div class=\"question\">", "2-) Half of 10?<br>", "a)5<br>", "</div>", "3-) 1 + 1<br>", "<br>",
                     "a)2<br>", "1-) a)8<br>", "2-) a)5<br>"}));
}

TEST(HtmlFileNames, OnlyTheLastCharactersDecide)
{
    for (const char* html : {"quiz.htm", "/home/t/Quiz.HTM", "a.Html", "a.html", "xhtm", "htm", "a.txt.htm"})
        EXPECT_TRUE(isHtmlFileName(html)) << html;
    for (const char* text : {"quiz.txt", "quiz", "", "ht", "a.htm.txt", "a.htm ", "a.htmx", "a.xml"})
        EXPECT_FALSE(isHtmlFileName(text)) << text;
}

} // namespace
