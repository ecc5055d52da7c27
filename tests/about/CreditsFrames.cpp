#include "CreditsFrames.h"

#include "CRPanel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

void scrollTo(TCRPanel& panel, std::size_t topLine, int offset)
{
    const auto arrived = [&] { return panel.Scroll().TopLine == topLine && panel.Scroll().ScrollOffset == offset; };
    for (int frame = 0; frame < 5000 && !arrived(); ++frame)
        panel.ScrollTimerTimer();
    ASSERT_TRUE(arrived()) << "line " << topLine << " at " << offset << " never came";
}

bool Ink::onlyChannelsOf(const QColor& color) const
{
    return (color.red() > 0 || redSeen == 0) && (color.green() > 0 || greenSeen == 0)
        && (color.blue() > 0 || blueSeen == 0);
}

Ink inkIn(const QImage& frame, const QRect& area, const QColor& background)
{
    Ink ink;
    int brightest = -1;
    const QRect inside = area & frame.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            const QColor pixel = frame.pixelColor(x, y);
            if (pixel == background)
                continue;
            ++ink.count;
            ink.box |= QRect(x, y, 1, 1);
            ink.redSeen = std::max(ink.redSeen, pixel.red());
            ink.greenSeen = std::max(ink.greenSeen, pixel.green());
            ink.blueSeen = std::max(ink.blueSeen, pixel.blue());
            const int brightness = pixel.red() + pixel.green() + pixel.blue();
            if (brightness > brightest) {
                brightest = brightness;
                ink.strongest = pixel;
            }
        }
    }
    return ink;
}

bool nearlySameColor(const QColor& a, const QColor& b)
{
    constexpr int kTolerance = 4;
    return std::abs(a.red() - b.red()) <= kTolerance && std::abs(a.green() - b.green()) <= kTolerance
        && std::abs(a.blue() - b.blue()) <= kTolerance;
}
