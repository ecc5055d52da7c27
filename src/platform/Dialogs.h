#pragma once

#include <QColor>
#include <QFont>
#include <QString>

#include <memory>
#include <optional>

class QPrinter;
class QWidget;

// What a file dialog starts with. `filter` is written as the program keeps it: descriptions
// and patterns separated by "|" ("Web page (*.htm)|*.htm|Text file (*.txt)|*.txt"); the
// first type is preselected. A name typed without an extension in a save dialog takes the
// extension of the file type chosen there, or `defaultSuffix` when there is none.
struct FileDialogRequest {
    QString fileName;
    QString folder;
    QString filter;
    QString defaultSuffix;
};

// A font with the colour its text is drawn in.
struct FontChoice {
    QFont font;
    QColor color;
};

// The platform's standard dialogs and message boxes. Windows reach them only through the
// instance they are handed, so tests can script the answers and read every message shown.
// Every dialog returns nothing when the user cancels it.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // A message box with the error icon and an OK button.
    virtual void showError(const QString& title, const QString& message) = 0;
    // A message box with the question icon and Yes and No buttons; true for Yes.
    virtual bool askYesNo(QWidget* parent, const QString& title, const QString& question) = 0;

    virtual std::optional<QString> getOpenFileName(QWidget* parent, const FileDialogRequest& request) = 0;
    // An existing file of the chosen name is replaced without asking.
    virtual std::optional<QString> getSaveFileName(QWidget* parent, const FileDialogRequest& request) = 0;
    virtual std::optional<QColor> getColor(QWidget* parent, const QColor& initial) = 0;
    virtual std::optional<FontChoice> getFont(QWidget* parent, const FontChoice& initial) = 0;
    // The print dialog: sets the printer up as the user chooses; false when cancelled.
    virtual bool setUpPrinter(QWidget* parent, QPrinter& printer) = 0;
};

// Qt's own dialogs.
std::unique_ptr<Dialogs> createQtDialogs();

// "Description|pattern|..." as a Qt name filter list ("Description (pattern)").
QStringList qtNameFilters(const QString& filter);
// The patterns of such a filter ("*.htm", "*.txt").
QStringList filterPatterns(const QString& filter);
// The extension a pattern gives a file ("txt" for "*.txt"); empty for any other pattern.
QString suffixOfPattern(const QString& pattern);
// The path with ".suffix" added when its file name has no extension of its own.
QString withSuffix(const QString& path, const QString& suffix);
