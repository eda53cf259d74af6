#include "raster/PngCodec.h"

#include "base/Error.h"
#include "raster/Bitmap.h"

#include <cstdint>
#include <png.h>
#include <vector>

namespace {

constexpr uint64_t MaxPixels = uint64_t(1) << 28;

// libpng's simplified interface reports failures in the image record instead of jumping.
struct TPngImage {
    png_image image{};
    TPngImage() { image.version = PNG_IMAGE_VERSION; }
    ~TPngImage() { png_image_free(&image); }
    std::string Message() const { return image.message; }
};

} // namespace

std::string EncodePng(const TBitmap& picture) {
    const int width = picture.Width(), height = picture.Height();
    std::vector<uint8_t> rgb(std::size_t(width) * std::size_t(height) * 3);
    uint8_t* out = rgb.data();
    for (int y = 0; y < height; ++y) {
        const uint8_t* row = picture.ScanLine(y);
        for (int x = 0; x < width; ++x, out += 3) {
            out[0] = row[4 * x + 2];
            out[1] = row[4 * x + 1];
            out[2] = row[4 * x];
        }
    }
    TPngImage png;
    png.image.width = png_uint_32(width);
    png.image.height = png_uint_32(height);
    png.image.format = PNG_FORMAT_RGB;
    png_alloc_size_t size = 0;
    if (!png_image_write_to_memory(&png.image, nullptr, &size, 0, rgb.data(), 0, nullptr))
        throw TError("Cannot write PNG picture: " + png.Message());
    std::string encoded(size, '\0');
    if (!png_image_write_to_memory(&png.image, encoded.data(), &size, 0, rgb.data(), 0, nullptr))
        throw TError("Cannot write PNG picture: " + png.Message());
    encoded.resize(size);
    return encoded;
}

void DecodePng(std::string_view data, TBitmap& picture) {
    TPngImage png;
    if (!png_image_begin_read_from_memory(&png.image, data.data(), data.size()))
        throw TError("damaged PNG file: " + png.Message());
    if (png.image.width == 0 || png.image.height == 0 ||
        uint64_t(png.image.width) * png.image.height > MaxPixels)
        throw TError("damaged PNG file: invalid picture size");
    png.image.format = PNG_FORMAT_BGRA;
    TBitmap decoded(int(png.image.width), int(png.image.height), TPixelFormat::pf32bit);
    // Our rows are exactly four bytes per pixel, so libpng can write straight into them.
    if (!png_image_finish_read(&png.image, nullptr, decoded.ScanLine(0), decoded.Pitch(), nullptr))
        throw TError("damaged PNG file: " + png.Message());
    for (int y = 0; y < decoded.Height(); ++y) {
        uint8_t* row = decoded.ScanLine(y);
        for (int x = 0; x < decoded.Width(); ++x)
            row[4 * x + 3] = 0;
    }
    picture.Assign(decoded);
}
