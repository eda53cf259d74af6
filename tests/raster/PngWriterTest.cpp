// The PNG writer filters and compresses the rows itself; its files must be byte for byte what
// libpng writes with its defaults, whatever the rows hold.

#include "base/Error.h"
#include "base/FileIO.h"
#include "raster/Adler32.h"
#include "raster/Bitmap.h"
#include "raster/PngCodec.h"

#include <functional>
#include <gtest/gtest.h>
#include <png.h>
#include <random>
#include <vector>
#include <zlib.h>

namespace {

// libpng left to its defaults through the simplified interface, which writes the same chunks.
std::string LibpngOwnChoice(const TBitmap& picture) {
    std::vector<uint8_t> rgb;
    for (int y = 0; y < picture.Height(); ++y)
        for (const uint8_t* pixel = picture.ScanLine(y);
             pixel < picture.ScanLine(y) + 4 * picture.Width(); pixel += 4)
            rgb.insert(rgb.end(), {pixel[2], pixel[1], pixel[0]});
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = png_uint_32(picture.Width());
    image.height = png_uint_32(picture.Height());
    image.format = PNG_FORMAT_RGB;
    std::string out(rgb.size() * 2 + 1024, '\0');
    png_alloc_size_t size = out.size();
    EXPECT_TRUE(png_image_write_to_memory(&image, out.data(), &size, 0, rgb.data(), 0, nullptr));
    out.resize(size);
    return out;
}

using TPixelSource = std::function<uint8_t(int x, int y, int channel)>;

} // namespace

TEST(PngWriter, FilesEqualLibpngChoosingTheFilters) {
    std::mt19937 random(29);
    // Bytes around 0 and 128 make the filters' sums tie and wrap.
    const uint8_t levels[] = {0, 1, 2, 127, 128, 129, 254, 255};
    const TPixelSource noise = [&](int, int, int) { return uint8_t(random()); };
    const TPixelSource fewLevels = [&](int, int, int) { return levels[random() % 8]; };
    const TPixelSource sources[] = {
        noise, fewLevels, [](int, int, int channel) { return uint8_t(60 * channel + 7); },
        [](int x, int y, int channel) { return uint8_t((x * 5 + y * 3) ^ (channel * 40)); }};
    // Rows of every kind after one another, so that the chosen filter keeps changing.
    std::vector<int> rowKinds(300);
    for (int& kind : rowKinds)
        kind = int(random() % 4);
    const TPixelSource mixed = [&](int x, int y, int c) { return sources[rowKinds[y]](x, y, c); };

    struct TCase {
        int Width, Height;
        TPixelSource Source;
    };
    std::vector<TCase> cases = {{301, 300, mixed}};
    // One, two and three pixels wide or high: libpng leaves filters out of such pictures.
    for (int width : {1, 2, 3, 40})
        for (int height : {1, 2, 3, 17})
            for (const TPixelSource& source : sources)
                cases.push_back({width, height, height == 17 ? mixed : source});
    // Below 16 KByte of rows zlib's window shrinks with the picture, and so does the size the
    // header announces: one-row pictures on either side of each step.
    for (int bits = 9; bits <= 14; ++bits)
        for (int edge : {(1 << bits) - 262, 1 << bits})
            for (int rowSize = edge - 2; rowSize <= edge + 3; ++rowSize)
                if (rowSize % 3 == 1)
                    cases.push_back({rowSize / 3, 1, fewLevels});
    // Many small pictures, where close and equal sums are common.
    for (int i = 0; i < 1500; ++i)
        cases.push_back({2 + int(random() % 5), 2 + int(random() % 4), i % 2 ? fewLevels : noise});
    for (const TCase& picture : cases) {
        TBitmap bitmap(picture.Width, picture.Height);
        for (int y = 0; y < picture.Height; ++y)
            for (int i = 0; i < 4 * picture.Width; ++i)
                bitmap.ScanLine(y)[i] = picture.Source(i / 4, y, i % 4);
        EXPECT_EQ(EncodePng(bitmap), LibpngOwnChoice(bitmap))
            << picture.Width << "x" << picture.Height;
    }
    // Drawn frames: wide flat areas, edges and shading.
    for (const char* name : {"render/roof-top-group.png", "render/bricks/Window-Glass.png",
                             "exchange/print-outline.png"}) {
        TBitmap frame;
        DecodePng(ReadWholeFile(std::string(TESSARYN_TEST_DATA) + name), frame);
        EXPECT_EQ(EncodePng(frame), LibpngOwnChoice(frame)) << name;
    }
}

// libpng refuses pictures without pixels or wider or higher than a million pixels.
TEST(PngWriter, PicturesLibpngRefusesAreErrors) {
    EXPECT_THROW(EncodePng(TBitmap(0, 0)), TError);
    EXPECT_THROW(EncodePng(TBitmap(1000001, 1)), TError);
    EXPECT_THROW(EncodePng(TBitmap(1, 1000001)), TError);
    EXPECT_NO_THROW(EncodePng(TBitmap(1000000, 1)));
}

// Lengths around the sixteen-byte steps and the blocks between reductions, from any start and
// with bytes that make the sums largest.
TEST(PngWriter, ChecksumIsZlibs) {
    std::mt19937 random(7);
    std::vector<uint8_t> data(20000);
    for (uint8_t& byte : data)
        byte = random() % 3 == 0 ? 255 : uint8_t(random());
    for (size_t size : {0, 1, 15, 16, 17, 5551, 5552, 5553, 5568, 11104, 19990})
        for (size_t start : {0, 3}) {
            const uint32_t from = uint32_t(random());
            const uint32_t before = from % 65521 | (from >> 16) % 65521 << 16;
            EXPECT_EQ(Adler32(before, data.data() + start, size),
                      adler32(before, data.data() + start, uInt(size)))
                << size << " from " << start;
        }
}
