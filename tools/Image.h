#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace calcora::media {

// A colour with straight (not premultiplied) alpha, every channel in [0, 1].
struct Colour {
    double red = 0.0;
    double green = 0.0;
    double blue = 0.0;
    double alpha = 1.0;
};

// From the 0-255 values a designer writes down.
constexpr Colour rgb(int red, int green, int blue, double alpha = 1.0)
{
    return {red / 255.0, green / 255.0, blue / 255.0, alpha};
}

Colour mix(Colour from, Colour to, double amount);

struct Pixel8 {
    std::uint8_t red, green, blue, alpha;
};

// A picture being painted. Rows run top to bottom; file writers reorder as their format needs.
class Image {
public:
    Image(int width, int height, Colour background);

    int width() const { return width_; }
    int height() const { return height_; }

    Colour at(int x, int y) const { return pixels_[index(x, y)]; }
    void set(int x, int y, Colour colour) { pixels_[index(x, y)] = colour; }
    // Paints colour over the pixel ("source over"), covering the given fraction of it.
    void blend(int x, int y, Colour colour, double coverage);

    Pixel8 pixel8(int x, int y) const;

private:
    std::size_t index(int x, int y) const { return static_cast<std::size_t>(y) * width_ + x; }

    int width_;
    int height_;
    std::vector<Colour> pixels_;
};

} // namespace calcora::media
