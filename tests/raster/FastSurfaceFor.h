#pragma once
// The raster surface of a 15, 16, 24 or 32-bit bitmap, for tests that drive surfaces directly.

#include "raster/Bitmap.h"
#include "raster/FastDraw.h"

#include <memory>

inline std::unique_ptr<TFastDraw> SurfaceFor(TBitmap& bitmap) {
    switch (bitmap.PixelFormat()) {
    case TPixelFormat::pf15bit:
        return std::make_unique<TFastDraw15>(bitmap, false);
    case TPixelFormat::pf16bit:
        return std::make_unique<TFastDraw15>(bitmap, true);
    case TPixelFormat::pf24bit:
        return std::make_unique<TFastDraw24>(bitmap);
    default:
        return std::make_unique<TFastDraw32>(bitmap);
    }
}
