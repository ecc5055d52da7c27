// Printing the document into a PDF file through the print dialog, read back with poppler's
// pdftotext: the printed lines, the breaks of a line too wide for the page, the page breaks,
// and a printer that fails.

#include "QuizFixture.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

using Lines = std::vector<std::string>;

class QuizPrinting : public QuizFixture {
protected:
    // Answers the print dialog with a printer that writes into `file`, with a range of pages
    // when `fromPage` is not 0.
    void choosePdfPrinter(const QString& file, int fromPage = 0, int toPage = 0)
    {
        dialogs->printerAnswers.push_back([=](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(file);
            if (fromPage != 0) {
                printer.setPrintRange(QPrinter::PageRange);
                printer.setFromTo(fromPage, toPage);
            }
            return true;
        });
    }

    // The text of every page of the printed file, its lines with blanks simplified
    // and without the empty lines pdftotext adds.
    std::vector<Lines> printedPages(int fromPage = 0, int toPage = 0)
    {
        const QString file = folder.filePath("quiz.pdf");
        choosePdfPrinter(file, fromPage, toPage);
        document->BitBtn3->click();
        EXPECT_TRUE(dialogs->errors.isEmpty()) << dialogs->errors.join(" / ").toStdString();
        const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
        EXPECT_FALSE(pdftotext.isEmpty()) << "pdftotext (poppler-utils) is needed to read the printed file";
        QProcess reader;
        reader.start(pdftotext, {file, "-"});
        EXPECT_TRUE(reader.waitForFinished(30000));
        const QStringList pageTexts = QString::fromUtf8(reader.readAllStandardOutput()).split('\f');
        std::vector<Lines> pages;
        for (qsizetype page = 0; page + 1 < pageTexts.size(); ++page) { // the text ends with a form feed
            Lines lines;
            for (const QString& line : pageTexts[page].split('\n')) {
                if (!line.simplified().isEmpty())
                    lines.push_back(line.simplified().toStdString());
            }
            pages.push_back(lines);
        }
        return pages;
    }

    // The printer the dialog answer sets up, for the test's own measurements.
    struct PrinterMetrics {
        int width;
        int height;
        int lineHeight;
        QFontMetrics font;
    };
    PrinterMetrics printerMetrics()
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(folder.filePath("measure.pdf"));
        const QFontMetrics font(document->DocumentFont().font, &printer);
        return {printer.width(), printer.height(), font.height(), font};
    }

    QTemporaryDir folder;
};

TEST_F(QuizPrinting, TheDocumentsLinesArePrintedInOrder)
{
    openDocument(twoQuestionQuiz());
    EXPECT_EQ(printedPages(), (std::vector<Lines>{{"1-) 3 + 5 = ?", "a)8 b)2 c)3 d)4", "2-) 8 : 4 = ?",
                                                   "a)2 b)1 c)4 d)3"}}));
    EXPECT_EQ(dialogs->printerRequests, 1);
}

TEST_F(QuizPrinting, ALineWiderThanThePageContinuesOnTheNextLines)
{
    std::string wide;
    for (int i = 0; i < 30; ++i)
        wide += "0123456789";
    openDocument({wide, "end"});

    // Each piece is the longest that fits the printable width.
    const PrinterMetrics metrics = printerMetrics();
    Lines pieces;
    for (QString rest = QString::fromStdString(wide); !rest.isEmpty();) {
        qsizetype length = rest.size();
        while (metrics.font.horizontalAdvance(rest.left(length)) > metrics.width)
            --length;
        pieces.push_back(rest.left(length).toStdString());
        rest.remove(0, length);
    }
    ASSERT_GE(pieces.size(), 3u);
    pieces.push_back("end");
    EXPECT_EQ(printedPages(), std::vector<Lines>{pieces});
}

