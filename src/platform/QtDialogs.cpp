#include "QtDialogs.h"

#include "FontColorDialog.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>

std::unique_ptr<Dialogs> createQtDialogs()
{
    return std::make_unique<QtDialogs>();
}

QStringList filterPatterns(const QString& filter)
{
    const QStringList parts = filter.split('|');
    QStringList patterns;
    for (qsizetype at = 1; at < parts.size(); at += 2)
        patterns.append(parts[at]);
    return patterns;
}

QString suffixOfPattern(const QString& pattern)
{
    return pattern.startsWith("*.") && !pattern.contains(';') ? pattern.mid(2) : QString();
}

QString withSuffix(const QString& path, const QString& suffix)
{
    const QString name = path.mid(path.lastIndexOf('/') + 1);
    if (suffix.isEmpty() || name.isEmpty() || name.contains('.'))
        return path;
    return path + '.' + suffix;
}

QStringList qtNameFilters(const QString& filter)
{
    const QStringList parts = filter.split('|');
    QStringList filters;
    for (qsizetype at = 0; at + 1 < parts.size(); at += 2) {
        const QString& description = parts[at];
        const QString& pattern = parts[at + 1];
        filters.append(description.contains('(' + pattern + ')') ? description
                                                                  : description + " (" + pattern + ')');
    }
    return filters;
}

namespace {

std::optional<QString> runFileDialog(QFileDialog& dialog, const FileDialogRequest& request)
{
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setNameFilters(qtNameFilters(request.filter));
    if (!request.folder.isEmpty())
        dialog.setDirectory(request.folder);
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

} // namespace

void QtDialogs::showError(const QString& title, const QString& message)
{
    QMessageBox box(QMessageBox::Critical, title, message, QMessageBox::Ok,
                    QApplication::activeWindow());
    // A message quotes paths and stored texts, which must never be read as markup.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

bool QtDialogs::askYesNo(QWidget* parent, const QString& title, const QString& question)
{
    return QMessageBox::question(parent, title, question, QMessageBox::Yes | QMessageBox::No)
        == QMessageBox::Yes;
}

std::optional<QString> QtDialogs::getOpenFileName(QWidget* parent, const FileDialogRequest& request)
{
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return runFileDialog(dialog, request);
}

std::optional<QString> QtDialogs::getSaveFileName(QWidget* parent, const FileDialogRequest& request)
{
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    const auto chosen = runFileDialog(dialog, request);
    if (!chosen)
        return std::nullopt;
    // A name typed without an extension takes the one of the file type chosen in the dialog.
    const auto chosenType = qtNameFilters(request.filter).indexOf(dialog.selectedNameFilter());
    const QStringList patterns = filterPatterns(request.filter);
    const QString suffix = chosenType >= 0 && chosenType < patterns.size()
        ? suffixOfPattern(patterns[chosenType])
        : request.defaultSuffix;
    return withSuffix(*chosen, suffix);
}

std::optional<QColor> QtDialogs::getColor(QWidget* parent, const QColor& initial)
{
    const QColor chosen = QColorDialog::getColor(initial, parent);
    if (!chosen.isValid())
        return std::nullopt;
    return chosen;
}

std::optional<FontChoice> QtDialogs::getFont(QWidget* parent, const FontChoice& initial)
{
    FontColorDialog dialog(initial, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.choice();
}

bool QtDialogs::setUpPrinter(QWidget* parent, QPrinter& printer)
{
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}
