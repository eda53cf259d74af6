#include "exchange/Reference.h"
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

// A level view from the front is the identity; turned a quarter and looking straight down, the
// axes swap to {0,0,-1, -1,0,0, 0,1,0}; the float angles leave their traces.
TEST(LDrawViewCommandTest, MatrixFollowsTheAngles) {
    TExternalView down = LevelView();
    down.Turn = std::numbers::pi / 2;
    down.Tilt = 0;
    EXPECT_EQ(After(LDrawViewOptions(LevelView(), false), "-a"),
              "1,0,-2.45e-16,1.07e-23,1,4.37e-08,2.45e-16,-4.37e-08,1 ");
    EXPECT_EQ(After(LDrawViewOptions(down, false), "-a"),
              "-1.84e-16,0,-1,-1,6.12e-17,1.84e-16,6.12e-17,1,-1.12e-32 ");
}

// The whole scene for a model with a middle of -45, -30, 47, which truncates toward zero to
// -2, 1 and 1 bricks, seen from above at scale 2; and for an empty model, whose camera must
// still be finite.
TEST(L2PSceneTest, ScenesMatchTheirReferences) {
    TModelBounds bounds;
    bounds.MinX = -1045, bounds.MaxX = 955;
    bounds.MinY = -530, bounds.MaxY = 470;
    bounds.MinZ = 0, bounds.MaxZ = 94;
    TExternalView view = LevelView(2);
    view.Tilt = 0, view.CosTilt = 1, view.SinTilt = 0;
    view.Background = 0x0080FF;
    auto text = [](const std::vector<std::string>& lines) {
        std::string all;
        for (const std::string& line : lines)
            all += line + "\n";
        return all;
    };
    ExpectReferenceText("exchange/l2p-scene.pov", text(L2PSceneLines(view, bounds)));
    ExpectReferenceText("exchange/l2p-empty.pov", text(L2PSceneLines(LevelView(), TModelBounds{})));
    EXPECT_EQ(PovRayCommand("povray", "TS_test.pov"), "povray +ITS_test.pov -V +W320 +H240");
}