TEST_F(QuizPrinting, ALongDocumentBreaksIntoPagesByTheLineHeight)
{
    Lines lines;
    for (int number = 1; number <= 150; ++number)
        lines.push_back("Line " + std::to_string(number));
    openDocument(lines);

    // Line n stands at (n - 1) * (height + 2); a page ends once n * (height + 2) lies below
    // the page height less two line heights.
    const PrinterMetrics metrics = printerMetrics();
    int perPage = 1;
    while (perPage * (metrics.lineHeight + 2) <= metrics.height - 2 * metrics.lineHeight)
        ++perPage;
    const auto pages = printedPages();
    ASSERT_EQ(pages.size(), static_cast<std::size_t>((150 + perPage - 1) / perPage));
    EXPECT_EQ(pages[0].size(), static_cast<std::size_t>(perPage));
    EXPECT_EQ(pages[0].back(), "Line " + std::to_string(perPage));
    EXPECT_EQ(pages[1].front(), "Line " + std::to_string(perPage + 1));
    EXPECT_EQ(pages.back().back(), "Line 150");

    const auto chosen = printedPages(2, 2);
    ASSERT_EQ(chosen.size(), 1u) << "only the page chosen in the print dialog";
    EXPECT_EQ(chosen[0], pages[1]);
}

TEST_F(QuizPrinting, InSixteenPointsAQuestionIsPartedFromItsChoicesUnlessPrintedAsAWorksheet)
{
    Lines quiz;
    for (int n = 1; n <= 40; ++n)
        quiz.insert(quiz.end(), {std::to_string(n) + "-) 2 x 3 = ?", "a)6  b)5", ""});
    TForm3& window = openDocument(quiz);
    dialogs->fontAnswers.push_back(FontChoice{QFont(window.DocumentFont().font.family(), 16), QColor(Qt::black)});
    window.BitBtn1->click();
    auto pages = printedPages();
    EXPECT_EQ(pages.at(0).back(), "15-) 2 x 3 = ?");
    EXPECT_EQ(pages.at(1).front(), "a)6 b)5");
    window.CheckBox1->click();
    window.CheckBox2->click();
    pages = printedPages();
    EXPECT_EQ(Lines(pages.at(0).begin(), pages.at(0).begin() + 2), (Lines{"Quiz", "Name: ______ Date: ______"}));
    for (const Lines& page : pages)
        EXPECT_FALSE(page.back().ends_with("= ?")) << page.back() << " ends a page";
    EXPECT_EQ(pages.back().back(), "40-) a)6") << "the answer key ends the worksheet";
    QProcess reader; // where the first word stands: 15 mm from the left and the top, in points
    reader.start(QStandardPaths::findExecutable("pdftotext"), {"-bbox", folder.filePath("quiz.pdf"), "-"});
    EXPECT_TRUE(reader.waitForFinished(30000));
    const auto corner = QRegularExpression(R"re(<word xMin="([0-9.]+)" yMin="([0-9.]+)")re").match(reader.readAll());
    EXPECT_NEAR(corner.captured(1).toDouble(), 15 * 72 / 25.4, 2);
    EXPECT_NEAR(corner.captured(2).toDouble(), 15 * 72 / 25.4, 2);
}

TEST_F(QuizPrinting, AFailingPrinterIsReportedAndTheDocumentStays)
{
    TForm3& window = openDocument(twoQuestionQuiz());
    QFont bold = window.DocumentFont().font;
    bold.setBold(true);
    dialogs->fontAnswers.push_back(FontChoice{bold, QColor(0, 0, 255)});
    window.BitBtn1->click();
    const std::string before = window.DocumentText();

    choosePdfPrinter(folder.filePath("no such folder/quiz.pdf"));
    window.BitBtn3->click();
    EXPECT_EQ(dialogs->errors, QStringList{"The quiz could not be printed."});
    EXPECT_EQ(window.DocumentText(), before);
    EXPECT_TRUE(window.DocumentFont().font.bold());
    EXPECT_EQ(window.DocumentFont().color, QColor(0, 0, 255));

    dialogs->errors.clear();
    window.BitBtn3->click(); // the print dialog is cancelled
    EXPECT_EQ(dialogs->printerRequests, 2);
    EXPECT_TRUE(dialogs->errors.isEmpty());
    EXPECT_EQ(printedPages().size(), 1u) << "the next try prints";
}

} // namespace
