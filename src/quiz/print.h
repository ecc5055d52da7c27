#pragma once

#include "Dialogs.h"
#include "HtmlExport.h"
#include "PackLines.h"

#include <QDialog>

#include <string>
#include <vector>

class LanguagePack;
class QFrame;
class QPlainTextEdit;
class QPushButton;

// The quiz document window: a composed quiz as plain text that the user may edit, with its
// font chosen, copied whole, printed, or saved as a web page or a text file. It knows
// nothing of questions, only of lines of text.
//
// The memo holds what the user edits. Printing and saving take its text in UTF-8, with CR LF
// line breaks: the composed lines are plain ASCII, so they come out byte for byte, and
// whatever the user types comes out as the characters seen on screen.
class TForm3 : public QDialog {
    Q_OBJECT

public:
    // What the document window works with.
    struct Services {
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

    Services services_;

    bool sizedWithFrame_ = false;
};
