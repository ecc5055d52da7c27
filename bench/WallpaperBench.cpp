// One paint of the wallpaper over the main window's whole area: the tiles composed off screen,
// then the composition drawn in one piece, as the control does on every paint.

#include "OvoWallPaperBMP.h"

#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

constexpr QSize kMainWindowArea(360, 165);

// The picture's side as the argument: the shipped 64 x 64 tile, and a photo-sized 5700 x 5700
// picture, which must cost no more per paint.
void BM_PaintWallpaper(benchmark::State& state)
{
    const int side = static_cast<int>(state.range(0));
    // The format a 24-bit BMP loads in, as the control keeps it.
    QImage tile(side, side, QImage::Format_RGB32);
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

BENCHMARK(BM_PaintWallpaper)->Arg(64)->Arg(5700);

} // namespace

BENCHMARK_MAIN();
