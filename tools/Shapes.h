#pragma once

#include "Image.h"

#include <functional>

namespace calcora::media {

// Pictures are painted from shapes given as signed distances: for a point (in pixels) a
// shape returns how far it lies outside its edge, negative inside. Painting from distances
// gives smooth, anti-aliased edges at any position, which the small animation needs to move
// by fractions of a pixel.
using Shape = std::function<double(double x, double y)>;
using Paint = std::function<Colour(double x, double y)>;

Shape circle(double centreX, double centreY, double radius);
Shape roundedBox(double left, double top, double right, double bottom, double cornerRadius);
// A straight pen stroke with round ends.
Shape stroke(double x0, double y0, double x1, double y1, double halfWidth);
// Everything below (larger y than) or above the given line.
Shape below(double edgeY);
Shape above(double edgeY);

Shape unite(Shape a, Shape b);
Shape intersect(Shape a, Shape b);
// The shape made larger all round, e.g. for an outline painted beneath it.
Shape grow(Shape shape, double amount);

void fill(Image& image, const Shape& shape, const Paint& paint);
void fill(Image& image, const Shape& shape, Colour colour);

} // namespace calcora::media
