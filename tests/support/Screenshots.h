#pragma once

#include <QString>

class QWidget;

// Pictures of windows for a person to look at, kept in the build folder's screenshots/.

// The path of a file in that folder, which is made when missing.
QString screenshotPath(const QString& name);
// Saves a picture of the widget as "<name>.png" there; says whether it was saved.
bool saveScreenshot(QWidget& widget, const QString& name);
