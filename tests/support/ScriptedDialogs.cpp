#include "ScriptedDialogs.h"

namespace {

template <class Answer>
Answer next(std::deque<Answer>& answers)
{
    Answer answer{};
    if (!answers.empty()) {
        answer = std::move(answers.front());
        answers.pop_front();
    }
    return answer;
}

} // namespace

void ScriptedDialogs::showError(const QString& title, const QString& message)
{
    errorTitles.append(title);
    errors.append(message);
}

bool ScriptedDialogs::askYesNo(QWidget*, const QString& title, const QString& question)
{
    questionTitles.append(title);
    questions.append(question);
    return next(yesNoAnswers);
}

std::optional<QString> ScriptedDialogs::getOpenFileName(QWidget*, const FileDialogRequest& request)
{
    openRequests.push_back(request);
    return next(openAnswers);
}

std::optional<QString> ScriptedDialogs::getSaveFileName(QWidget*, const FileDialogRequest& request)
{
    saveRequests.push_back(request);
    return next(saveAnswers);
}

std::optional<QColor> ScriptedDialogs::getColor(QWidget*, const QColor& initial)
{
    colorRequests.push_back(initial);
    return next(colorAnswers);
}

std::optional<FontChoice> ScriptedDialogs::getFont(QWidget*, const FontChoice& initial)
{
    fontRequests.push_back(initial);
    return next(fontAnswers);
}

bool ScriptedDialogs::setUpPrinter(QWidget*, QPrinter& printer)
{
    ++printerRequests;
    const auto answer = next(printerAnswers);
    return answer && answer(printer);
}
