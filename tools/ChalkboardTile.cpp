#include "PictureRecipes.h"

#include "Prng.h"
#include "Shapes.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace calcora::media {

namespace {

constexpr int tileSize = 96;
constexpr Colour slateGreen = rgb(34, 58, 46);
// How far the wiped-over patches of old chalk lift each channel at their lightest.
constexpr Colour smudgeLift = rgb(7, 9, 8);
constexpr double grainLevel = 2.0 / 255;
// Now and then a grain of chalk dust, a little lighter than the board.
constexpr double dustShare = 0.02;
constexpr double dustLift = 7.0 / 255;
constexpr Colour faintChalk = rgb(236, 242, 232, 0.07);
constexpr double chalkPen = 0.8; // half the width of a chalk line

double wave(int alongX, int alongY, int x, int y, double phase)
{
    return std::sin(2 * std::numbers::pi * (alongX * x + alongY * y) / tileSize + phase);
}

// 0 where the board is clean, up to 1 where a sponge left a haze of chalk. Every wave has a
// whole number of periods across the tile, so opposite edges meet exactly.
double smudge(int x, int y)
{
    const double patches = 0.45 * wave(1, 2, x, y, 0.4) + 0.35 * wave(3, -1, x, y, 2.1);
    // Long sideways strokes of the sponge, gently bent.
    const double wipes = 0.2 * std::sin(2 * std::numbers::pi * 5 * y / tileSize + 0.8 * wave(1, 0, x, y, 0.0));
    return std::clamp(0.5 + 0.5 * (patches + wipes), 0.0, 1.0);
}

void paintBoard(Image& tile)
{
    Prng grain(0x4348'4C4B); // "CHLK"
    for (int y = 0; y < tileSize; ++y) {
        for (int x = 0; x < tileSize; ++x) {
            const double lift = smudge(x, y);
            double shift = grainLevel * grain.signedUnit();
            if ((grain.signedUnit() + 1) / 2 < dustShare)
                shift += dustLift;
            tile.set(x, y, {slateGreen.red + lift * smudgeLift.red + shift,
                            slateGreen.green + lift * smudgeLift.green + shift,
                            slateGreen.blue + lift * smudgeLift.blue + shift, 1.0});
        }
    }
}

// A chalk line from the centre, turned by angle (radians), reaching `length` either side.
Shape line(double centreX, double centreY, double length, double angle)
{
    const double dx = length * std::cos(angle);
    const double dy = length * std::sin(angle);
    return stroke(centreX - dx, centreY - dy, centreX + dx, centreY + dy, chalkPen);
}

Shape timesSign(double x, double y, double tilt)
{
    return unite(line(x, y, 5, std::numbers::pi / 4 + tilt), line(x, y, 5, -std::numbers::pi / 4 + tilt));
}

Shape equalsSign(double x, double y, double tilt)
{
    const double offsetX = 2.2 * std::sin(tilt);
    const double offsetY = 2.2 * std::cos(tilt);
    return unite(line(x - offsetX, y - offsetY, 5, tilt), line(x + offsetX, y + offsetY, 5, tilt));
}

Shape divisionSign(double x, double y, double tilt)
{
    const double dotX = 3.6 * std::sin(tilt);
    const double dotY = 3.6 * std::cos(tilt);
    return unite(line(x, y, 5, tilt),
                 unite(circle(x - dotX, y - dotY, 1.1), circle(x + dotX, y + dotY, 1.1)));
}

// The signs a teacher leaves behind, half wiped away, each a little askew as if written by
// hand. All lie well inside the tile, so none is cut at an edge.
void paintChalkMarks(Image& tile)
{
    for (const Shape& mark : {timesSign(22, 24, 0.12), equalsSign(70, 38, -0.1),
                              divisionSign(34, 72, 0.08), timesSign(78, 80, -0.15)})
        fill(tile, mark, faintChalk);
}

} // namespace

Image chalkboardTile()
{
    Image tile(tileSize, tileSize, slateGreen);
    paintBoard(tile);
    paintChalkMarks(tile);
    return tile;
}

} // namespace calcora::media
