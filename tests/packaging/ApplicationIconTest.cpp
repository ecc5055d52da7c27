// The application's icon: the window takes every size the program folder holds, and each
// size is a picture drawn for that size whose signs stay visible and, where small, crisp.

#include "PictureRecipes.h"
#include "Startup.h"

#include <QApplication>
#include <QIcon>
#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

namespace media = calcora::media;

namespace {

QImage asQImage(const media::Image& image)
{
    QImage out(image.width(), image.height(), QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const media::Pixel8 p = image.pixel8(x, y);
            out.setPixel(x, y, qRgba(p.red, p.green, p.blue, p.alpha));
        }
    }
    return out;
}

TEST(ApplicationIcon, TheWindowGetsEverySizeEachDrawnForItsSize)
{
    installApplicationIcon();
    const QIcon icon = QApplication::windowIcon();
    QApplication::setWindowIcon(QIcon());

    QList<QSize> offered = icon.availableSizes();
    std::sort(offered.begin(), offered.end(), [](QSize a, QSize b) { return a.width() < b.width(); });
    QList<QSize> drawn;
    for (int size : media::applicationIconSizes)
        drawn.append(QSize(size, size));
    EXPECT_EQ(offered, drawn);

    for (int size : media::applicationIconSizes) {
        SCOPED_TRACE(size);
        const QImage shown = icon.pixmap(QSize(size, size), 1.0).toImage();
        const auto format = QImage::Format_ARGB32_Premultiplied;
        EXPECT_EQ(shown.convertToFormat(format), asQImage(media::applicationIcon(size)).convertToFormat(format))
            << "not the picture drawn for this size";
    }
}

struct Sign {
    const char* name;
    media::Pixel8 colour;
    int quadrantX, quadrantY; // 0 or 1: left or right, top or bottom
};

constexpr std::array<Sign, 4> kSigns{{
    {"plus", {230, 70, 80, 255}, 0, 0},
    {"minus", {40, 165, 90, 255}, 1, 0},
    {"times", {245, 145, 30, 255}, 0, 1},
    {"divide", {140, 80, 200, 255}, 1, 1},
}};

bool same(media::Pixel8 a, media::Pixel8 b)
{
    return a.red == b.red && a.green == b.green && a.blue == b.blue && a.alpha == b.alpha;
}

// A pixel part way between the tile's white and the sign's colour: the soft edge of a line
// that does not lie on whole pixels.
bool halfTone(media::Pixel8 pixel, media::Pixel8 sign)
{
    if (pixel.alpha != 255)
        return false;
    const std::pair<int, int> channels[] = {{pixel.red, sign.red}, {pixel.green, sign.green}, {pixel.blue, sign.blue}};
    std::vector<double> amounts;
    for (const auto& [channel, full] : channels) {
        // Channels where the sign is nearly as bright as white say nothing.
        if (255 - full >= 40)
            amounts.push_back((255.0 - channel) / (255.0 - full));
    }
    const auto [least, most] = std::minmax_element(amounts.begin(), amounts.end());
    return *most - *least < 0.06 && *least > 0.1 && *most < 0.9;
}

TEST(ApplicationIcon, EverySignShowsInItsColourAndSmallSizesHaveNoBlurredEdges)
{
    struct Case {
        int size;
        std::vector<std::string> crisp; // signs drawn on whole pixels only
    };
    const Case cases[] = {
        {16, {"plus", "minus", "times", "divide"}},
        {22, {"plus", "minus", "times", "divide"}},
        {24, {"plus", "minus", "times", "divide"}},
        {32, {"plus", "minus", "divide"}}, // the times sign's diagonals are smoothed from here on
        {48, {}}, // round line ends from here on
        {64, {}},
        {128, {}},
        {256, {}},
    };
    ASSERT_EQ(std::size(cases), std::size(media::applicationIconSizes));
    for (const Case& test : cases) {
        const media::Image icon = media::applicationIcon(test.size);
        const int half = test.size / 2;
        for (const Sign& sign : kSigns) {
            SCOPED_TRACE(std::to_string(test.size) + " px, " + sign.name);
            int full = 0;
            int soft = 0;
            for (int y = sign.quadrantY * half; y < (sign.quadrantY + 1) * half; ++y) {
                for (int x = sign.quadrantX * half; x < (sign.quadrantX + 1) * half; ++x) {
                    full += same(icon.pixel8(x, y), sign.colour);
                    soft += halfTone(icon.pixel8(x, y), sign.colour);
                }
            }
            EXPECT_GE(full, std::max(3, test.size * test.size / 200)) << "the sign has faded";
            if (std::find(test.crisp.begin(), test.crisp.end(), sign.name) != test.crisp.end()) {
                EXPECT_EQ(soft, 0) << "the sign's edges are blurred";
            }
        }
    }
}

} // namespace
