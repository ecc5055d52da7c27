#pragma once

#include "PackLines.h"
#include "QuizComposer.h"

#include <QDialog>

#include <array>

class ConfigStore;
class Dialogs;
class LanguagePack;
class QLabel;
class QPushButton;
class QStatusBar;
class RandomSource;
class SpinCounter;
class TForm3;

// The quiz composer: twelve counters of questions per operation (rows) and level (columns),
// kept in the store's "Quiz" section between runs, and a button that composes a quiz of
// different questions and opens it in a document window.
class TForm2 : public QDialog {
    Q_OBJECT

public:
    // What the quiz composer works with; the document window it opens gets the store, the pack
    // and the dialogs.
    struct Services {
        ConfigStore& store;
        LanguagePack& pack;
        Dialogs& dialogs;
        RandomSource& random;
    };

    explicit TForm2(const Services& services, QWidget* parent = nullptr);

    // Writes the total of the twelve counts into the status line.
    void CountQuestions();
    // Composes a quiz and shows it in a new document window.
    void Button1Click();

    // SpinEdit1 to SpinEdit12 in turn: level 1 for the four operations, then level 2, then 3.
    std::array<SpinCounter*, 12> SpinEdits() const;

    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Label6;
    QLabel* Label7;
    SpinCounter* SpinEdit1;
    SpinCounter* SpinEdit2;
    SpinCounter* SpinEdit3;
    SpinCounter* SpinEdit4;
    SpinCounter* SpinEdit5;
    SpinCounter* SpinEdit6;
    SpinCounter* SpinEdit7;
    SpinCounter* SpinEdit8;
    SpinCounter* SpinEdit9;
    SpinCounter* SpinEdit10;
    SpinCounter* SpinEdit11;
    SpinCounter* SpinEdit12;
    QPushButton* Button1;
    QStatusBar* StatusBar1;
    QLabel* StatusText; // the status line's one field

    // Closing by any way (the close box, Escape) stores the counts, all in one write.
    void done(int result) override;

protected:
    // Shows the document window modally; tests look at it instead.
    virtual void ShowDocument(TForm3& document);

private:
    void createControls();
    void FormCreate();
    void FormClose();
    QuestionCounts Counts() const;
    QString text(PackLine line) const;

    Services services_;
    QuizComposer composer_;
    // Whether the counters show the stored counts. Until they do, closing stores nothing, so
    // counters that never got their values cannot write zeros over the user's counts.
    bool countsShown_ = false;
};
