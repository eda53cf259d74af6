#include "exchange/external/GeneralNumber.h"
#include "exchange/external/L2PScene.h"
#include "exchange/external/LDrawViewCommand.h"

#include <cmath>
#include <gtest/gtest.h>
#include <numbers>
#include <sstream>

namespace {

// A view of 800 x 600 pixels centred on the model origin, seen level from the front.
TExternalView LevelView(double scale = 1) {
    TExternalView v;
    v.Scale = scale;
    v.OriginX = 400;
    v.OriginY = 300;
    v.Width = 800;
    v.Height = 600;
    v.Turn = 0;
    v.Tilt = float(std::numbers::pi / 2);
    v.CosTurn = 1;
    v.SinTurn = 0;
    v.CosTilt = std::cos(v.Tilt);
    v.SinTilt = 1;
    v.Background = 0xFFFFFF;
    return v;
}

std::string After(const std::string& text, const std::string& mark) {
    size_t at = text.find(mark);
    return at == std::string::npos ? "" : text.substr(at + mark.size());
}

} // namespace

TEST(GeneralNumberTest, WritesAsPercentGDoes) {
    struct Case {
        double Value;
        int Digits;
        const char* Text;
    } cases[] = {{1, 15, "1"},
                 {1.5, 15, "1.5"},
                 {2.0 / 3, 15, "0.666666666666667"},
                 {-0.0, 15, "-0"},
                 {1e20, 15, "1e+20"},
                 {0.8660254, 3, "0.866"},
                 {-2.4e-16, 3, "-2.4e-16"},
                 {123456, 3, "1.23e+05"}};
    for (const Case& c : cases)
        EXPECT_EQ(GeneralNumber(c.Value, c.Digits), c.Text) << c.Value;
}

TEST(LDrawViewCommandTest, ScaleIsSmallerOnlyForABareLDrawProgramName) {
    struct Case {
        const char* Program;
        const char* Scale;
    } cases[] = {{"LDRAW.EXE", "1"},        {"ldraw", "1"},
                 {"LDrawView", "1"},        {"C:\\LDRAW\\LDRAW.EXE", "1.5"},
                 {"/usr/bin/ldraw", "1.5"}, {"ldview", "1.5"}};
    for (const Case& c : cases) {
        std::string command =
            LDrawViewCommand(c.Program, "MODELS\\TEST.DAT", LevelView(1.5), false);
        EXPECT_EQ(command.substr(0, command.find(" -b")),
                  std::string(c.Program) + "  -s" + c.Scale);
    }
}

TEST(LDrawViewCommandTest, CommandHasTwoBlanksBeforeTheFileAndTheBackgroundColour) {
    TExternalView view = LevelView();
    view.Background = 0x342A1B; // the table's black (27, 42, 52)
    std::string command = LDrawViewCommand("ldview", "models/test.dat", view, true);
    EXPECT_EQ(command.substr(0, 24), "ldview  -s1 -b0 -FS -O0,");
    EXPECT_EQ(After(command, " -O"),
              "0,-70 -a" + After(LDrawViewOptions(view, false), "-a") + " models/test.dat");
}

TEST(LDrawViewCommandTest, OffsetIsFromTheCentreAndSeventyPixelsHigher) {
    struct Case {
        double X, Y;
        int Width, Height;
        const char* Offset;
    } cases[] = {{400, 300, 800, 600, "-O0,-70 "},
                 {402.5, 301.5, 800, 600, "-O2,-68 "}, // halves to even
                 {403.5, 300, 801, 601, "-O4,-70 "},   // odd sizes: W div 2
                 {-10, 10, 0, 0, "-O-10,-60 "}};
    for (const Case& c : cases) {
        TExternalView view = LevelView();
        view.OriginX = c.X;
        view.OriginY = c.Y;
        view.Width = c.Width;
        view.Height = c.Height;
        std::string options = LDrawViewOptions(view, false);
        EXPECT_EQ(options.substr(0, options.find("-a")), c.Offset);
    }
}

TEST(LDrawViewCommandTest, LevelViewMatrixIsTheIdentityAndTurnsFollowTheAngles) {
    auto matrixOf = [](const TExternalView& view) {
        std::string text = After(LDrawViewOptions(view, false), "-a");
        std::istringstream in(text);
        std::vector<double> values;
        double value;
        char comma;
        while (in >> value) {
            values.push_back(value);
            in >> comma;
        }
        return values;
    };
    std::vector<double> level = matrixOf(LevelView());
    ASSERT_EQ(level.size(), 9u);
    const double identity[9] = {1, 0, 0, 0, 1, 0, 0, 0, 1};
    for (int i = 0; i < 9; ++i)
        EXPECT_NEAR(level[i], identity[i], 1e-6) << i;
    // Turned a quarter, looking straight down.
    TExternalView down = LevelView();
    down.Turn = std::numbers::pi / 2;
    down.Tilt = 0;
    std::vector<double> turned = matrixOf(down);
    const double expected[9] = {0, 0, -1, -1, 0, 0, 0, 1, 0};
    for (int i = 0; i < 9; ++i)
        EXPECT_NEAR(turned[i], expected[i], 1e-6) << i;
}

TEST(L2PSceneTest, LooksAtTruncatedBrickPositionsFromTheViewsDirection) {
    TModelBounds bounds;
    // Middles X -45, Y -30, Z 47: truncation toward zero gives -2, 1 and 1.
    bounds.MinX = -1045, bounds.MaxX = 955;
    bounds.MinY = -530, bounds.MaxY = 470;
    bounds.MinZ = 0, bounds.MaxZ = 94;
    TExternalView view = LevelView(2);
    view.Tilt = 0, view.CosTilt = 1, view.SinTilt = 0;
    view.Background = 0x0080FF;
    std::vector<std::string> lines = L2PSceneLines(view, bounds);
    ASSERT_EQ(lines.size(), 23u);
    EXPECT_EQ(lines[0], "#version 3.0");
    EXPECT_EQ(lines[4], "#include \"test.inc\"");
    EXPECT_EQ(lines[6], "background { color rgb <1,0.501960784313725,0>}");
    EXPECT_EQ(lines[8], " plane { z, -1*LG_TOP_HEIGHT } // locate the plane below a baseplate");
    EXPECT_EQ(lines[14], "light_source { <-45, -45, 30> color White }");
    // Largest extent 2000: 9 * cbrt(2000) / 2 straight above.
    EXPECT_EQ(lines[17], " location <-0*LG_BRICK_WIDTH, -0*LG_BRICK_WIDTH, " +
                             GeneralNumber(9 * std::cbrt(2000.0) / 2) + "*LG_BRICK_HEIGHT>");
    EXPECT_EQ(lines[21], " look_at <1*LG_BRICK_WIDTH, -2*LG_BRICK_WIDTH, 1*LG_BRICK_HEIGHT>");
    EXPECT_EQ(lines[22], "}");
    EXPECT_EQ(PovRayCommand("povray", "TS_test.pov"), "povray +ITS_test.pov -V +W320 +H240");
}

TEST(L2PSceneTest, EmptyModelStillGivesAFiniteCamera) {
    std::vector<std::string> lines = L2PSceneLines(LevelView(), TModelBounds{});
    EXPECT_EQ(lines[21], " look_at <0*LG_BRICK_WIDTH, 0*LG_BRICK_WIDTH, 0*LG_BRICK_HEIGHT>");
    EXPECT_EQ(lines[17].find("nan"), std::string::npos);
}
