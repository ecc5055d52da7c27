#pragma once

#include "ProgressWindow.h"

// Shows the progress window modally, loading its module (calcora_progress beside the
// executable, with Qt Charts) the first time. Throws AppError when the module cannot be loaded.
void showProgressWindow(const ProgressWindow::Services& services, QWidget* parent);
