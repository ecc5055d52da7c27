#include "PictureRecipes.h"

#include "Shapes.h"

namespace calcora::media {

namespace {

constexpr int iconSize = 64;
constexpr double pen = 2.6; // half the width of a sign's stroke: still bold when shown at 32 px
constexpr Colour transparent = rgb(0, 0, 0, 0.0);

void paintBody(Image& icon)
{
    const Shape body = roundedBox(2, 2, 62, 62, 14);
    fill(icon, body, rgb(28, 84, 165));
    fill(icon, grow(body, -1.5), [](double, double y) {
        return mix(rgb(95, 175, 255), rgb(40, 110, 215), (y - 2) / 60);
    });
}

// One white tile per quadrant, each carrying one operation sign in its own colour.
void paintTile(Image& icon, double centreX, double centreY, const Shape& sign, Colour colour)
{
    fill(icon, roundedBox(centreX - 11, centreY - 11, centreX + 11, centreY + 11, 5),
         rgb(255, 255, 255));
    fill(icon, sign, colour);
}

Shape plusSign(double x, double y)
{
    return unite(stroke(x - 6, y, x + 6, y, pen), stroke(x, y - 6, x, y + 6, pen));
}

Shape minusSign(double x, double y)
{
    return stroke(x - 6, y, x + 6, y, pen);
}

Shape timesSign(double x, double y)
{
    return unite(stroke(x - 4.5, y - 4.5, x + 4.5, y + 4.5, pen),
                 stroke(x + 4.5, y - 4.5, x - 4.5, y + 4.5, pen));
}

Shape divideSign(double x, double y)
{
    return unite(stroke(x - 6, y, x + 6, y, pen - 0.4),
                 unite(circle(x, y - 5.5, 2.4), circle(x, y + 5.5, 2.4)));
}

} // namespace

Image applicationIcon()
{
    Image icon(iconSize, iconSize, transparent);
    paintBody(icon);
    paintTile(icon, 20, 20, plusSign(20, 20), rgb(230, 70, 80));
    paintTile(icon, 44, 20, minusSign(44, 20), rgb(40, 165, 90));
    paintTile(icon, 20, 44, timesSign(20, 44), rgb(245, 145, 30));
    paintTile(icon, 44, 44, divideSign(44, 44), rgb(140, 80, 200));
    return icon;
}

} // namespace calcora::media
