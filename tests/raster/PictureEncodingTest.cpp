// The encoders read the bitmap's own rows; their files must stay byte for byte those of the
// plain way, which repacks the picture into RGB rows first.

#include "base/FileIO.h"
#include "raster/Bitmap.h"
#include "raster/BmpCodec.h"
#include "raster/JpegCodec.h"
#include "raster/PictureFiles.h"
#include "raster/PixelRows.h"
#include "raster/PngCodec.h"
#include "support/TempFolder.h"

#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <jpeglib.h>
#include <png.h>
#include <vector>

namespace {

// Gradients, noise and flat areas, so every filter and block kind gets used.
void Paint(TBitmap& picture) {
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x) {
            TColour colour =
                (x / 40 + y / 30) % 3 == 0
                    ? RGB(200, 40, 90)
                    : RGB((x * 7 + y * 3) & 255, (x * x + y) & 255, ((x ^ y) * 5) & 255);
            picture.SetPixel(x, y, colour);
        }
}

std::vector<uint8_t> RgbRows(const TBitmap& picture) {
    std::vector<uint8_t> rgb;
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x) {
            TColour c = picture.Pixel(x, y);
            rgb.insert(rgb.end(), {uint8_t(RedOf(c)), uint8_t(GreenOf(c)), uint8_t(BlueOf(c))});
        }
    return rgb;
}

std::string ReferencePng(const TBitmap& picture) {
    std::vector<uint8_t> rgb = RgbRows(picture);
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = png_uint_32(picture.Width());
    image.height = png_uint_32(picture.Height());
    image.format = PNG_FORMAT_RGB;
    png_alloc_size_t size = 0;
    png_image_write_to_memory(&image, nullptr, &size, 0, rgb.data(), 0, nullptr);
    std::string encoded(size, '\0');
    png_image_write_to_memory(&image, encoded.data(), &size, 0, rgb.data(), 0, nullptr);
    png_image_free(&image);
    encoded.resize(size);
    return encoded;
}

std::string ReferenceJpeg(const TBitmap& picture) {
    std::vector<uint8_t> rgb = RgbRows(picture);
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = JDIMENSION(picture.Width());
    info.image_height = JDIMENSION(picture.Height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 90, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = rgb.data() + size_t(info.next_scanline) * 3 * size_t(picture.Width());
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::string encoded(reinterpret_cast<char*>(buffer), size);
    std::free(buffer);
    return encoded;
}

struct TSize {
    int Width, Height;
};
// From one pixel to a picture whose memory is mapped in huge pages; odd widths included.
const TSize Sizes[] = {{1, 1}, {3, 2}, {17, 5}, {31, 33}, {640, 480}, {1000, 700}};

} // namespace

TEST(PictureEncoding, PngAndJpegBytesEqualThoseOfRepackedRgbRows) {
    for (TSize size : Sizes) {
        TBitmap picture(size.Width, size.Height);
        Paint(picture);
        EXPECT_EQ(EncodePng(picture), ReferencePng(picture)) << size.Width << "x" << size.Height;
        EXPECT_EQ(EncodeJpeg(picture), ReferenceJpeg(picture)) << size.Width << "x" << size.Height;
    }
}

TEST(PictureEncoding, WrittenFilesEqualTheEncodedPictureAtEveryBitDepth) {
    TTempFolder folder;
    const TPixelFormat formats[] = {TPixelFormat::pf8bit,  TPixelFormat::pf15bit,
                                    TPixelFormat::pf16bit, TPixelFormat::pf24bit,
                                    TPixelFormat::pf32bit, TPixelFormat::pfDevice};
    for (TSize size : {TSize{31, 33}, TSize{1000, 700}})
        for (TPixelFormat format : formats) {
            TBitmap picture(size.Width, size.Height, format);
            Paint(picture);
            // What the picture is as 32 bits, converted the long way.
            TBitmap wide;
            wide.Assign(picture);
            wide.SetPixelFormat(TPixelFormat::pf32bit);
            std::string name = folder.File("picture");
            WritePictureFile(picture, name + ".bmp");
            WritePictureFile(picture, name + ".png");
            WritePictureFile(picture, name + ".jpg");
            std::string label = std::to_string(int(format)) + " " + std::to_string(size.Width);
            EXPECT_EQ(ReadWholeFile(name + ".bmp"), EncodeBmp(wide)) << label;
            EXPECT_EQ(ReadWholeFile(name + ".png"), EncodePng(wide)) << label;
            EXPECT_EQ(ReadWholeFile(name + ".jpg"), EncodeJpeg(wide)) << label;
        }
}
