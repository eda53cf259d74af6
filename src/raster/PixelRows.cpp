#include "raster/PixelRows.h"

#include "raster/Bitmap.h"
#include "raster/RasterSpans.h"

namespace {

template <class F, class ToRGB>
void Gather(const uint8_t* row, const int* xs, int count, TColour* out, ToRGB toRgb) {
    for (int i = 0; i < count; ++i)
        out[i] = toRgb(F::Get(row, xs[i]));
}

template <class F, class FromRGB>
void Scatter(uint8_t* row, int x0, int count, const TColour* in, FromRGB fromRgb) {
    for (int i = 0; i < count; ++i)
        F::Put(row, x0 + i, fromRgb(in[i]));
}

} // namespace

void ReadPixels(const TBitmap& bitmap, int y, const int* xs, int count, TColour* out) {
    const uint8_t* row = bitmap.ScanLine(y);
    switch (bitmap.PixelFormat()) {
    case TPixelFormat::pf8bit: {
        const TPalette& palette = bitmap.Palette();
        Gather<TFormat8>(row, xs, count, out, [&](uint8_t p) { return palette[p]; });
        break;
    }
    case TPixelFormat::pf15bit:
        Gather<TFormat555>(row, xs, count, out, FromPixel555);
        break;
    case TPixelFormat::pf16bit:
        Gather<TFormat565>(row, xs, count, out, FromPixel565);
        break;
    case TPixelFormat::pf24bit:
        Gather<TFormat24>(row, xs, count, out, FromPixel32);
        break;
    case TPixelFormat::pf32bit:
    case TPixelFormat::pfDevice:
        Gather<TFormat32>(row, xs, count, out, FromPixel32);
        break;
    }
}

void ReadRow(const TBitmap& bitmap, int y, int x0, int count, TColour* out) {
    constexpr int chunk = 256;
    int xs[chunk];
    for (int done = 0; done < count; done += chunk) {
        const int n = count - done < chunk ? count - done : chunk;
        for (int i = 0; i < n; ++i)
            xs[i] = x0 + done + i;
        ReadPixels(bitmap, y, xs, n, out + done);
    }
}

void WriteRow(TBitmap& bitmap, int y, int x0, int count, const TColour* in) {
    uint8_t* row = bitmap.ScanLine(y);
    switch (bitmap.PixelFormat()) {
    case TPixelFormat::pf8bit: {
        // Neighbouring pixels often share a colour; the nearest search is slow.
        TColour last = in[0] ^ 1;
        uint8_t index = 0;
        Scatter<TFormat8>(row, x0, count, in, [&](TColour c) {
            if (c != last) {
                last = c;
                index = bitmap.NearestIndex(c);
            }
            return index;
        });
        break;
    }
    case TPixelFormat::pf15bit:
        Scatter<TFormat555>(row, x0, count, in, ToPixel555);
        break;
    case TPixelFormat::pf16bit:
        Scatter<TFormat565>(row, x0, count, in, ToPixel565);
        break;
    case TPixelFormat::pf24bit:
        Scatter<TFormat24>(row, x0, count, in, ToPixel32);
        break;
    case TPixelFormat::pf32bit:
    case TPixelFormat::pfDevice:
        Scatter<TFormat32>(row, x0, count, in, ToPixel32);
        break;
    }
}
