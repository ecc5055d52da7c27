#pragma once

#include "MainWindowFixture.h"
#include "print.h"

#include <QString>

#include <string>
#include <vector>

// The store as at a first start and the shipped English pack loaded, as the quiz windows
// find them when the main window opens them.
class QuizFixture : public MainWindowFixture {
protected:
    QuizFixture() { pack->Load(mediaFile("english.lng")); }

    // The quiz of one addition at level 1 and one division at level 1, as composed.
    static std::vector<std::string> twoQuestionQuiz()
    {
        return {"1-) 3 + 5 = ?", "a)8  b)2  c)3  d)4", "", "2-) 8 : 4 = ?", "a)2  b)1  c)4  d)3"};
    }
};
