#pragma once
// An off-screen bitmap in one of our pixel formats, with direct row access and its own canvas.

#include "raster/Colour.h"
#include "raster/PixelFormat.h"
#include "raster/PixelMemory.h"

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

class TCanvas;

using TPalette = std::array<TColour, 256>;

// Rows are stored top-down, each padded to a multiple of four bytes.
class TBitmap {
public:
    TBitmap();
    TBitmap(int width, int height, TPixelFormat format = TPixelFormat::pf32bit);
    ~TBitmap();
    TBitmap(const TBitmap&) = delete;
    TBitmap& operator=(const TBitmap&) = delete;

    // Copies size, format, palette and pixels; the canvas state stays this bitmap's own.
    void Assign(const TBitmap& source);

    int Width() const { return width; }
    int Height() const { return height; }
    TPixelFormat PixelFormat() const { return format; }
    int Pitch() const { return pitch; }
    bool Empty() const { return width == 0 || height == 0; }

    // New pixels are black; the top-left part of the old picture that still fits is kept.
    // A negative or unreasonably large size raises TError.
    void SetSize(int newWidth, int newHeight);
    // Converts the existing pixels to the new format.
    void SetPixelFormat(TPixelFormat newFormat);

    // Callers must keep 0 <= y < Height().
    uint8_t* ScanLine(int y) { return bits.data() + std::size_t(y) * std::size_t(pitch); }
    const uint8_t* ScanLine(int y) const {
        return bits.data() + std::size_t(y) * std::size_t(pitch);
    }

    // Slow per-pixel access for odd jobs and tests; outside the bitmap reads give 0 and writes
    // do nothing.
    TColour Pixel(int x, int y) const;
    void SetPixel(int x, int y, TColour colour);

    // The colour table of 8-bit bitmaps: a 6x6x6 colour cube followed by 40 greys.
    const TPalette& Palette() const { return palette; }
    void SetPalette(const TPalette& newPalette) { palette = newPalette; }
    // The palette entry nearest to a plain RGB colour.
    uint8_t NearestIndex(TColour rgb) const;

    TCanvas& Canvas() { return *canvas; }

private:
    int width = 0;
    int height = 0;
    int pitch = 0;
    TPixelFormat format = TPixelFormat::pf32bit;
    TPixelMemory bits;
    TPalette palette;
    std::unique_ptr<TCanvas> canvas;
};

TPalette DefaultPalette();
