#include "cli/Cli.h"
#include "raster/Bitmap.h"
#include "raster/PictureFiles.h"
#include "support/Pixels.h"
#include "support/TempFolder.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace {

class RenderCommandTest : public ::testing::Test {
protected:
    TTempFolder folder;
    std::string error;

    std::string File(const std::string& name) const { return folder.File(name); }
    std::string Model(const std::string& text) { return folder.Write("model.lgo", text); }

    int Run(std::vector<std::string> args) {
        args.insert(args.begin(), "render");
        std::ostringstream out, err;
        int status = RunCli(args, out, err);
        error = err.str();
        return status;
    }

    std::unique_ptr<TBitmap> Read(const std::string& name) {
        auto picture = std::make_unique<TBitmap>();
        ReadPictureFile(name, *picture);
        return picture;
    }
};

// A red 1 x 1 brick at the origin without studs and a studded white 2 x 2 beside it, in a file
// without a header (studs and plates) and in one of the current version (model units).
const char* Bricks = "B 0 0 0 1 1 3 255 0 0 0 0 0  0\r\n"
                     "B 2 0 0 2 2 3 16777215 1 0 0 0 0  0\r\n";
const char* BricksInUnits = "B 0 0 0 20 20 24 255 0 0 0 0 0  0\r\n"
                            "B 40 0 0 40 40 24 16777215 1 0 0 0 0  0\r\n";

TEST_F(RenderCommandTest, TopViewPictureShowsTheBrickOnTheBackground) {
    std::string model = Model(Bricks);
    std::string out = File("top.png");
    ASSERT_EQ(Run({model, "-o", out, "--size", "64x48", "--tilt", "0", "--azimuth", "0"}), 0)
        << error;
    auto picture = Read(out);
    ASSERT_EQ(picture->Width(), 64);
    ASSERT_EQ(picture->Height(), 48);
    // Scale 1, origin (32, 24): the red brick covers x 32..52, y 24..44.
    EXPECT_EQ(picture->Pixel(40, 30), 0x0000FFu);
    EXPECT_EQ(picture->Pixel(0, 0), 0xF0F0F0u);
    EXPECT_EQ(picture->Pixel(20, 30), 0xF0F0F0u);
}

TEST_F(RenderCommandTest, OptionsMoveTheViewAndFrameThePicture) {
    std::string model = Model(Bricks);
    std::string out = File("shifted.bmp");
    ASSERT_EQ(Run({model, "-o", out, "--size", "64x48", "--tilt", "0", "--azimuth", "0", "--offset",
                   "-8,4", "--background", "102030", "--frame", "30,10,50,40", "--variant", "2"}),
              0)
        << error;
    auto picture = Read(out);
    ASSERT_EQ(picture->Width(), 40);
    ASSERT_EQ(picture->Height(), 60);
    // Origin (40, 20); frame from (30, 10) at twice the scale: the brick from (20, 20) on.
    EXPECT_EQ(picture->Pixel(25, 25), 0x0000FFu);
    EXPECT_EQ(picture->Pixel(10, 10), 0x302010u);
    std::ifstream in(out, std::ios::binary);
    char header[30] = {};
    in.read(header, 30);
    EXPECT_EQ(header[28], 32); // bits per pixel of the BMP
}

TEST_F(RenderCommandTest, HeaderViewAndHiddenStudsAreTaken) {
    std::string withHeader = Model(std::string("= 0 0 10 0 0 0 1\r\n") + BricksInUnits);
    ASSERT_EQ(Run({withHeader, "-o", File("header.png"), "--size", "64x48", "--studs", "1"}), 0)
        << error;
    Model(Bricks);
    ASSERT_EQ(Run({File("model.lgo"), "-o", File("plain.png"), "--size", "64x48", "--tilt", "0",
                   "--azimuth", "0", "--studs", "3"}),
              0)
        << error;
    auto header = Read(File("header.png")), plain = Read(File("plain.png"));
    ASSERT_EQ(header->Width(), plain->Width());
    EXPECT_EQ(DifferingPixels(*header, *plain), 0);
}

