#include "PictureRecipes.h"

#include "Shapes.h"

#include <algorithm>
#include <cmath>

namespace calcora::media {

namespace {

// The picture is designed on a 64-pixel square. At every size its straight edges are put on
// whole pixels and its lines get whole-pixel widths, so that even the 16-pixel icon is crisp:
// a line of 1.3 pixels would show as a grey smear. The smallest sizes give up the round ends.
constexpr double designSize = 64;
constexpr Colour transparent = rgb(0, 0, 0, 0.0);

struct Metrics {
    int size;
    int margin;        // around the body
    int border;        // the body's dark rim
    double corner;     // the body's corner radius
    int tile;          // a tile's side
    int gap;           // between the tiles
    int line;          // a sign's line width
    int sign;          // the length of the plus, the minus and the division line
    int cross;         // the side of the square the times sign fills
    int dot;           // the division sign's dots
    int dotDistance;   // from the division line's middle to a dot's middle
    bool roundEnds;
};

int atLeast(int least, double value)
{
    return std::max(least, static_cast<int>(std::lround(value)));
}

// The whole number nearest to value that has the parity of like: a line centred in a tile
// has both edges on whole pixels only when the two widths are both odd or both even.
int withParityOf(int like, double value)
{
    const int below = static_cast<int>(std::floor(value));
    const int candidate = (below - like) % 2 == 0 ? below : below - 1;
    return value - candidate <= candidate + 2 - value ? candidate : candidate + 2;
}

Metrics metricsFor(int size)
{
    const double scale = size / designSize;
    Metrics m{};
    m.size = size;
    m.margin = size / 32; // none at the smallest sizes, where every pixel is needed
    m.border = atLeast(1, 1.5 * scale);
    m.corner = 14 * scale;
    m.gap = 2 * atLeast(1, scale);
    m.line = atLeast(1, 5.2 * scale);
    m.tile = withParityOf(m.line, 22 * scale);
    m.sign = m.tile - 2 * atLeast(1, 2.4 * scale);
    m.roundEnds = size >= 48;
    // Designed smaller than the plus; small, it takes the plus's size, or it would be a blot.
    m.cross = m.roundEnds ? m.sign - 2 * atLeast(0, 1.5 * scale) : m.sign;
    m.dot = std::max(1, withParityOf(m.tile, 4.8 * scale));
    // Never nearer than a pixel's gap to the line, or the sign reads as a plus.
    const double nearest = (m.line + m.dot) / 2.0 + 1;
    m.dotDistance = std::max(static_cast<int>(std::ceil(nearest)), atLeast(1, 5.5 * scale));
    return m;
}

void paintBody(Image& icon, const Metrics& m)
{
    const double near = m.margin;
    const double far = m.size - m.margin;
    const Shape body = roundedBox(near, near, far, far, m.corner);
    fill(icon, body, rgb(28, 84, 165));
    fill(icon, grow(body, -m.border), [near, far](double, double y) {
        return mix(rgb(95, 175, 255), rgb(40, 110, 215), (y - near) / (far - near));
    });
}

// A bar of the given length and width around a centre, lying or standing.
Shape bar(const Metrics& m, double x, double y, double length, double width, bool standing)
{
    const double halfAlong = (standing ? width : length) / 2;
    const double halfAcross = (standing ? length : width) / 2;
    return roundedBox(x - halfAlong, y - halfAcross, x + halfAlong, y + halfAcross,
                      m.roundEnds ? width / 2 : 0);
}

Shape square(double x, double y, double side)
{
    return roundedBox(x - side / 2, y - side / 2, x + side / 2, y + side / 2, 0);
}

Shape dot(const Metrics& m, double x, double y)
{
    return m.roundEnds ? circle(x, y, m.dot / 2.0) : square(x, y, m.dot);
}

Shape plusSign(const Metrics& m, double x, double y)
{
    return unite(bar(m, x, y, m.sign, m.line, false), bar(m, x, y, m.sign, m.line, true));
}

Shape minusSign(const Metrics& m, double x, double y)
{
    return bar(m, x, y, m.sign, m.line, false);
}

// Two diagonals whose ends touch the sides of a square. Small, each diagonal is a stair of
// single pixels, as crisp as the other signs: smoothed, it would tint every pixel beside it.
Shape timesSign(const Metrics& m, double x, double y)
{
    if (m.line <= 2) {
        const double left = x - m.cross / 2.0;
        const double top = y - m.cross / 2.0;
        Shape stairs = square(left + 0.5, top + 0.5, 1);
        for (int step = 0; step < m.cross; ++step) {
            const double row = top + step + 0.5;
            stairs = unite(stairs, unite(square(left + step + 0.5, row, 1),
                                         square(left + m.cross - step - 0.5, row, 1)));
        }
        return stairs;
    }
    const double reach = (m.cross - m.line) / 2.0;
    const double half = m.line / 2.0;
    return unite(stroke(x - reach, y - reach, x + reach, y + reach, half),
                 stroke(x + reach, y - reach, x - reach, y + reach, half));
}

Shape divideSign(const Metrics& m, double x, double y)
{
    return unite(bar(m, x, y, m.sign, m.line, false),
                 unite(dot(m, x, y - m.dotDistance), dot(m, x, y + m.dotDistance)));
}

// One white tile per quadrant, each carrying one operation sign in its own colour.
void paintTile(Image& icon, const Metrics& m, double centreX, double centreY, const Shape& sign,
               Colour colour)
{
    const double half = m.tile / 2.0;
    fill(icon, roundedBox(centreX - half, centreY - half, centreX + half, centreY + half,
                          5 * m.size / designSize),
         rgb(255, 255, 255));
    fill(icon, sign, colour);
}

} // namespace

Image applicationIcon(int size)
{
    const Metrics m = metricsFor(size);
    Image icon(size, size, transparent);
    paintBody(icon, m);
    const double first = size / 2.0 - (m.gap + m.tile) / 2.0;
    const double second = size / 2.0 + (m.gap + m.tile) / 2.0;
    paintTile(icon, m, first, first, plusSign(m, first, first), rgb(230, 70, 80));
    paintTile(icon, m, second, first, minusSign(m, second, first), rgb(40, 165, 90));
    paintTile(icon, m, first, second, timesSign(m, first, second), rgb(245, 145, 30));
    paintTile(icon, m, second, second, divideSign(m, second, second), rgb(140, 80, 200));
    return icon;
}

} // namespace calcora::media
