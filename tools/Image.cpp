#include "Image.h"

#include <algorithm>
#include <cmath>

namespace calcora::media {

namespace {

std::uint8_t toByte(double channel)
{
    return static_cast<std::uint8_t>(std::lround(std::clamp(channel, 0.0, 1.0) * 255.0));
}

} // namespace

Colour mix(Colour from, Colour to, double amount)
{
    const auto lerp = [amount](double a, double b) { return a + (b - a) * amount; };
    return {lerp(from.red, to.red), lerp(from.green, to.green), lerp(from.blue, to.blue),
            lerp(from.alpha, to.alpha)};
}

Image::Image(int width, int height, Colour background)
    : width_(width), height_(height),
      pixels_(static_cast<std::size_t>(width) * height, background)
{
}

void Image::blend(int x, int y, Colour colour, double coverage)
{
    const double source = colour.alpha * std::clamp(coverage, 0.0, 1.0);
    if (source <= 0.0)
        return;
    Colour& below = pixels_[index(x, y)];
    const double kept = below.alpha * (1.0 - source);
    const double alpha = source + kept;
    const auto over = [&](double top, double bottom) { return (top * source + bottom * kept) / alpha; };
    below = {over(colour.red, below.red), over(colour.green, below.green),
             over(colour.blue, below.blue), alpha};
}

Pixel8 Image::pixel8(int x, int y) const
{
    const Colour c = at(x, y);
    return {toByte(c.red), toByte(c.green), toByte(c.blue), toByte(c.alpha)};
}

} // namespace calcora::media
