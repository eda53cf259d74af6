#include "raster/PictureFiles.h"

#include "base/Error.h"
#include "raster/Bitmap.h"
#include "raster/BmpCodec.h"
#include "raster/Canvas.h"
#include "support/ErrorMessage.h"
#include "support/Pixels.h"
#include "support/ReferenceFile.h"
#include "support/TempFolder.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>

namespace {

const std::string Data = TESSARYN_TEST_DATA;

// A picture with every channel value distinct enough to catch swapped or shifted bytes.
void Fill(TBitmap& picture) {
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x)
            picture.SetPixel(x, y, RGB(x * 40 + 3, y * 50 + 7, (x * y * 13 + 11) & 0xFF));
}

class PictureFilesTest : public ::testing::Test {
protected:
    TTempFolder folder;
    std::string File(const std::string& name) const { return folder.File(name); }
};

std::string Head(const std::string& fileName, std::size_t count) {
    std::ifstream in(fileName, std::ios::binary);
    std::string head(count, '\0');
    in.read(head.data(), std::streamsize(count));
    head.resize(std::size_t(in.gcount()));
    return head;
}

// A little-endian number of the given byte count, as bitmap headers store them.
std::string Le(uint64_t value, int bytes) {
    std::string out;
    for (int i = 0; i < bytes; ++i)
        out += char(value >> (8 * i) & 0xFF);
    return out;
}

// An 8-bit bitmap of one pixel with a 40-byte header naming the given number of colours.
std::string PaletteBitmap(uint32_t colours) {
    const uint32_t pixels = 14 + 40 + 4 * colours;
    return "BM" + Le(pixels + 4, 4) + Le(0, 4) + Le(pixels, 4) + Le(40, 4) + Le(1, 4) + Le(1, 4) +
           Le(1, 2) + Le(8, 2) + Le(0, 4) + Le(4, 4) + Le(0, 8) + Le(colours, 4) + Le(0, 4) +
           std::string(4 * colours, '\x40') + Le(0, 4);
}
} // namespace

TEST(BmpReader, OldestHeaderGivesSizeFromItsSixteenBitFields) {
    // 2 x 3 pixels, 24 bits, rows bottom up and padded to 8 bytes.
    std::string rows;
    for (int row = 0; row < 3; ++row)
        rows += Le(0x10 * (row + 1), 3) + Le(0xFF0000, 3) + Le(0, 2);
    const std::string file = "BM" + Le(26 + 24, 4) + Le(0, 4) + Le(26, 4) + Le(12, 4) + Le(2, 2) +
                             Le(3, 2) + Le(1, 2) + Le(24, 2) + rows;
    TBitmap picture;
    DecodeBmp(file, picture);
    ASSERT_EQ(picture.Width(), 2);
    ASSERT_EQ(picture.Height(), 3);
    EXPECT_EQ(picture.Pixel(0, 2), RGB(0, 0, 0x10));
    EXPECT_EQ(picture.Pixel(0, 0), RGB(0, 0, 0x30));
    EXPECT_EQ(picture.Pixel(1, 1), RGB(0xFF, 0, 0));
}

TEST(BmpReader, PaletteOfAtMost256Colours) {
    TBitmap picture;
    DecodeBmp(PaletteBitmap(256), picture);
    EXPECT_EQ(picture.Pixel(0, 0), RGB(0x40, 0x40, 0x40));
    EXPECT_EQ(MessageOf([&] { DecodeBmp(PaletteBitmap(257), picture); }),
              "damaged bitmap file: too many palette entries");
}

TEST(PictureFormat, ChosenByTheLowerCaseName) {
    EXPECT_EQ(PictureFormatFor("a/Model.JPG"), TPictureFormat::Jpeg);
    EXPECT_EQ(PictureFormatFor("view.png.bmp"), TPictureFormat::Png);
    EXPECT_EQ(PictureFormatFor("x.jpg.png"), TPictureFormat::Jpeg);
    EXPECT_EQ(PictureFormatFor("picture.gif"), TPictureFormat::Bmp);
    EXPECT_EQ(PictureFormatFor("picture"), TPictureFormat::Bmp);
}

