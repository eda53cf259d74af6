#include "exchange/external/GeneralNumber.h"
#include "exchange/external/L2PScene.h"
#include "exchange/external/L3PScenePatch.h"
#include "exchange/external/LDrawViewCommand.h"
#include "exchange/external/PovModel.h"
#include "support/Bricks.h"
#include "support/ReferenceFile.h"
#include "support/TempFolder.h"

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>
#include <numbers>
#include <sstream>

namespace {

// A view of 800 x 600 pixels centred on the model origin, seen level from the front.
TExternalView LevelView(double scale = 1) {
    const double tilt = float(std::numbers::pi / 2);
    return {scale, 400, 300, 800, 600, 0, tilt, 1, 0, std::cos(tilt), 1, 0xFFFFFF};
}

} // namespace

// Numbers as %g writes them and the LDraw viewer's commands, each with its text.
TEST(ExternalTexts, NumbersAndViewerCommandsAsTheTableSays) {
    EXPECT_TRUE(MatchesTranscript(
        "exchange/external-texts.txt", [](const std::string& line) -> std::string {
            std::istringstream words(line);
            std::string kind, program;
            double number = 0;
            int digits = 0;
            if ((words >> kind) && kind == "number")
                return words >> number >> digits, GeneralNumber(number, digits);
            TExternalView view = LevelView();
            bool fullScreen = false;
            words >> program >> view.Scale >> view.OriginX >> view.OriginY >> view.Width >>
                view.Height >> std::hex >> view.Background >> std::dec >> fullScreen >> view.Turn >>
                view.Tilt;
            return LDrawViewCommand(program, "models/test.dat", view, fullScreen);
        }));
}

// The whole scene for a model with a middle of -45, -30, 47, which truncates toward zero to
// -2, 1 and 1 bricks, seen from above at scale 2; and for an empty model, whose camera must
// still be finite.
TEST(L2PSceneTest, ScenesMatchTheirReferences) {
    const TModelBounds bounds{-1045, -530, 0, 955, 470, 94};
    const TExternalView view{.Scale = 2,
                             .OriginX = 400,
                             .OriginY = 300,
                             .Width = 800,
                             .Height = 600,
                             .Background = 0x0080FF};
    EXPECT_TRUE(
        MatchesReferenceText(JoinedLines(L2PSceneLines(view, bounds)), "exchange/l2p-scene.pov"));
    EXPECT_TRUE(MatchesReferenceText(JoinedLines(L2PSceneLines(LevelView(), TModelBounds{})),
                                     "exchange/l2p-empty.pov"));
    EXPECT_EQ(PovRayCommand("povray", "TS_test.pov"), "povray +ITS_test.pov -V +W320 +H240");
}

// Scenes as the converter leaves them, under tests/data/exchange/l3p, patched for a view straight
// from above at scale 1 (camera at <-0,-1000,-0>) on red, for a model whose middles are 10, -20
// and 30: colour fixes replace the line after their declaration (case-sensitive), the line after
// the background mark gets the view's background when it names one, and the camera block gets
// the view's location and aim, with the angle put before its closing brace or at the end.
TEST(L3PScenePatchTest, ScenesMatchTheirReferences) {
    const TExternalView top{.Background = 0x0000FF};
    const TModelBounds bounds{0, -40, 0, 20, 0, 60};
    for (const auto& entry :
         std::filesystem::directory_iterator(TESSARYN_TEST_DATA "exchange/l3p")) {
        const std::string name = entry.path().stem().string();
        if (name.ends_with(".patched"))
            continue;
        std::istringstream in(TTempFolder::Read(entry.path().string()));
        std::vector<std::string> lines;
        for (std::string line; std::getline(in, line);)
            lines.push_back(line);
        PatchL3PScene(lines, top, bounds);
        EXPECT_TRUE(
            MatchesReferenceText(JoinedLines(lines), "exchange/l3p/" + name + ".patched.pov"));
    }
}

// Whole texts: studded and plain bricks in a table colour (red, 4), a see-through light green
// one (10), a top too large for studs, the scene with the markers the L3P route patches; the
// include files are in the converter's CLI reference.
TEST(PovModelTest, TextsMatchTheirReferences) {
    auto studded = MakeBrick('B', -20, 0, 0, 40, 20, 24, 0x1B28C4, true);
    auto plain = MakeBrick('B', 0, 0, 24, 20, 20, 8, 0x1B28C4);
    auto glass = MakeBrick('B', 0, 0, 0, 20, 20, 24, 0x8BC4A1, true);
    glass->Transparent = true;
    auto huge = MakeBrick('B', 0, 0, 0, 4000, 4000, 8, 0, true);
    EXPECT_TRUE(
        MatchesReferenceText(PovModelInclude({studded.get(), plain.get(), glass.get()}, "m.dat"),
                             "exchange/pov-model.inc"));
    EXPECT_TRUE(
        MatchesReferenceText(PovModelInclude({huge.get()}, "big.dat"), "exchange/pov-huge.inc"));
    EXPECT_TRUE(MatchesReferenceText(PovModelInclude({}, "empty.dat"), "exchange/pov-empty.inc"));
    EXPECT_TRUE(
        MatchesReferenceText(PovModelScene({plain.get()}, "m.dat"), "exchange/pov-scene.pov"));
}

// Turned 30 degrees and tilted 60 at scale 2: every sine and cosine of the location differs,
// so none can stand for another.
TEST(L3PScenePatchTest, CameraLocationFollowsATurnedAndTiltedView) {
    const double turn = std::numbers::pi / 6, tilt = std::numbers::pi / 3;
    TExternalView view{.Scale = 2,
                       .CosTurn = std::cos(turn),
                       .SinTurn = std::sin(turn),
                       .CosTilt = std::cos(tilt),
                       .SinTilt = std::sin(tilt)};
    std::vector<std::string> lines = {"camera {", "  location <0,0,0>", "}"};
    PatchL3PScene(lines, view, TModelBounds{});
    double x = 0, y = 0, z = 0;
    ASSERT_EQ(std::sscanf(lines[1].c_str(), " location <%lf,%lf,%lf>", &x, &y, &z), 3);
    EXPECT_NEAR(x, -125 * std::sqrt(3.0), 1e-9);
    EXPECT_NEAR(y, -250, 1e-9);
    EXPECT_NEAR(z, -375, 1e-9);
}
