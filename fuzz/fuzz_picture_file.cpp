// Picture readers: any bytes, read as a bitmap, PNG and JPEG file, must either raise TError or
// give a sound 32-bit picture, and a picture read must survive our own bitmap writer unchanged.

#include "base/Error.h"
#include "raster/Bitmap.h"
#include "raster/BmpCodec.h"
#include "raster/JpegCodec.h"
#include "raster/PngCodec.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {
using TDecoder = void (*)(std::string_view, TBitmap&);
constexpr int64_t MaxRoundTripPixels = 1 << 16;

bool SamePixels(const TBitmap& a, const TBitmap& b) {
    if (a.Width() != b.Width() || a.Height() != b.Height())
        return false;
    // Bitmap files keep no alpha, so only the colour bytes count.
    for (int y = 0; y < a.Height(); ++y) {
        const auto* rowA = reinterpret_cast<const uint32_t*>(a.ScanLine(y));
        const auto* rowB = reinterpret_cast<const uint32_t*>(b.ScanLine(y));
        for (int x = 0; x < a.Width(); ++x)
            if ((rowA[x] ^ rowB[x]) & 0xFFFFFF)
                return false;
    }
    return true;
}

void Check(TDecoder decode, std::string_view data) {
    TBitmap picture;
    try {
        decode(data, picture);
    } catch (const TError&) {
        return;
    }
    if (picture.Empty() || picture.PixelFormat() != TPixelFormat::pf32bit)
        std::abort();
    // A few bytes of PNG or JPEG may stand for millions of pixels; the round trip through the
    // bitmap writer is checked on the small ones, so the fuzzer stays fast.
    if (int64_t(picture.Width()) * picture.Height() > MaxRoundTripPixels)
        return;
    TBitmap again;
    DecodeBmp(EncodeBmp(picture), again);
    if (!SamePixels(picture, again))
        std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    Check(DecodeBmp, bytes);
    Check(DecodePng, bytes);
    Check(DecodeJpeg, bytes);
    return 0;
}
