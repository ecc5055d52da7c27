#pragma once

#include "Dialogs.h"

#include <QString>
#include <QStringList>

// Dialogs that show nothing: they record every message for the test to read.
class ScriptedDialogs final : public Dialogs {
public:
    void showError(const QString& title, const QString& message) override;

    QStringList errors;      // messages, in the order shown
    QStringList errorTitles; // their box titles
};
