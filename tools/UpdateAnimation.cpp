#include "PictureRecipes.h"

#include "Shapes.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace calcora::media {

namespace {

constexpr int frameSize = 48;
constexpr int frameCount = 48; // four seconds at 12 frames per second
constexpr Colour dialogGrey = rgb(240, 240, 240);

// The page is painted only between the cloud's middle and the tray's slot. It starts just
// hidden behind the cloud and ends just hidden in the tray, so the loop starts and ends with
// no page in sight and never jumps.
constexpr double pageWidth = 12;
constexpr double pageHeight = 15;
constexpr double pageLeft = 18;
constexpr double cloudInside = 13;
constexpr double cloudBottom = 19;
constexpr double traySlot = 38.5;
// Part of each loop spent travelling; in the rest the tray lights up to show the arrival.
constexpr double travelShare = 0.8;

const Shape cloud = unite(unite(circle(17, 13, 6), circle(25, 10, 8)),
                          unite(circle(32, 13.5, 5.5), roundedBox(11, 12, 37.5, cloudBottom, 3.5)));

void paintPage(Image& frame, double top)
{
    const Shape visible = intersect(below(cloudInside), above(traySlot));
    const Shape sheet = roundedBox(pageLeft, top, pageLeft + pageWidth, top + pageHeight, 1.5);
    fill(frame, intersect(sheet, visible), rgb(105, 115, 130));
    fill(frame, intersect(grow(sheet, -1), visible), rgb(255, 255, 255));
    for (double line : {4.5, 7.5, 10.5}) {
        const double end = line > 10 ? pageLeft + 6.5 : pageLeft + 9;
        fill(frame, intersect(stroke(pageLeft + 3, top + line, end, top + line, 0.6), visible),
             rgb(90, 140, 200));
    }
}

void paintCloud(Image& frame)
{
    fill(frame, grow(cloud, 1), rgb(60, 110, 175));
    fill(frame, cloud, [](double, double y) {
        return mix(rgb(185, 220, 250), rgb(115, 170, 228), (y - 2) / 17);
    });
}

// The inside of the tray, seen behind the page as it goes in.
void paintTraySlot(Image& frame)
{
    fill(frame, roundedBox(9, 35.5, 39, 40, 1.5), rgb(60, 78, 100));
}

// glow: 0 for the tray's resting colour, 1 for its brightest "arrived" green.
void paintTrayFront(Image& frame, double glow)
{
    const Colour front = mix(rgb(95, 125, 160), rgb(80, 170, 90), 0.7 * glow);
    fill(frame, grow(roundedBox(7, 38, 41, 46, 2.5), 0.8), rgb(50, 68, 92));
    fill(frame, roundedBox(7, 38, 41, 46, 2.5), front);
    const Shape arrow = unite(stroke(24, 39.6, 24, 44, 0.9),
                              unite(stroke(21.2, 41.8, 24, 44.4, 0.9), stroke(26.8, 41.8, 24, 44.4, 0.9)));
    fill(frame, arrow, rgb(255, 255, 255));
}

Image frameAt(double phase)
{
    Image frame(frameSize, frameSize, dialogGrey);
    const double travel = std::min(phase / travelShare, 1.0);
    const double eased = 0.5 - 0.5 * std::cos(std::numbers::pi * travel);
    const double startTop = cloudBottom - pageHeight;
    const double top = startTop + eased * (traySlot - startTop);
    const double arrival = std::max(phase - travelShare, 0.0) / (1.0 - travelShare);
    paintTraySlot(frame);
    paintPage(frame, top);
    paintCloud(frame);
    paintTrayFront(frame, std::pow(std::sin(std::numbers::pi * arrival), 2.0));
    return frame;
}

} // namespace

std::vector<Image> updateAnimationFrames()
{
    std::vector<Image> frames;
    for (int i = 0; i < frameCount; ++i)
        frames.push_back(frameAt(static_cast<double>(i) / frameCount));
    return frames;
}

} // namespace calcora::media
