#include "PictureRecipes.h"

#include "Prng.h"
#include "Shapes.h"

#include <cmath>
#include <numbers>

namespace calcora::media {

namespace {

constexpr int tileSize = 64;
constexpr Colour deepTeal = rgb(16, 48, 74);
// How far the gentle waves lift each channel at their crests; green and blue more than red,
// so the light parts lean towards teal.
constexpr Colour waveLift = rgb(3, 7, 8);
constexpr double grainLevel = 1.2 / 255;
constexpr Colour faintMark = rgb(255, 255, 255, 0.05);

// Waves whose whole numbers of periods fit the tile, so opposite edges meet exactly.
double waves(int x, int y)
{
    const auto wave = [&](int alongX, int alongY, double phase) {
        return std::sin(2 * std::numbers::pi * (alongX * x + alongY * y) / tileSize + phase);
    };
    return 0.5 * wave(1, 1, 0.0) + 0.3 * wave(2, -1, 1.0) + 0.2 * wave(1, -3, 2.0);
}

void paintWaves(Image& tile)
{
    Prng grain(0x5449'4C45); // "TILE"
    for (int y = 0; y < tileSize; ++y) {
        for (int x = 0; x < tileSize; ++x) {
            const double lift = waves(x, y);
            const double grainShift = grainLevel * grain.signedUnit();
            tile.set(x, y, {deepTeal.red + lift * waveLift.red + grainShift,
                            deepTeal.green + lift * waveLift.green + grainShift,
                            deepTeal.blue + lift * waveLift.blue + grainShift, 1.0});
        }
    }
}

// A faint lattice of plus signs and dots, a quiet nod to arithmetic. All marks lie well
// inside the tile, so none is cut at an edge.
void paintMarks(Image& tile)
{
    for (double centre : {16.0, 48.0}) {
        fill(tile, unite(stroke(centre - 5, centre, centre + 5, centre, 1.2),
                         stroke(centre, centre - 5, centre, centre + 5, 1.2)),
             faintMark);
        fill(tile, circle(centre, tileSize - centre, 1.6), faintMark);
    }
}

} // namespace

Image backgroundTile()
{
    Image tile(tileSize, tileSize, deepTeal);
    paintWaves(tile);
    paintMarks(tile);
    return tile;
}

} // namespace calcora::media
