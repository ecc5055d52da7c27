#pragma once

#include <QColor>
#include <QImage>
#include <QRect>

#include <cstddef>

class TCRPanel;

// Reading the credits panel's frames in tests.

// Runs frames by hand until the first row shows line `topLine` at `offset`; fails the test
// when that place is not reached within a few thousand frames.
void scrollTo(TCRPanel& panel, std::size_t topLine, int offset);

// The text drawn in one part of a frame: everything that is not the background.
struct Ink {
    int count = 0;       // pixels
    QRect box;           // where they lie
    QColor strongest;    // the brightest of them: the text's own colour where a stroke covers a pixel
    // Whether no pixel has a channel that the colour lacks (text in pure blue has no red or green).
    bool onlyChannelsOf(const QColor& color) const;

    int redSeen = 0;
    int greenSeen = 0;
    int blueSeen = 0;
};

Ink inkIn(const QImage& frame, const QRect& area, const QColor& background);

// The colours are the same but for the small loss where a stroke does not quite cover a pixel.
bool nearlySameColor(const QColor& a, const QColor& b);
