#pragma once

#include <string>

class QApplication;

// What runs before the main window is created: the application's title (it heads every
// error box) and tooltip timing, then the store made whole: every missing value gets its
// default and every configured file that has gone is pointed at the default again.
void prepareApplication(QApplication& application);

// The store made whole, as above. When the user's store cannot be used at all, that is said
// once and the program runs on the defaults kept in memory.
void prepareUserStore();

// The one message that says the store cannot be used, and what the program does instead.
std::string storeUnusableMessage(const std::string& location, const std::string& reason);

// Lets go of the process-wide services that hold Qt objects, before the application goes.
void releaseProcessServices();
