#pragma once

#include "Dialogs.h"
#include "HtmlExport.h"
#include "PackLines.h"
#include "Worksheet.h"

#include <QDialog>

#include <string>
#include <vector>

class ConfigStore;
class LanguagePack;
class QCheckBox;
class QFrame;
class QPlainTextEdit;
class QPushButton;

// The quiz document window: a composed quiz as plain text that the user may edit, with its
// font chosen, copied whole, printed, or saved as a web page or a text file, as it is or as a
// worksheet with an answer key. The window knows nothing of questions, only of lines of text;
// the key is read from those lines by the worksheet's rules (Worksheet.h).
//
// The memo holds what the user edits. Printing and saving take its text in UTF-8, with CR LF
// line breaks: the composed lines are plain ASCII, so they come out byte for byte, and
// whatever the user types comes out as the characters seen on screen.
class TForm3 : public QDialog {
    Q_OBJECT

public:
    // What the document window works with.
    struct Services {
        ConfigStore& store; // the folder a quiz was saved in last
        LanguagePack& pack;
        Dialogs& dialogs;
    };

    explicit TForm3(const Services& services, QWidget* parent = nullptr);

    // Fills the document: every line followed by a line break, the last one included.
    void SetLines(const std::vector<std::string>& lines);
    // The document as the window holds it, as bytes.
    std::string DocumentText() const;
    // Its lines, without an empty last line after a final line break.
    std::vector<std::string> DocumentLines() const;
    // The font and colour the document is shown, printed and exported in.
    FontChoice DocumentFont() const;
    // What the two check boxes ask for.
    WorksheetChoices Choices() const;
    // The lines printed and saved: the document's, made a worksheet as the check boxes say.
    std::vector<std::string> SheetLines() const;
    // Where the save dialog starts: the folder saved in last while it is there, else the
    // user's documents folder.
    QString SaveFolder() const;

    void BitBtn1Click(); // font
    void BitBtn2Click(); // copy
    void BitBtn3Click(); // print
    void BitBtn4Click(); // save

    QPlainTextEdit* Memo1;
    QFrame* Panel1;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;
    QPushButton* BitBtn3;
    QPushButton* BitBtn4;
    QCheckBox* CheckBox1; // answer key
    QCheckBox* CheckBox2; // worksheet layout
    FileDialogRequest SaveDialog1;

protected:
    // The first showing makes the window's outer size, its frame included, 211 by 377.
    void showEvent(QShowEvent* event) override;
    // Ctrl+Tab in the document types a tab.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    void FormCreate();
    void SetDocumentFont(const FontChoice& choice);
    HtmlFont DocumentHtmlFont() const;
    QString text(PackLine line) const;
    QString laterText(PackLine line) const;
    WorksheetWords Words() const;

    Services services_;

    bool sizedWithFrame_ = false;
};
