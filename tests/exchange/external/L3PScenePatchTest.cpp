#include "exchange/external/L3PScenePatch.h"

#include "support/ReferenceFile.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>
#include <sstream>

// Scenes as the converter leaves them, under tests/data/exchange/l3p, patched for a view straight
// from above at scale 1 (camera at <-0,-1000,-0>) on red, for a model whose middles are 10, -20
// and 30: colour fixes replace the line after their declaration (case-sensitive), the line after
// the background mark gets the view's background when it names one, and the camera block gets
// the view's location and aim, with the angle put before its closing brace or at the end.
TEST(L3PScenePatchTest, ScenesMatchTheirReferences) {
    TExternalView top;
    top.Tilt = 0, top.CosTilt = 1, top.SinTilt = 0;
    top.Background = 0x0000FF;
    TModelBounds bounds;
    bounds.MinX = 0, bounds.MaxX = 20;
    bounds.MinY = -40, bounds.MaxY = 0;
    bounds.MinZ = 0, bounds.MaxZ = 60;
    for (const char* name :
         {"colour-fixes", "no-marks", "background-any-case", "background-not-named",
          "background-mark-last", "full-camera", "camera-without-angle", "camera-without-location",
          "camera-to-the-end", "rotated-location-last", "camera-line-last"}) {
        std::istringstream in(
            TTempFolder::Read(std::string(TESSARYN_TEST_DATA) + "exchange/l3p/" + name + ".pov"));
        std::vector<std::string> lines;
        for (std::string line; std::getline(in, line);)
            lines.push_back(line);
        PatchL3PScene(lines, top, bounds);
        std::string patched;
        for (const std::string& line : lines)
            patched += line + "\n";
        EXPECT_TRUE(
            MatchesReferenceText(patched, std::string("exchange/l3p/") + name + ".patched.pov"));
    }
}
