#pragma once

class QApplication;

// What runs before the main window is created: the application's title (it heads every
// error box), its icon from the program folder and tooltip timing, then the store made whole: every missing value gets its
// default and every configured file that has gone is pointed at the default again.
void prepareApplication(QApplication& application);

// Lets go of the process-wide services that hold Qt objects, before the application goes.
void releaseProcessServices();
