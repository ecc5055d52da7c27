// The document window through its real widgets: its texts and places, the font, copying,
// and saving as a web page or a text file.

#include "QuizFixture.h"
#include "ScreenReaderProbe.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFrame>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>

#include <fstream>
#include <sstream>

namespace {

using Lines = std::vector<std::string>;

class QuizDocumentWindow : public QuizFixture {
protected:
    QString path(const char* name) const { return folder.filePath(name); }

    std::string saveAs(const QString& fileName)
    {
        dialogs->saveAnswers.push_back(fileName);
        document->BitBtn4->click();
        return fileContent(fileName);
    }

    static std::string fileContent(const QString& fileName)
    {
        std::ifstream file(fileName.toStdString(), std::ios::binary);
        std::ostringstream content;
        content << file.rdbuf();
        return content.str();
    }

    QTemporaryDir folder;
};

TEST_F(QuizDocumentWindow, TabMovesOnToTheButtonsAndCtrlTabTypesATab)
{
    TForm3& window = openDocument(twoQuestionQuiz());
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    window.Memo1->setFocus();
    window.Memo1->moveCursor(QTextCursor::Start);
    QTest::keyClick(window.Memo1, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(window.DocumentLines().front(), "\t1-) 3 + 5 = ?");
    EXPECT_EQ(QApplication::focusWidget(), window.Memo1);

    QTest::keyClick(window.Memo1, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), window.BitBtn1) << "Tab leaves the document";
    EXPECT_EQ(window.DocumentLines().front(), "\t1-) 3 + 5 = ?") << "and types nothing";
    QTest::keyClick(window.BitBtn1, Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), window.Memo1);
    window.BitBtn4->setFocus();
    QTest::keyClick(window.BitBtn4, Qt::Key_Tab);
    QTest::keyClick(window.CheckBox1, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), window.CheckBox2) << "the check boxes come after the buttons";
    EXPECT_EQ(accessibleName(window.Memo1), "Quiz") << "the document is read by its window's title";
}

