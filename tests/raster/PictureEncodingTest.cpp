// The encoders read the bitmap's own rows; their files must stay byte for byte the reference
// files, and the same whatever the bitmap's pixel format.

#include "base/FileIO.h"
#include "raster/Bitmap.h"
#include "raster/BmpCodec.h"
#include "raster/JpegCodec.h"
#include "raster/PictureFiles.h"
#include "raster/PngCodec.h"
#include "support/ReferenceFile.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

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

struct TSize {
    int Width, Height;
};
} // namespace

TEST(PictureEncoding, FilesEqualTheReferences) {
    // From one pixel up; odd widths included.
    for (TSize size : {TSize{1, 1}, TSize{3, 2}, TSize{17, 5}, TSize{31, 33}, TSize{80, 64}}) {
        TBitmap picture(size.Width, size.Height);
        Paint(picture);
        const std::string name = "raster/encoding/paint-" + std::to_string(size.Width) + "x" +
                                 std::to_string(size.Height);
        EXPECT_TRUE(MatchesReferenceText(EncodeBmp(picture), name + ".bmp"));
        EXPECT_TRUE(MatchesReferenceText(EncodePng(picture), name + ".png"));
        EXPECT_TRUE(MatchesReferenceText(EncodeJpeg(picture), name + ".jpg"));
    }
}

// The JPEG encoder hands its output on in blocks of 64 KByte: a file of several blocks must be
// the reference, written or in memory.
TEST(PictureEncoding, JpegOfSeveralOutputBlocksEqualsTheReference) {
    TTempFolder folder;
    TBitmap picture(640, 480);
    Paint(picture);
    const std::string encoded = EncodeJpeg(picture);
    EXPECT_GT(encoded.size(), 2u * 65536);
    EXPECT_TRUE(MatchesReferenceText(encoded, "raster/encoding/paint-640x480.jpg"));
    WritePictureFile(picture, folder.File("paint.jpg"));
    EXPECT_EQ(ReadWholeFile(folder.File("paint.jpg")), encoded);
}
