#include "ScriptedDialogs.h"

void ScriptedDialogs::showError(const QString& title, const QString& message)
{
    errorTitles.append(title);
    errors.append(message);
}
