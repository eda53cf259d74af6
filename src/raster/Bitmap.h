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

    int Width() const { return PixelWidth; }
    int Height() const { return PixelHeight; }
    TPixelFormat PixelFormat() const { return Format; }
    int Pitch() const { return RowStride; }
    bool Empty() const { return PixelWidth == 0 || PixelHeight == 0; }

    // New pixels are black; the top-left part of the old picture that still fits is kept.
    // A negative or unreasonably large size raises TError.
    void SetSize(int newWidth, int newHeight);
    // Converts the existing pixels to the new format.
    void SetPixelFormat(TPixelFormat newFormat);

    // Callers must keep 0 <= y < Height().
    uint8_t* ScanLine(int y) { return Pixels.data() + std::size_t(y) * std::size_t(RowStride); }
    const uint8_t* ScanLine(int y) const {
        return Pixels.data() + std::size_t(y) * std::size_t(RowStride);
    }

    // Slow per-pixel access for odd jobs and tests; outside the bitmap reads give 0 and writes
    // do nothing.
    TColour Pixel(int x, int y) const;
    void SetPixel(int x, int y, TColour colour);

    // The colour table of 8-bit bitmaps: a 6x6x6 colour cube followed by 40 greys.
    const TPalette& Palette() const { return Colours; }
    void SetPalette(const TPalette& newPalette) { Colours = newPalette; }
    // The palette entry nearest to a plain RGB colour.
    uint8_t NearestIndex(TColour rgb) const;

    TCanvas& Canvas() { return *OwnCanvas; }

private:
    int PixelWidth = 0;
    int PixelHeight = 0;
    int RowStride = 0;
    TPixelFormat Format = TPixelFormat::pf32bit;
    TPixelMemory Pixels;
    TPalette Colours;
    std::unique_ptr<TCanvas> OwnCanvas;
};

TPalette DefaultPalette();
