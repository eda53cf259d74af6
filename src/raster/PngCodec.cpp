#include "raster/PngCodec.h"

#include "base/Error.h"
#include "raster/Bitmap.h"

#include <cstdint>
#include <png.h>

namespace {

constexpr uint64_t MaxPixels = uint64_t(1) << 28;

// libpng's simplified interface reports failures in the image record instead of jumping.
struct TPngImage {
    png_image Image{};
    TPngImage() { Image.version = PNG_IMAGE_VERSION; }
    ~TPngImage() { png_image_free(&Image); }
    std::string Message() const { return Image.message; }
};

} // namespace

void DecodePng(std::string_view data, TBitmap& picture) {
    TPngImage png;
    if (!png_image_begin_read_from_memory(&png.Image, data.data(), data.size()))
        throw TError("damaged PNG file: " + png.Message());
    if (png.Image.width == 0 || png.Image.height == 0 ||
        uint64_t(png.Image.width) * png.Image.height > MaxPixels)
        throw TError("damaged PNG file: invalid picture size");
    png.Image.format = PNG_FORMAT_BGRA;
    TBitmap decoded(int(png.Image.width), int(png.Image.height), TPixelFormat::pf32bit);
    // Our rows are exactly four bytes per pixel, so libpng can write straight into them.
    if (!png_image_finish_read(&png.Image, nullptr, decoded.ScanLine(0), decoded.Pitch(), nullptr))
        throw TError("damaged PNG file: " + png.Message());
    for (int y = 0; y < decoded.Height(); ++y) {
        uint8_t* row = decoded.ScanLine(y);
        for (int x = 0; x < decoded.Width(); ++x)
            row[4 * x + 3] = 0;
    }
    picture.Assign(decoded);
}
