#include "cli/FrameFiles.h"

#include "base/FileIO.h"
#include "raster/Bitmap.h"
#include "raster/PngCodec.h"
#include "support/ErrorMessage.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace {
// A small picture of a pattern of its own for each shade.
const TBitmap& Filled(TBitmap& picture, uint32_t shade,
                      TPixelFormat format = TPixelFormat::pf32bit) {
    picture.SetPixelFormat(format);
    picture.SetSize(7, 5);
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x)
            picture.SetPixel(x, y, shade * 0x010203 + uint32_t(x * 0x10 + y * 0x1000));
    return picture;
}
} // namespace

TEST(FrameFiles, EveryCopyOfEveryViewIsWrittenInOrderAsThePictureEncodes) {
    TTempFolder folder;
    TBitmap first, second, second32, third;
    Filled(first, 10);
    Filled(second, 200, TPixelFormat::pf24bit);
    Filled(second32, 200);
    Filled(third, 90);
    {
        TFrameFiles files(folder.Path);
        files.Add(first, 2);
        files.Add(second, 1);
        files.Add(third, 3);
        files.Finish();
    }
    const std::string expected[] = {EncodePng(first), EncodePng(first), EncodePng(second32),
                                    EncodePng(third), EncodePng(third), EncodePng(third)};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(ReadWholeFile(folder.File("frame-0000" + std::to_string(i + 1) + ".png")),
                  expected[i])
            << i;
    EXPECT_FALSE(std::filesystem::exists(folder.File("frame-00007.png")));
}

TEST(FrameFiles, AFrameThatCannotBeWrittenFailsTheCommandWithItsName) {
    TTempFolder folder;
    const std::string missing = folder.File("gone");
    TFrameFiles files(missing);
    TBitmap picture;
    files.Add(Filled(picture, 1), 1);
    EXPECT_EQ(MessageOf([&] {
                  files.Add(Filled(picture, 2), 1);
                  files.Add(Filled(picture, 3), 1);
                  files.Finish();
              }),
              "Cannot create file \"" + missing + "/frame-00001.png\": No such file or directory");
}
