#pragma once

#include "ColorText.h"

#include <QColor>

// A stored colour as Qt draws it: plain colours by their red, green and blue bytes, the
// desktop-scheme colours by the matching role of the application's palette.
QColor toQColor(TColor color);

// A colour chosen on screen as a plain stored colour.
TColor fromQColor(const QColor& color);