TEST_F(QuizDocumentWindow, TextsPlacesAndTheDocumentFont)
{
    TForm3& window = openDocument(twoQuestionQuiz());
    EXPECT_EQ(window.windowTitle(), "Quiz");
    EXPECT_EQ(window.frameGeometry().size(), QSize(211, 377)) << "the outer size, frame included";
    EXPECT_NE(window.minimumSize(), window.maximumSize()) << "resizable";
    EXPECT_EQ(window.BitBtn1->text(), "Font");
    EXPECT_EQ(window.BitBtn2->text(), "Copy");
    EXPECT_EQ(window.BitBtn3->text(), "Print");
    EXPECT_EQ(window.BitBtn4->text(), "Save");
    EXPECT_FALSE(window.BitBtn3->icon().isNull());
    EXPECT_FALSE(window.BitBtn4->icon().isNull());
    EXPECT_EQ(window.CheckBox1->text() + "/" + window.CheckBox2->text(), "Answer key/Worksheet layout");
    EXPECT_FALSE(window.CheckBox1->isChecked() || window.CheckBox2->isChecked());
    EXPECT_EQ(window.Panel1->frameShape(), QFrame::NoFrame);
    EXPECT_EQ(window.Memo1->lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_TRUE(window.Memo1->verticalScrollBar()->isVisible()) << "even for a short document";

    // In the panel, the check boxes above the buttons, which keep to its bottom edge.
    const std::vector<std::pair<QWidget*, QRect>> places = {
        {window.CheckBox1, {4, 4, 196, 17}}, {window.CheckBox2, {4, 24, 196, 17}}, {window.BitBtn1, {4, 44, 95, 26}},
        {window.BitBtn2, {105, 44, 95, 26}}, {window.BitBtn3, {4, 74, 95, 26}},    {window.BitBtn4, {105, 74, 95, 26}}};
    for (const auto& [control, place] : places)
        EXPECT_EQ(control->geometry(), place) << control->objectName().toStdString();
    window.resize(400, 500);
    EXPECT_EQ(window.Panel1->geometry(), QRect(0, 397, 400, 103)) << "the panel keeps to the bottom edge";
    EXPECT_EQ(window.Memo1->geometry(), QRect(0, 0, 400, 397));
    EXPECT_EQ(window.BitBtn4->pos(), QPoint(105, 74));

    const FontChoice font = window.DocumentFont();
    EXPECT_EQ(font.font.family(), "MS Sans Serif");
    EXPECT_EQ(font.font.pointSize(), 10);
    EXPECT_FALSE(font.font.bold() || font.font.italic() || font.font.underline() || font.font.strikeOut());
    EXPECT_EQ(font.color, QColor(Qt::black));
    EXPECT_EQ(window.SaveDialog1.filter, "Web page (*.htm)|*.htm|Text file (*.txt)|*.txt");
    EXPECT_EQ(window.SaveDialog1.defaultSuffix, "htm");
}

TEST_F(QuizDocumentWindow, TheFontDialogChangesFaceSizeStyleAndColour)
{
    TForm3& window = openDocument(twoQuestionQuiz());
    window.BitBtn1->click();
    ASSERT_EQ(dialogs->fontRequests.size(), 1u) << "cancelled";
    EXPECT_EQ(dialogs->fontRequests[0].font.family(), "MS Sans Serif");
    EXPECT_EQ(window.DocumentFont().font.pointSize(), 10);

    QFont chosen("Courier New", 14);
    chosen.setItalic(true);
    chosen.setStrikeOut(true);
    dialogs->fontAnswers.push_back(FontChoice{chosen, QColor(255, 0, 0)});
    window.BitBtn1->click();
    const FontChoice font = window.DocumentFont();
    EXPECT_EQ(font.font.family(), "Courier New");
    EXPECT_EQ(font.font.pointSize(), 14);
    EXPECT_TRUE(font.font.italic() && font.font.strikeOut());
    EXPECT_EQ(font.color, QColor(255, 0, 0));
    EXPECT_EQ(window.Memo1->font().family(), "Courier New") << "the screen shows it too";

    const std::string html = saveAs(path("red.htm"));
    EXPECT_NE(html.find("<font face=\"Courier New\" size=\"4\" color=\"#FF0000\">\r\n<i><strike>\r\n"), std::string::npos);
    EXPECT_NE(html.find("\r\n</i></strike>\r\n</font></body>\r\n"), std::string::npos);
}

TEST_F(QuizDocumentWindow, CopyPutsTheWholeTextOnTheClipboardAndLeavesItSelected)
{
    TForm3& window = openDocument(twoQuestionQuiz());
    window.BitBtn2->click();
    EXPECT_EQ(QApplication::clipboard()->text(),
              "1-) 3 + 5 = ?\na)8  b)2  c)3  d)4\n\n2-) 8 : 4 = ?\na)2  b)1  c)4  d)3\n");
    const QTextCursor cursor = window.Memo1->textCursor();
    EXPECT_EQ(cursor.selectionStart(), 0);
    EXPECT_EQ(cursor.selectionEnd(), window.Memo1->document()->characterCount() - 1);
}

TEST_F(QuizDocumentWindow, ACompositionIsSavedAsAWebPageByteForByte)
{
    openDocument(twoQuestionQuiz());
    EXPECT_EQ(saveAs(path("quiz.htm")),
              "<html>\r\n<head>\r\n<title>Calcora</title>\r\n"
              "<meta name=\"GENERATOR\" content=\"Calcora 1.01\">\r\n</head>\r\n<body>\r\n"
              "<font face=\"MS Sans Serif\" size=\"2\" color=\"#000000\">\r\n"
              "1-) 3 + 5 = ?<br>\r\na)8  b)2  c)3  d)4<br>\r\n<br>\r\n2-) 8 : 4 = ?<br>\r\na)2  b)1  c)4  d)3<br>\r\n"
              "</font></body>\r\n</html>\r\n");
    ASSERT_EQ(dialogs->saveRequests.size(), 1u);
    EXPECT_EQ(dialogs->saveRequests[0].filter, "Web page (*.htm)|*.htm|Text file (*.txt)|*.txt");
    EXPECT_EQ(dialogs->saveRequests[0].defaultSuffix, "htm");
}

TEST_F(QuizDocumentWindow, TheNameAloneDecidesBetweenWebPageAndText)
{
    openDocument(twoQuestionQuiz());
    const std::string text = "1-) 3 + 5 = ?\r\na)8  b)2  c)3  d)4\r\n\r\n2-) 8 : 4 = ?\r\na)2  b)1  c)4  d)3\r\n";
    EXPECT_EQ(saveAs(path("a.HTM")).substr(0, 8), "<html>\r\n");
    EXPECT_EQ(saveAs(path("quiz")), text) << "no extension: text, whatever the chosen file type";
    EXPECT_TRUE(dialogs->errors.isEmpty());
}

TEST_F(QuizDocumentWindow, AnEditedDocumentIsSavedAsEdited)
{
    TForm3& window = openDocument(twoQuestionQuiz());
    window.Memo1->moveCursor(QTextCursor::End);
    QTest::keyClicks(window.Memo1, "Name: ");
    QTest::sendKeyEvent(QTest::Click, window.Memo1, Qt::Key_unknown, QString::fromUtf8("\xC3\xA9"), Qt::NoModifier);
    QTest::keyClicks(window.Memo1, "<&>");
    EXPECT_EQ(saveAs(path("edited.txt")),
              "1-) 3 + 5 = ?\r\na)8  b)2  c)3  d)4\r\n\r\n2-) 8 : 4 = ?\r\na)2  b)1  c)4  d)3\r\n"
              "Name: \xC3\xA9<&>");
    const std::string html = saveAs(path("edited.html"));
    EXPECT_NE(html.find("\r\nName: \xC3\xA9<&><br>\r\n</font></body>"), std::string::npos) << "nothing escaped";
}

TEST_F(QuizDocumentWindow, AWorksheetIsSavedWithItsKeyAndSavingStartsInTheFolderSavedInLast)
{
    openDocument(twoQuestionQuiz()).BitBtn4->click(); // cancelled, which keeps nothing
    document->CheckBox1->click();
    document->CheckBox2->click();
    EXPECT_EQ(saveAs(path("sheet.txt")),
              "Quiz\r\nName: ______  Date: ______\r\n\r\n"
              "1-) 3 + 5 = ?\r\na)8  b)2  c)3  d)4\r\n\r\n2-) 8 : 4 = ?\r\na)2  b)1  c)4  d)3\r\n"
              "\r\nAnswers\r\n1-) a)8\r\n2-) a)2\r\n");
    EXPECT_NE(saveAs(path("sheet.htm")).find("a)2  b)1  c)4  d)3<br>\r\n</div>\r\n<br>\r\nAnswers<br>\r\n1-) a)8<br>"),
              std::string::npos);
    openDocument(twoQuestionQuiz()).BitBtn4->click(); // the next run, with the same store
    store->WriteString("Quiz", "Save Folder", path("gone").toStdString());
    document->BitBtn4->click();
    QStringList folders;
    for (const FileDialogRequest& request : dialogs->saveRequests)
        folders.push_back(request.folder);
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    EXPECT_EQ(folders, (QStringList{documents, documents, folder.path(), folder.path(), documents}));
}

TEST_F(QuizDocumentWindow, AnEmptyDocumentSavesAnEmptyTextFile)
{
    openDocument({});
    EXPECT_EQ(saveAs(path("empty.txt")), "");
}

TEST_F(QuizDocumentWindow, AnExistingFileIsReplacedAndAFileThatCannotBeCreatedIsReported)
{
    TForm3& window = openDocument({"1-) 3 + 5 = ?"});
    {
        std::ofstream old(path("old.txt").toStdString(), std::ios::binary);
        old << std::string(500, 'z');
    }
    EXPECT_EQ(saveAs(path("old.txt")), "1-) 3 + 5 = ?\r\n");

    const QString unreachable = path("no such folder/quiz.htm");
    dialogs->saveAnswers.push_back(unreachable);
    window.BitBtn4->click();
    EXPECT_EQ(dialogs->errors, QStringList{"Cannot create file " + unreachable + "."});
    EXPECT_EQ(dialogs->errorTitles, QStringList{"Calcora"});
    EXPECT_EQ(window.DocumentText(), "1-) 3 + 5 = ?\r\n");

    window.BitBtn4->click();
    EXPECT_EQ(dialogs->saveRequests.size(), 3u);
    EXPECT_EQ(dialogs->errors.size(), 1) << "cancelling does nothing";
}

} // namespace
