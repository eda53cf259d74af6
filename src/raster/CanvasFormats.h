#pragma once
// The canvas's choice of pixel format and writers, made once per operation.

#include "raster/Bitmap.h"
#include "raster/Canvas.h"
#include "raster/RasterSpans.h"

#include <cstddef>
#include <cstdint>

namespace raster {

// Row y of the drawing is row y - FirstRow of the bitmap.
struct TRowAccess {
    uint8_t* Base;
    std::ptrdiff_t Pitch;
    int64_t FirstRow = 0;
    uint8_t* operator[](int64_t y) const { return Base + (y - FirstRow) * Pitch; }
};

inline TRowAccess RowsOf(TBitmap& bitmap, int firstRow = 0) {
    return {bitmap.Height() > 0 ? bitmap.ScanLine(0) : nullptr, bitmap.Pitch(), firstRow};
}

struct TNoWriter {
    void Span(uint8_t*, int, int, int) const {}
    void Put(uint8_t*, int, int) const {}
};

template <class F> struct TFormatTag {};

template <class F> typename F::Pixel ConvertFor(const TBitmap& bitmap, TColour colour);
template <> inline uint32_t ConvertFor<TFormat32>(const TBitmap&, TColour colour) {
    return ToPixel32(ColourToRGB(colour));
}
template <> inline uint32_t ConvertFor<TFormat24>(const TBitmap&, TColour colour) {
    return ToPixel32(ColourToRGB(colour));
}
template <> inline uint16_t ConvertFor<TFormat555>(const TBitmap&, TColour colour) {
    return ToPixel555(ColourToRGB(colour));
}
template <> inline uint16_t ConvertFor<TFormat565>(const TBitmap&, TColour colour) {
    return ToPixel565(ColourToRGB(colour));
}
template <> inline uint8_t ConvertFor<TFormat8>(const TBitmap& bitmap, TColour colour) {
    return bitmap.NearestIndex(ColourToRGB(colour));
}

// Calls fn(TFormatTag<F>, blendable) for the bitmap's format; device bitmaps are stored like
// 32-bit ones but, like 8-bit ones, show the transparency brush as a hatch.
template <class Fn> void WithFormat(const TBitmap& bitmap, Fn&& fn) {
    switch (bitmap.PixelFormat()) {
    case TPixelFormat::pf8bit:
        fn(TFormatTag<TFormat8>{}, false);
        break;
    case TPixelFormat::pf15bit:
        fn(TFormatTag<TFormat555>{}, true);
        break;
    case TPixelFormat::pf16bit:
        fn(TFormatTag<TFormat565>{}, true);
        break;
    case TPixelFormat::pf24bit:
        fn(TFormatTag<TFormat24>{}, true);
        break;
    case TPixelFormat::pf32bit:
        fn(TFormatTag<TFormat32>{}, true);
        break;
    case TPixelFormat::pfDevice:
        fn(TFormatTag<TFormat32>{}, false);
        break;
    }
}

// The brush's writer: none for a clear brush, blend or hatch for the transparency brush.
template <class F, class Fn>
void WithBrushWriter(TBrushStyle style, bool blendable, typename F::Pixel colour, Fn&& fn) {
    switch (style) {
    case TBrushStyle::bsClear:
        fn(TNoWriter{});
        break;
    case TBrushStyle::bsSolid:
        fn(TOpaqueWriter<F>{colour});
        break;
    case TBrushStyle::bsDiagCross:
        if (blendable)
            fn(TBlendWriter<F>{colour});
        else
            fn(THatchWriter<F>{colour});
        break;
    }
}

// Outlines of filled shapes blend with a transparency brush, as on the raster surfaces.
template <class F, class Fn>
void WithOutlineWriter(TBrushStyle style, bool blendable, typename F::Pixel colour, Fn&& fn) {
    if (style == TBrushStyle::bsDiagCross && blendable)
        fn(TBlendWriter<F>{colour});
    else
        fn(TOpaqueWriter<F>{colour});
}

} // namespace raster
