#pragma once

#include <QString>

#include <memory>

// The platform's standard dialogs and message boxes. Windows reach them only through the
// process-wide instance, so tests can script the answers and read every message shown.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // A message box with the error icon and an OK button.
    virtual void showError(const QString& title, const QString& message) = 0;

    static std::unique_ptr<Dialogs> createDefault();
};