TEST_F(RenderCommandTest, StepLimitAndBoundaryHideBricks) {
    // A red brick at step 2 and a green one on top of the white one, seen from above.
    std::string model = Model("= 0 0 10 0 0 0 1\r\n"
                              "B 0 0 0 20 20 24 255 0 0 0 0 0  2\r\n"
                              "B 40 0 0 40 40 24 16777215 0 0 0 0 0  0\r\n"
                              "B 40 0 24 20 20 24 65280 0 0 0 0 0  0\r\n");
    auto render = [&](std::vector<std::string> options) {
        std::vector<std::string> args = {model, "-o", File("cut.png"), "--size", "100x60"};
        args.insert(args.end(), options.begin(), options.end());
        EXPECT_EQ(Run(args), 0) << error;
        return Read(File("cut.png"));
    };
    // Origin (50, 30): the red brick covers x 50..70, the green one x 90..100, y 30..50.
    auto plain = render({});
    EXPECT_EQ(plain->Pixel(60, 40), 0xF0F0F0u);
    EXPECT_EQ(plain->Pixel(95, 40), 0x00FF00u);
    auto stepped = render({"--step-limit", "2", "--cut", "-19999,19999,-19999,19999,0,24"});
    EXPECT_EQ(stepped->Pixel(60, 40), 0x0000FFu);
    EXPECT_EQ(stepped->Pixel(95, 40), 0xFFFFFFu);
}

TEST_F(RenderCommandTest, EveryPixelFormatAndAntiAliasingRender) {
    std::string model = Model(Bricks);
    for (const char* bpp : {"8", "15", "16", "24", "32", "device"}) {
        std::string out = File(std::string("f") + bpp + ".png");
        ASSERT_EQ(Run({model, "-o", out, "--size", "30x20", "--bpp", bpp, "--shading"}), 0)
            << bpp << ": " << error;
        EXPECT_EQ(Read(out)->Width(), 30);
    }
    ASSERT_EQ(Run({model, "-o", File("aa.jpg"), "--antialias", "--bpp", "16", "--studs", "2",
                   "--frame", "-10,-10,20,20", "--variant", "1"}),
              0)
        << error;
    EXPECT_EQ(Read(File("aa.jpg"))->Width(), 30);
}

TEST_F(RenderCommandTest, BadInputIsReportedNotRendered) {
    std::string model = Model(Bricks);
    struct TCase {
        std::vector<std::string> Args;
        const char* Message;
    } cases[] = {
        {{model, "--size", "10x10"}, "usage: render"},
        {{model, "-o", File("x.png"), "--bpp", "12"}, "--bpp must be"},
        {{model, "-o", File("x.png"), "--studs", "4"}, "--studs must be"},
        {{model, "-o", File("x.png"), "--size", "0x10"}, "--size must"},
        {{model, "-o", File("x.png"), "--size", "10*10"}, "--size must be 2 integers"},
        {{model, "-o", File("x.png"), "--frame", "1,2,3"}, "--frame must be 4 integers"},
        {{model, "-o", File("x.png"), "--background", "12345G"}, "--background must be"},
        {{model, "-o", File("x.png"), "--variant", "3"}, "--variant must be 0, 1, 2, 4 or 8"},
        {{model, "-o", File("x.png"), "--size", "100000x100000"}, ""},
        {{model, "-o", File("x.png"), "--variant", "8", "--frame", "0,0,300000000,4"}, "too large"},
        {{model, "-o", File("x.png"), "--frame", "5,5,5,9"}, "empty"},
        {{File("missing.lgo"), "-o", File("x.png")}, "missing.lgo"},
        {{model, "-o", File("no/such/dir/x.png")}, "x.png"},
    };
    for (const TCase& c : cases) {
        EXPECT_EQ(Run(c.Args), 1) << c.Message;
        EXPECT_NE(error.find(c.Message), std::string::npos) << error;
    }
    EXPECT_FALSE(std::filesystem::exists(File("x.png")));
}

} // namespace
