#pragma once

#include "Dialogs.h"

#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <optional>
#include <vector>

// Dialogs that show nothing: they record every request and message for the test to read and
// give the answers the test scripted, in order. A dialog without a scripted answer is
// cancelled.
class ScriptedDialogs final : public Dialogs {
public:
    void showError(const QString& title, const QString& message) override;
    bool askYesNo(QWidget* parent, const QString& title, const QString& question) override;
    std::optional<QString> getOpenFileName(QWidget* parent, const FileDialogRequest& request) override;
    std::optional<QString> getSaveFileName(QWidget* parent, const FileDialogRequest& request) override;
    std::optional<QColor> getColor(QWidget* parent, const QColor& initial) override;
    std::optional<FontChoice> getFont(QWidget* parent, const FontChoice& initial) override;
    bool setUpPrinter(QWidget* parent, QPrinter& printer) override;

    QStringList errors;      // messages, in the order shown
    QStringList errorTitles; // their box titles

    std::deque<bool> yesNoAnswers; // unscripted questions are answered No
    QStringList questions;
    QStringList questionTitles;

    std::deque<std::optional<QString>> openAnswers;
    std::vector<FileDialogRequest> openRequests;
    std::deque<std::optional<QString>> saveAnswers;
    std::vector<FileDialogRequest> saveRequests;
    std::deque<std::optional<QColor>> colorAnswers;
    std::vector<QColor> colorRequests;
    std::deque<std::optional<FontChoice>> fontAnswers;
    std::vector<FontChoice> fontRequests;
    // Sets the printer up (for example to print into a PDF file) and says whether to go on.
    std::deque<std::function<bool(QPrinter&)>> printerAnswers;
    int printerRequests = 0;
};
