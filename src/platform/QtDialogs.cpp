#include "QtDialogs.h"

#include <QApplication>
#include <QMessageBox>

std::unique_ptr<Dialogs> Dialogs::createDefault()
{
    return std::make_unique<QtDialogs>();
}

void QtDialogs::showError(const QString& title, const QString& message)
{
    QMessageBox::critical(QApplication::activeWindow(), title, message);
}
