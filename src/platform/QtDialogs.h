#pragma once

#include "Dialogs.h"

// Dialogs shown with Qt's own dialog classes.
class QtDialogs final : public Dialogs {
public:
    void showError(const QString& title, const QString& message) override;
    bool askYesNo(QWidget* parent, const QString& title, const QString& question) override;
    std::optional<QString> getOpenFileName(QWidget* parent, const FileDialogRequest& request) override;
    std::optional<QString> getSaveFileName(QWidget* parent, const FileDialogRequest& request) override;
    std::optional<QColor> getColor(QWidget* parent, const QColor& initial) override;
    std::optional<FontChoice> getFont(QWidget* parent, const FontChoice& initial) override;
    bool setUpPrinter(QWidget* parent, QPrinter& printer) override;
};
