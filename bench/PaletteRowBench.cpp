// Drawing palette rows: a page of fifty rows should take a few milliseconds.

#include "raster/Bitmap.h"
#include "render/DrawContext.h"
#include "render/PaletteRow.h"

#include <benchmark/benchmark.h>

namespace {
void BM_FiftyPaletteRows(benchmark::State& state) {
    TDrawContext context;
    context.Shading = false;
    TPaletteRowStyle style;
    style.Width = 200;
    style.RowHeight = 50;
    style.Face = RGB(240, 240, 240);
    style.Shadow = RGB(160, 160, 160);
    style.Colour = RGB(200, 0, 0);
    const char* keys[] = {"B4x2x3|3001", "B2x2x1|3022", "T3x2x3|3038", "R2x2x3|3941",
                          "W4x1x9|60594"};
    TBitmap bitmap;
    for (auto _ : state)
        for (int row = 0; row < 50; ++row)
            DrawPaletteRow(bitmap, context, keys[row % 5], style);
}
} // namespace

BENCHMARK(BM_FiftyPaletteRows)->Unit(benchmark::kMillisecond);
