#pragma once

#include "Dialogs.h"

// Dialogs shown with Qt's own dialog classes, over the active window.
class QtDialogs final : public Dialogs {
public:
    void showError(const QString& title, const QString& message) override;
};
