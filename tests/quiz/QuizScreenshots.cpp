// Saves pictures of the composer and of a document window holding a composed quiz into the
// build folder (screenshots/quiz-*.png), with the same 40-question quiz printed to PDF and
// saved as a web page beside them, for a person to look at, and the window and print again as a
// worksheet. It checks only that each was made.

#include "QuizFixture.h"
#include "Screenshots.h"

#include <QCheckBox>
#include <QPrinter>
#include <QPushButton>
#include <QTest>

namespace {

class QuizScreenshots : public QuizFixture {
protected:
    static QString file(const char* name) { return screenshotPath(name); }
};

TEST_F(QuizScreenshots, ComposerDocumentPrintAndPage)
{
    SeededRandom seeded(40);
    ComposerUnderTest composer(composerServices(&seeded));
    composer.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&composer));
    EXPECT_TRUE(composer.grab().save(file("quiz-composer.png")));
    composer.Button1->click();
    ASSERT_EQ(composer.documents.size(), 1u);

    TForm3 document(documentServices());
    document.SetLines(composer.documents[0]);
    document.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&document));
    EXPECT_TRUE(document.grab().save(file("quiz-document.png")));

    dialogs->printerAnswers.push_back([](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file("quiz-printed.pdf"));
        return true;
    });
    document.BitBtn3->click();
    dialogs->saveAnswers.push_back(file("quiz-saved.htm"));
    document.BitBtn4->click();
    EXPECT_TRUE(dialogs->errors.isEmpty());
    EXPECT_TRUE(QFile::exists(file("quiz-printed.pdf")));
    EXPECT_TRUE(QFile::exists(file("quiz-saved.htm")));
    // The same quiz as a worksheet with its answer key.
    document.CheckBox1->click();
    document.CheckBox2->click();
    EXPECT_TRUE(document.grab().save(file("quiz-worksheet.png")));
    dialogs->printerAnswers.push_back([](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file("quiz-worksheet.pdf"));
        return true;
    });
    document.BitBtn3->click();
    EXPECT_TRUE(dialogs->errors.isEmpty() && QFile::exists(file("quiz-worksheet.pdf")));
}

} // namespace