TEST_F(PictureFilesTest, BmpAndPngRoundTripExactly) {
    TBitmap picture(7, 5);
    Fill(picture);
    for (const std::string name : {"p.bmp", "p.png", "p.gif", "P.PNG"}) {
        WritePictureFile(picture, File(name));
        TBitmap back;
        ReadPictureFile(File(name), back);
        ASSERT_EQ(back.Width(), 7) << name;
        ASSERT_EQ(back.Height(), 5) << name;
        EXPECT_EQ(back.PixelFormat(), TPixelFormat::pf32bit);
        EXPECT_EQ(DifferingPixels(back, picture), 0) << name;
    }
    EXPECT_EQ(Head(File("p.png"), 4), "\x89PNG");
    EXPECT_EQ(Head(File("p.gif"), 2), "BM");
}

TEST_F(PictureFilesTest, JpegKeepsTheColoursCloselyAndOtherFormatsAreConverted) {
    TBitmap picture(16, 16, TPixelFormat::pf16bit);
    picture.Canvas().Brush.Colour = RGB(200, 40, 90);
    picture.Canvas().FillRect({0, 0, 16, 16});
    WritePictureFile(picture, File("view.jpg"));
    EXPECT_EQ(Head(File("view.jpg"), 3), "\xFF\xD8\xFF");
    TBitmap back;
    ReadPictureFile(File("view.jpg"), back);
    ASSERT_EQ(back.Width(), 16);
    const TColour centre = back.Pixel(8, 8), expected = picture.Pixel(8, 8);
    EXPECT_NEAR(RedOf(centre), RedOf(expected), 4);
    EXPECT_NEAR(GreenOf(centre), GreenOf(expected), 4);
    EXPECT_NEAR(BlueOf(centre), BlueOf(expected), 4);
}

TEST_F(PictureFilesTest, FailedWritesKeepTheOldFile) {
    TBitmap picture(3, 3);
    WritePictureFile(picture, File("keep.bmp"));
    const std::string before = Head(File("keep.bmp"), 1000);
    TBitmap empty;
    EXPECT_THROW(WritePictureFile(empty, File("keep.bmp")), TError);
    EXPECT_EQ(Head(File("keep.bmp"), 1000), before);
    EXPECT_THROW(WritePictureFile(picture, File("missing/folder/x.png")), TError);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path), {}), 1);
}

// Files of other writers: bottom-up and top-down rows, palettes, bit fields, one bit per pixel
// and PNG with alpha, each read into the picture of its reference.
TEST(PictureReaders, ReadFilesOfOtherWriters) {
    for (const char* name :
         {"rgb24.bmp", "rgb32_topdown.bmp", "indexed8.bmp", "rgb565.bmp", "mono.bmp", "rgba.png"}) {
        TBitmap picture;
        ReadPictureFile(Data + "pictures/" + name, picture);
        EXPECT_TRUE(MatchesReferencePicture(picture, "raster/read/" + std::string(name) + ".png"));
    }
}

TEST(PictureReaders, DamagedFilesRaiseErrorsNamingTheFile) {
    for (const auto& entry : std::filesystem::directory_iterator(Data + "bad")) {
        const std::string name = entry.path().string();
        const std::string ext = entry.path().extension().string();
        if (ext != ".bmp" && ext != ".png" && ext != ".jpg")
            continue;
        TBitmap picture(2, 2);
        const std::string message = MessageOf([&] { ReadPictureFile(name, picture); });
        EXPECT_NE(message.find(name), std::string::npos) << name << ": " << message;
    }
    TBitmap picture;
    EXPECT_THROW(ReadPictureFile(Data + "bad/no such file.bmp", picture), TError);
}
