#pragma once

#include <string>

class Dialogs;
class PendingWrites;
class QApplication;

// What runs before the main window is created: the application's title (it heads every
// error box), its menu entry's name and the tooltip timing.
void prepareApplication(QApplication& application);

// The application's icon, at every size the program folder holds (calcora-16.png, ...), so
// that each place on the desktop gets a picture drawn for its size. Meant for after the main
// window's first frame: reading the pictures is no part of what the pupil first sees.
void installApplicationIcon();

// The store made whole: every missing value gets its default and every configured file that
// has gone is pointed at the default again. The values it writes are read back at once but
// reach the user's store only with keepStartupValues().
void prepareUserStore(PendingWrites& store);
// Writes the values start-up gave the store, after the main window's first frame. When the
// user's store cannot be used at all, that is said once and the program runs on the same
// values kept in memory.
void keepStartupValues(PendingWrites& store, Dialogs& dialogs);

// The one message that says the store cannot be used, and what the program does instead.
std::string storeUnusableMessage(const std::string& location, const std::string& reason);
