#include "render/View.h"

#include "support/ReferenceFile.h"

#include <array>
#include <gtest/gtest.h>
#include <sstream>
#include <string>

static TViewState ViewAt(int tilt, int azimuth, float scale = 1, float ox = 0, float oy = 0) {
    TViewState view;
    view.TiltA = DegreesToAngle(tilt);
    view.AzimuthC = DegreesToAngle(azimuth);
    view.ViewScale = scale;
    view.OriginX = ox;
    view.OriginY = oy;
    ComputeViewMatrix(view);
    return view;
}

// Rounding sends halves to the even neighbour and holds absurd values inside the safe range;
// the octant follows the quarter of the azimuth and the tilt, exactly horizontal counting as
// seen from below.
TEST(View, RoundingAndOctantsAsTheTableSays) {
    EXPECT_TRUE(MatchesTranscript("render/view-numbers.txt", [](const std::string& line) {
        std::istringstream words(line);
        std::string what, value;
        int tilt = 0, azimuth = 0;
        words >> what;
        if (what == "round") {
            words >> value;
            return std::to_string(RoundHalfEven(std::stod(value)));
        }
        words >> tilt >> azimuth;
        return std::to_string(ViewAt(tilt, azimuth).Octant);
    }));
    for (int azimuth = 0; azimuth <= 89; ++azimuth)
        for (auto [tilt, octant] : {std::pair{0, 0}, {89, 0}, {90, 4}, {91, 4}, {180, 4}})
            EXPECT_EQ(ViewAt(tilt, azimuth).Octant, octant) << tilt << " " << azimuth;
    EXPECT_TRUE(ViewAt(90, 0).CosA < 0.0f && ViewAt(90, 0).CosA > -1e-6f);
}

TEST(ProjectPoint, TopAndFrontViewsPutModelAxesOnScreenAxes) {
    const TViewState top = ViewAt(0, 0, 1, 400, 300), front = ViewAt(90, 0, 2, 100, 100);
    EXPECT_EQ(top.SinA, 0.0f);
    EXPECT_EQ((std::array{ProjectPoint(top, 10, 20, 0), ProjectPoint(top, 10, 20, 999),
                          ProjectPoint(front, 0, 0, 24), ProjectPoint(front, 5, 1000, 0)}),
              (std::array{TPoint{410, 320}, TPoint{410, 320}, TPoint{100, 52}, TPoint{110, 100}}));
}

TEST(ComputeOrigin, RoundsHalfTheClientSizeToEven) {
    TViewState view;
    ComputeOrigin(view, 801, 603, 10, -20);
    EXPECT_EQ(std::pair(view.OriginX, view.OriginY), std::pair(400.0f - 10, 302.0f + 20));
}
