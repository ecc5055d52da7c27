#pragma once

#include "ScreenScale.h"

// Before the application is made: the size the classroom's settings give every window, set as
// Qt's scale factor, which scales pictures, fonts, places and sizes alike. A scale factor the
// user has set in the environment (QT_SCALE_FACTOR) is left as it is. Filling the screen asks
// the platform for the screen's size first, through an application of its own that is gone
// again before this returns. A store that cannot be read gives the size as designed.
ScreenScale applyStoredScale(int argc, char* argv[]);
