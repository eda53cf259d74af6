#include "raster/PngCodec.h"

#include "base/Error.h"
#include "raster/Bitmap.h"
#include "raster/PngRowFilter.h"

#include <csetjmp>
#include <cstdint>
#include <cstdio>
#include <new>
#include <png.h>

namespace {

constexpr uint64_t MaxPixels = uint64_t(1) << 28;

int FilterMask(TPngFilter filter) {
    static constexpr int Masks[] = {PNG_FILTER_NONE, PNG_FILTER_SUB, PNG_FILTER_UP, PNG_FILTER_AVG,
                                    PNG_FILTER_PAETH};
    return Masks[int(filter)];
}

// libpng's simplified interface reports failures in the image record instead of jumping.
struct TPngImage {
    png_image Image{};
    TPngImage() { Image.version = PNG_IMAGE_VERSION; }
    ~TPngImage() { png_image_free(&Image); }
    std::string Message() const { return Image.message; }
};

// The full interface, set up as the simplified one writes 8-bit RGB (the same chunks and
// compression, so the same bytes). Trying all five filters on every row is most of libpng's
// time, so each row comes packed as RGB with the filter libpng's own choice would take.
struct TPngWriter {
    png_structp Png = nullptr;
    png_infop Info = nullptr;
    char Message[200] = "";

    ~TPngWriter() { png_destroy_write_struct(&Png, &Info); }

    static void Fail(png_structp png, png_const_charp message) {
        char* text = static_cast<TPngWriter*>(png_get_error_ptr(png))->Message;
        std::snprintf(text, sizeof Message, "%s", message);
        png_longjmp(png, 1);
    }
    static void Quiet(png_structp, png_const_charp) {}
    // No exception may cross libpng; running out of memory becomes its error.
    static void Append(png_structp png, png_bytep data, size_t size) {
        bool stored = true;
        try {
            static_cast<std::string*>(png_get_io_ptr(png))
                ->append(reinterpret_cast<char*>(data), size);
        } catch (const std::bad_alloc&) {
            stored = false;
        }
        if (!stored)
            png_error(png, "out of memory");
    }
    static void Flush(png_structp) {}

    // Keeps no C++ objects of its own that a jump out of libpng would skip.
    bool Write(const TBitmap& picture, TPngRowFilter& rows, std::string& out) {
        Png = png_create_write_struct(PNG_LIBPNG_VER_STRING, this, Fail, Quiet);
        if (!Png || !(Info = png_create_info_struct(Png))) {
            std::snprintf(Message, sizeof Message, "out of memory");
            return false;
        }
        if (setjmp(png_jmpbuf(Png)))
            return false;
        png_set_write_fn(Png, &out, Append, Flush);
        png_set_IHDR(Png, Info, png_uint_32(picture.Width()), png_uint_32(picture.Height()), 8,
                     PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_BASE,
                     PNG_FILTER_TYPE_BASE);
        png_set_sRGB(Png, Info, PNG_sRGB_INTENT_PERCEPTUAL);
        png_write_info(Png, Info);
        for (int y = 0; y < picture.Height(); ++y) {
            rows.PackRow(picture.ScanLine(y));
            const png_byte* row = rows.NextRow();
            const TPngFilter filter = rows.Choose();
            // libpng keeps the row above only when it starts with every filter allowed (it
            // also picks the compression strategy then), so the first row is its own choice.
            if (y > 0)
                png_set_filter(Png, PNG_FILTER_TYPE_BASE, FilterMask(filter));
            png_write_row(Png, row);
        }
        png_write_end(Png, Info);
        return true;
    }
};

} // namespace

std::string EncodePng(const TBitmap& picture) {
    std::string encoded;
    TPngRowFilter rows(picture.Width());
    TPngWriter writer;
    if (!writer.Write(picture, rows, encoded))
        throw TError(std::string("Cannot write PNG picture: ") + writer.Message);
    return encoded;
}

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
