#include "raster/Bitmap.h"

#include "base/Error.h"
#include "raster/Canvas.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace {

// Larger bitmaps are refused with a message rather than failing somewhere inside allocation.
constexpr uint64_t MaxBitmapBytes = uint64_t(1) << 31;

int RowBytes(int width, TPixelFormat format) {
    return (width * BytesPerPixel(format) + 3) & ~3;
}

int Distance(TColour a, TColour b) {
    const int dr = RedOf(a) - RedOf(b), dg = GreenOf(a) - GreenOf(b), db = BlueOf(a) - BlueOf(b);
    return dr * dr + dg * dg + db * db;
}

} // namespace

int BytesPerPixel(TPixelFormat format) {
    switch (format) {
    case TPixelFormat::pf8bit:
        return 1;
    case TPixelFormat::pf15bit:
    case TPixelFormat::pf16bit:
        return 2;
    case TPixelFormat::pf24bit:
        return 3;
    case TPixelFormat::pf32bit:
    case TPixelFormat::pfDevice:
        return 4;
    }
    return 4;
}

TPalette DefaultPalette() {
    TPalette palette{};
    int i = 0;
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 6; ++g)
            for (int b = 0; b < 6; ++b)
                palette[std::size_t(i++)] = RGB(r * 51, g * 51, b * 51);
    for (int k = 0; i < 256; ++k)
        palette[std::size_t(i++)] = RGB(k * 255 / 39, k * 255 / 39, k * 255 / 39);
    return palette;
}

TBitmap::TBitmap() : Colours(DefaultPalette()), OwnCanvas(std::make_unique<TCanvas>(*this)) {}

TBitmap::TBitmap(int width, int height, TPixelFormat format) : TBitmap() {
    this->Format = format;
    SetSize(width, height);
}

TBitmap::~TBitmap() = default;

void TBitmap::Assign(const TBitmap& source) {
    if (&source == this)
        return;
    PixelWidth = source.PixelWidth;
    PixelHeight = source.PixelHeight;
    RowStride = source.RowStride;
    Format = source.Format;
    Pixels = source.Pixels;
    Colours = source.Colours;
}

void TBitmap::SetSize(int newWidth, int newHeight) {
    if (newWidth < 0 || newHeight < 0 || newWidth > (1 << 28) || newHeight > (1 << 28) ||
        (uint64_t(newWidth) * uint64_t(BytesPerPixel(Format)) + 3) * uint64_t(newHeight) >
            MaxBitmapBytes)
        throw TError("Invalid picture size " + std::to_string(newWidth) + " x " +
                     std::to_string(newHeight));
    if (newWidth == PixelWidth && newHeight == PixelHeight)
        return;
    const int newPitch = RowBytes(newWidth, Format);
    TPixelMemory newBits(std::size_t(newPitch) * std::size_t(newHeight));
    const int keepRows = std::min(PixelHeight, newHeight);
    const std::size_t keepBytes =
        std::size_t(std::min(PixelWidth, newWidth) * BytesPerPixel(Format));
    for (int y = 0; y < keepRows; ++y)
        std::memcpy(newBits.data() + std::size_t(y) * std::size_t(newPitch), ScanLine(y),
                    keepBytes);
    Pixels.swap(newBits);
    PixelWidth = newWidth;
    PixelHeight = newHeight;
    RowStride = newPitch;
}

uint8_t TBitmap::NearestIndex(TColour rgb) const {
    int best = 0;
    int bestDistance = Distance(rgb, Colours[0]);
    for (int i = 1; i < 256 && bestDistance > 0; ++i) {
        const int d = Distance(rgb, Colours[std::size_t(i)]);
        if (d < bestDistance) {
            best = i;
            bestDistance = d;
        }
    }
    return uint8_t(best);
}
