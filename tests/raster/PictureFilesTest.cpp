#include "raster/PictureFiles.h"

#include "base/Error.h"
#include "raster/Bitmap.h"
#include "raster/Canvas.h"
#include "support/ErrorMessage.h"
#include "support/ReferenceFile.h"
#include "support/TempFolder.h"

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <sys/resource.h>
#include <vector>

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
    TTempFolder Folder;
    std::string File(const std::string& name) const { return Folder.File(name); }
};

std::string Head(const std::string& fileName, std::size_t count) {
    return TTempFolder::Read(fileName).substr(0, count);
}
} // namespace

TEST_F(PictureFilesTest, BmpAndPngRoundTripExactly) {
    TBitmap picture(7, 5);
    Fill(picture);
    for (const std::string name : {"p.bmp", "p.png", "p.gif", "P.PNG"}) {
        WritePictureFile(picture, File(name));
        TBitmap back;
        ReadPictureFile(File(name), back);
        ASSERT_EQ(std::tuple(back.Width(), back.Height(), back.PixelFormat()),
                  std::tuple(7, 5, TPixelFormat::pf32bit))
            << name;
        // Byte for byte: the fourth byte of a pixel, which no colour uses, stays zero in every
        // column, as frames compared or copied whole rows at a time expect.
        for (int y = 0; y < 5; ++y)
            EXPECT_EQ(std::string(reinterpret_cast<const char*>(back.ScanLine(y)), 7 * 4),
                      std::string(reinterpret_cast<const char*>(picture.ScanLine(y)), 7 * 4))
                << name << " row " << y;
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
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(Folder.Path), {}), 1);
}

// JPEG files are written as they are encoded: a failure on the way, in libjpeg or in the file,
// still leaves the old file alone and no temporary file behind.
TEST_F(PictureFilesTest, FailedJpegWritesKeepTheOldFile) {
    TBitmap small(3, 3);
    WritePictureFile(small, File("keep.jpg"));
    const std::string before = Head(File("keep.jpg"), 1000);

    TBitmap tooWide(65501, 1);
    EXPECT_EQ(MessageOf([&] { WritePictureFile(tooWide, File("keep.jpg")); }),
              "Cannot write JPEG picture: Maximum supported image dimension is 65500 pixels");

    // Larger than the file size limit below, and than one block of output.
    TBitmap noisy(600, 400);
    for (int y = 0; y < noisy.Height(); ++y)
        for (int x = 0; x < noisy.Width(); ++x)
            noisy.SetPixel(x, y,
                           RGB((x * 37 + y * 11) & 255, (x * x + y * 7) & 255, (x ^ y) & 255));
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit limit = old;
    limit.rlim_cur = 70000;
    void (*oldHandler)(int) = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0);
    const std::string message = MessageOf([&] { WritePictureFile(noisy, File("keep.jpg")); });
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_EQ(message, "Cannot write file \"" + File("keep.jpg") + "\": File too large");

    EXPECT_EQ(Head(File("keep.jpg"), 1000), before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(Folder.Path), {}), 1);
    EXPECT_EQ(MessageOf([&] { WritePictureFile(small, File("missing/x.jpg")); }),
              "Cannot create file \"" + File("missing/x.jpg") + "\": No such file or directory");
}

// Files of other writers: bottom-up and top-down rows, the oldest header, palettes up to the
// largest, bit fields, one bit per pixel and PNG with alpha, each read into the picture of its
// reference.
TEST(PictureReaders, ReadFilesOfOtherWriters) {
    for (const char* name : {"rgb24.bmp", "rgb32_topdown.bmp", "core12.bmp", "indexed8.bmp",
                             "palette256.bmp", "rgb565.bmp", "mono.bmp", "rgba.png"}) {
        TBitmap picture;
        ReadPictureFile(Data + "pictures/" + name, picture);
        EXPECT_TRUE(MatchesReferencePicture(picture, "raster/read/" + std::string(name) + ".png"));
    }
}

// Each damaged file's message, which must name the file, with the folder left out.
TEST(PictureReaders, DamagedFilesRaiseErrorsNamingTheFile) {
    std::vector<std::string> names = {"no such file.bmp"};
    for (const auto& entry : std::filesystem::directory_iterator(Data + "bad"))
        if (std::set<std::string>{".bmp", ".png", ".jpg"}.count(entry.path().extension().string()))
            names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    std::string messages;
    for (const std::string& name : names) {
        const std::string path = Data + "bad/" + name;
        TBitmap picture(2, 2);
        std::string message = MessageOf([&] { ReadPictureFile(path, picture); });
        const std::size_t at = message.find(path);
        ASSERT_NE(at, std::string::npos) << name << ": " << message;
        messages += message.replace(at, path.size(), name) + "\n";
    }
    EXPECT_TRUE(MatchesReferenceText(messages, "raster/damaged-pictures.txt"));
}
