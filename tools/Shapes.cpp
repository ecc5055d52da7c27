#include "Shapes.h"

#include <algorithm>
#include <cmath>

namespace calcora::media {

Shape circle(double centreX, double centreY, double radius)
{
    return [=](double x, double y) { return std::hypot(x - centreX, y - centreY) - radius; };
}

Shape roundedBox(double left, double top, double right, double bottom, double cornerRadius)
{
    const double centreX = (left + right) / 2;
    const double centreY = (top + bottom) / 2;
    const double innerHalfWidth = (right - left) / 2 - cornerRadius;
    const double innerHalfHeight = (bottom - top) / 2 - cornerRadius;
    return [=](double x, double y) {
        const double dx = std::abs(x - centreX) - innerHalfWidth;
        const double dy = std::abs(y - centreY) - innerHalfHeight;
        const double outside = std::hypot(std::max(dx, 0.0), std::max(dy, 0.0));
        const double inside = std::min(std::max(dx, dy), 0.0);
        return outside + inside - cornerRadius;
    };
}

Shape stroke(double x0, double y0, double x1, double y1, double halfWidth)
{
    return [=](double x, double y) {
        const double dx = x1 - x0;
        const double dy = y1 - y0;
        const double along = std::clamp(((x - x0) * dx + (y - y0) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
        return std::hypot(x - (x0 + along * dx), y - (y0 + along * dy)) - halfWidth;
    };
}

Shape below(double edgeY)
{
    return [=](double, double y) { return edgeY - y; };
}

Shape above(double edgeY)
{
    return [=](double, double y) { return y - edgeY; };
}

Shape unite(Shape a, Shape b)
{
    return [=](double x, double y) { return std::min(a(x, y), b(x, y)); };
}

Shape intersect(Shape a, Shape b)
{
    return [=](double x, double y) { return std::max(a(x, y), b(x, y)); };
}

Shape grow(Shape shape, double amount)
{
    return [=](double x, double y) { return shape(x, y) - amount; };
}

void fill(Image& image, const Shape& shape, const Paint& paint)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const double centreX = x + 0.5;
            const double centreY = y + 0.5;
            // A pixel whose centre lies on the edge is half covered.
            const double coverage = 0.5 - shape(centreX, centreY);
            if (coverage > 0.0)
                image.blend(x, y, paint(centreX, centreY), coverage);
        }
    }
}

void fill(Image& image, const Shape& shape, Colour colour)
{
    fill(image, shape, [colour](double, double) { return colour; });
}

} // namespace calcora::media
