#pragma once

#include "Question.h"

#include <QWidget>

// The main window: the pupil's whole working surface and the program's main form.
// Creating it loads the interface language and the title from the store.
class TForm1 : public QWidget {
    Q_OBJECT

public:
    explicit TForm1(QWidget* parent = nullptr);

    // A new question from the process's random source (the quiz composer asks here too).
    static TQuestion Generate(int operation, int level);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormCreate();
    void FormShow();
};
