#include "ErrorBox.h"

#include "AppError.h"
#include "Dialogs.h"
#include "DisplayText.h"

#include <QCoreApplication>

namespace {

// The control characters of a text as the symbols that stand for them, so that none of them
// cuts the text short or hides what follows.
QString withVisibleControls(QString text)
{
    for (QChar& c : text) {
        if (c.unicode() < 0x20)
            c = QChar(0x2400 + c.unicode());
        else if (c.unicode() == 0x7F)
            c = QChar(0x2421);
    }
    return text;
}

// The failure of the creation step that runs now, if one does.
struct CreationStep {
    std::exception_ptr failure;
};
thread_local CreationStep* currentCreationStep = nullptr;

} // namespace

std::string errorBoxText(const std::string& message)
{
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.')
        return message + '.';
    return message;
}

void showErrorBox(Dialogs& dialogs, const std::string& message)
{
    dialogs.showError(QCoreApplication::applicationName(), withVisibleControls(displayText(errorBoxText(message))));
}

void showCurrentException(Dialogs& dialogs)
{
    try {
        throw;
    } catch (const AppError& failure) {
        showErrorBox(dialogs, failure.message());
    } catch (const std::exception& failure) {
        showErrorBox(dialogs, failure.what());
    } catch (...) {
        showErrorBox(dialogs, "Unknown failure");
    }
}

bool passFailureToCreationStep(std::exception_ptr failure)
{
    if (!currentCreationStep)
        return false;
    if (!currentCreationStep->failure)
        currentCreationStep->failure = std::move(failure);
    return true;
}

bool createInSteps(Dialogs& dialogs, std::initializer_list<std::function<void()>> steps)
{
    std::exception_ptr firstFailure;
    for (const auto& step : steps) {
        CreationStep thisStep;
        CreationStep* const outer = std::exchange(currentCreationStep, &thisStep);
        try {
            step();
        } catch (...) {
            passFailureToCreationStep(std::current_exception());
        }
        currentCreationStep = outer;
        if (!firstFailure)
            firstFailure = thisStep.failure;
    }
    if (!firstFailure)
        return true;
    try {
        std::rethrow_exception(firstFailure);
    } catch (...) {
        showCurrentException(dialogs);
    }
    return false;
}
