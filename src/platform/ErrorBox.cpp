#include "ErrorBox.h"

#include "Dialogs.h"
#include "DisplayText.h"
#include "ProcessWide.h"

#include <QCoreApplication>

#include <exception>

std::string errorBoxText(const std::string& message)
{
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.')
        return message + '.';
    return message;
}

void showErrorBox(const std::string& message)
{
    ProcessWide<Dialogs>::get().showError(QCoreApplication::applicationName(),
                                          displayText(errorBoxText(message)));
}

void showCurrentException()
{
    try {
        throw;
    } catch (const std::exception& failure) {
        showErrorBox(failure.what());
    } catch (...) {
        showErrorBox("Unknown failure");
    }
}
