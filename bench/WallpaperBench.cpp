// One paint of the wallpaper over the main window's whole area: the tiles composed off screen,
// then the composition drawn in one piece, as the control does on every paint.

#include "OvoWallPaperBMP.h"

#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

constexpr QSize kMainWindowArea(360, 165);

void BM_PaintWallpaper(benchmark::State& state)
{
    // The shipped background's size and the format a 24-bit BMP loads in.
    QImage tile(64, 64, QImage::Format_RGB32);
    tile.fill(qRgb(90, 140, 200));
    QImage window(kMainWindowArea, QImage::Format_RGB32);
    for (auto _ : state) {
        const QImage tiles = composeTiles(tile, kMainWindowArea);
        QPainter painter(&window);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(0, 0, tiles);
        painter.end();
        benchmark::DoNotOptimize(window.constBits());
    }
    state.SetItemsProcessed(state.iterations());
}

BENCHMARK(BM_PaintWallpaper);

} // namespace

BENCHMARK_MAIN();
