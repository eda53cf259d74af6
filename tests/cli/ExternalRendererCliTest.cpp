#include "cli/CliFixture.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

class ExternalRendererCliTest : public CliFixture {
protected:
    void SetUp() override {
        ModelFile = Folder.Write("m.lgo", "= 70 30 10 -4 5 1 1\r\n"
                                          "B -160 -80 -8 320 160 8 8421504 1 1 0 0 0 3865 0\r\n"
                                          "B 0 0 0 40 80 24 255 1 0 0 0 0  0\r\n");
        // An export appends unknown bricks to the mapping table it reads: a copy keeps the
        // shipped table of the source tree as it is whatever the exporter does.
        std::filesystem::copy(TESSARYN_SHIPPED_DATA, Folder.File("app"),
                              std::filesystem::copy_options::recursive);
    }
    int Run(std::vector<std::string> args) { return RunIn(Folder.Dir() + "app/", std::move(args)); }

    std::string ModelFile;
};

bool PovRayInstalled() {
    return std::system("command -v povray > /dev/null 2>&1") == 0;
}

} // namespace

TEST_F(ExternalRendererCliTest, LDrawCommandPrintsTheViewersCommandLine) {
    ASSERT_EQ(Run({"ldraw-command", ModelFile, "--tilt", "90", "--azimuth", "0"}), 0) << Err.str();
    // The header's offset -4,5 moves the origin to 404,295 in the 800 x 600 view.
    EXPECT_EQ(Out.str(), "ldview  -s1 -b15 -FS -O4,-75 "
                         "-a1,0,-2.45e-16,1.07e-23,1,4.37e-08,2.45e-16,-4.37e-08,1  "
                         "models/test.dat\n");
    ASSERT_EQ(Run({"ldraw-command", ModelFile, "--size", "640x480", "--scale-bar", "20", "--studs",
                   "2", "--background", "1B2A34", "--ldraw-prog", "LDRAW.EXE", "--ldraw-test",
                   "MODELS\\TEST.DAT"}),
              0);
    EXPECT_EQ(Out.str(), "LDRAW.EXE  -s0.333333333333333 -b0 -O4,-75 "
                         "-a0.866,0,-0.5,-0.171,0.94,-0.296,0.47,0.342,0.814  MODELS\\TEST.DAT\n");
}

TEST_F(ExternalRendererCliTest, SceneAndPatchCommandsWriteCrLfFiles) {
    std::string scene = Folder.File("TS_test.pov");
    ASSERT_EQ(Run({"pov-scene", ModelFile, "-o", scene, "--background", "FF0000"}), 0) << Err.str();
    std::string text = TTempFolder::Read(scene);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 23);
    EXPECT_NE(text.find("\r\nbackground { color rgb <1,0,0>}\r\n"), std::string::npos);
    // The middle of the baseplate and the brick: 0, 0, 8.
    EXPECT_NE(text.find(" look_at <0*LG_BRICK_WIDTH, 0*LG_BRICK_WIDTH, 0*LG_BRICK_HEIGHT>\r\n"),
              std::string::npos);

    std::string l3p = Folder.Write("test.pov", "camera {\nlocation <1,2,3>\nlook_at <0,0,0>\n}\n");
    ASSERT_EQ(Run({"pov-patch", l3p, "--model", ModelFile, "--tilt", "0", "--azimuth", "0"}), 0)
        << Err.str();
    EXPECT_EQ(TTempFolder::Read(l3p), "camera {\r\n    location <-0,-1000,-0>\r\n"
                                      "    look_at <0, -8, 0>\r\n    angle 25\r\n}\r\n");
}

TEST_F(ExternalRendererCliTest, FailuresNameTheProblemAndWriteNothing) {
    std::string scene = Folder.File("out.pov");
    EXPECT_EQ(Run({"pov-scene", ModelFile}), 1);
    EXPECT_EQ(Err.str(), "tessaryn-cli: usage: pov-scene MODEL -o FILE [view options]\n");
    EXPECT_EQ(Run({"pov-patch", scene, "--model", ModelFile}), 1);
    EXPECT_EQ(Run({"pov-patch", ModelFile}), 1);
    EXPECT_EQ(Run({"pov", Folder.File("missing.dat"), "-o", scene}), 1);
    EXPECT_EQ(Run({"ldraw-command", ModelFile, "--tilt", "x"}), 1);
    EXPECT_FALSE(std::filesystem::exists(scene));
    EXPECT_FALSE(std::filesystem::exists(Folder.File("lg_color.inc")));
}

TEST_F(ExternalRendererCliTest, ConverterKeepsIncludeFilesThatAreThere) {
    std::string dat = Folder.File("m.dat");
    ASSERT_EQ(Run({"convert", ModelFile, dat}), 0) << Err.str();
    Folder.Write("lg_color.inc", "mine");
    ASSERT_EQ(Run({"pov", dat, "-o", Folder.File("test.inc")}), 0) << Err.str();
    EXPECT_EQ(TTempFolder::Read(Folder.File("lg_color.inc")), "mine");
    EXPECT_NE(TTempFolder::Read(Folder.File("lg_defs.inc")).find("LG_BRICK_WIDTH"),
              std::string::npos);
    EXPECT_NE(TTempFolder::Read(Folder.File("test.inc")).find("box {"), std::string::npos);
}

TEST_F(ExternalRendererCliTest, PovRayDrawsTheConvertedModelInTheL2PScene) {
    if (!PovRayInstalled())
        GTEST_SKIP() << "povray is not installed";
    std::string dat = Folder.File("test.dat");
    ASSERT_EQ(Run({"convert", ModelFile, dat}), 0) << Err.str();
    ASSERT_EQ(Run({"pov", dat, "-o", Folder.File("test.inc")}), 0) << Err.str();
    ASSERT_EQ(
        Run({"pov-scene", ModelFile, "-o", Folder.File("TS_test.pov"), "--background", "FFFFFF"}),
        0)
        << Err.str();
    std::string command = "cd '" + Folder.Path.string() +
                          "' && povray +ITS_test.pov -V -D +W48 +H36 +FP +OTS_test.ppm "
                          "> povray.log 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0) << TTempFolder::Read(Folder.File("povray.log"));

    std::istringstream picture(TTempFolder::Read(Folder.File("TS_test.ppm")));
    std::string magic, line;
    int width = 0, height = 0, top = 0;
    picture >> magic >> std::ws;
    while (picture.peek() == '#') // comment lines
        std::getline(picture, line);
    picture >> width >> height >> top;
    picture.get();
    ASSERT_EQ(magic, "P6");
    ASSERT_EQ(width * height, 48 * 36);
    int model = 0;
    for (int i = 0; i < width * height; ++i) {
        unsigned char rgb[3];
        picture.read(reinterpret_cast<char*>(rgb), 3);
        ASSERT_TRUE(picture) << "picture ends early";
        if (rgb[0] < 200 || rgb[1] < 200 || rgb[2] < 200)
            ++model;
    }
    // The grey baseplate and the red brick fill a good part of the white picture.
    EXPECT_GT(model, width * height / 10);
}
