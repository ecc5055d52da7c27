#pragma once

#include "MainWindowFixture.h"
#include "print.h"
#include "RandomSource.h"
#include "quiz.h"

#include <QString>
#include <QTest>

#include <memory>
#include <string>
#include <vector>

// The store as at a first start and the shipped English pack loaded, as the quiz windows
// find them when the main window opens them.
class QuizFixture : public MainWindowFixture {
protected:
    QuizFixture() { pack->Load(mediaFile("english.lng")); }

    // Scripts the draws of one addition at level 1: "a + b = ?" with the right answer in
    // position 1 and the wrong answers 2, 3 and 4 (a + b must be at least 5).
    void scriptAddition(int a, int b) { random->script({a - 1, b - 1, 0, 0, 0, 0, 1, 0, 2}); }

    // What the composer is handed: the test's doubles, and its scripted random source unless
    // another is given.
    TForm2::Services composerServices(RandomSource* source = nullptr)
    {
        return {.store = *store, .pack = *pack, .dialogs = *dialogs, .random = source ? *source : *random};
    }
    TForm3::Services documentServices() { return {.store = *store, .pack = *pack, .dialogs = *dialogs}; }

    // A document window holding these lines, shown.
    TForm3& openDocument(const std::vector<std::string>& lines)
    {
        document = std::make_unique<TForm3>(documentServices());
        document->SetLines(lines);
        document->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(document.get()));
        return *document;
    }

    // The quiz of one addition at level 1 and one division at level 1, as composed.
    static std::vector<std::string> twoQuestionQuiz()
    {
        return {"1-) 3 + 5 = ?", "a)8  b)2  c)3  d)4", "", "2-) 8 : 4 = ?", "a)2  b)1  c)4  d)3"};
    }

    std::unique_ptr<TForm3> document;
};

// A composer that keeps each document it would show instead of showing it.
class ComposerUnderTest : public TForm2 {
public:
    using TForm2::TForm2;

    std::vector<std::string> documentTexts;
    std::vector<std::vector<std::string>> documents;

protected:
    void ShowDocument(TForm3& document) override
    {
        documentTexts.push_back(document.DocumentText());
        documents.push_back(document.DocumentLines());
    }
};
