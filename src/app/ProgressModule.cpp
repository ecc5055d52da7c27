#include "ProgressModule.h"

#include "AppError.h"
#include "DisplayText.h"
#include "ProgramDirectory.h"

#include <QLibrary>

namespace {

using ShowProgressWindow = int (*)(const ProgressWindow::Services*, QWidget*);

} // namespace

void showProgressWindow(const ProgressWindow::Services& services, QWidget* parent)
{
    // Loaded once and kept for the rest of the program.
    static QLibrary module;
    static ShowProgressWindow show = nullptr;
    if (!show) {
        module.setFileName(qtFilePath(programFile("calcora_progress")));
        show = reinterpret_cast<ShowProgressWindow>(module.resolve("calcoraShowProgressWindow"));
        if (!show)
            throw AppError("Calcora cannot open the progress window (" + module.errorString().toStdString() + ")");
    }
    show(&services, parent);
}
