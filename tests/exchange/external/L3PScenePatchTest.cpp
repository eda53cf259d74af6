#include "exchange/external/L3PScenePatch.h"

#include <gtest/gtest.h>

namespace {

using TLines = std::vector<std::string>;

// Seen straight from above at scale 1: the camera goes to <-0,-1000,-0>.
TExternalView TopView() {
    TExternalView v;
    v.Tilt = 0, v.CosTilt = 1, v.SinTilt = 0;
    v.Background = 0x0000FF; // red
    return v;
}

// Middles 10, -20, 30 in X, Y, Z.
TModelBounds Bounds() {
    TModelBounds b;
    b.MinX = 0, b.MaxX = 20;
    b.MinY = -40, b.MaxY = 0;
    b.MinZ = 0, b.MaxZ = 60;
    return b;
}

TLines Patched(TLines lines) {
    PatchL3PScene(lines, TopView(), Bounds());
    return lines;
}

const char* Location = "    location <-0,-1000,-0>";
const char* LookAt = "    look_at <10, -30, 20>";
const char* Angle = "    angle 25";

} // namespace

TEST(L3PScenePatchTest, ColourFixesReplaceTheLineAfterTheDeclaration) {
    TLines in = {"  #declare Color3 = texture {",
                 "pigment { rgb <0,0,0> }",
                 "#declare Color30 = texture {",
                 "pigment { rgb <0,0,0> }",
                 "#declare Color10 = texture {",
                 "old",
                 "#declare Color42 = texture {",
                 "old",
                 "#declare color3 = texture {",
                 "kept: the test is case-sensitive",
                 "#declare PCT = 20 // Percentage further away",
                 "#declare Color3 = texture {"}; // the last line: nothing after it to fix
    TLines expected = {"  #declare Color3 = texture {",
                       "pigment { rgb 0.7*<0.1,0.5,0.2> }",
                       "#declare Color30 = texture {",
                       "pigment { rgb 0.7*<0.1,0.5,0.2> }",
                       "#declare Color10 = texture {",
                       "pigment { rgb <0.0,1,0.0392157> }",
                       "#declare Color42 = texture {",
                       "pigment { rgbf <0.0,1,0.0392157,0.85> }",
                       "#declare color3 = texture {",
                       "kept: the test is case-sensitive",
                       "",
                       "#declare Color3 = texture {"};
    EXPECT_EQ(Patched(in), expected);
}

TEST(L3PScenePatchTest, BackgroundAndCameraFollowTheView) {
    struct Case {
        const char* Name;
        TLines In, Expected;
    } cases[] = {
        {"no background line and no camera: colour fixes only",
         {"background { color rgb <1,1,1> }", "CAMERA", "location <1,2,3>"},
         {"background { color rgb <1,1,1> }", "CAMERA", "location <1,2,3>"}},
        {"background line found in any case",
         {"// BACKGROUND:", "background { color rgb <1,1,1> }"},
         {"// BACKGROUND:", "background { color rgb <1,0,0>}"}},
        {"the line after it must name the background",
         {"// Background:", "sky_sphere { }"},
         {"// Background:", "sky_sphere { }"}},
        {"background marker on the last line", {"// Background:"}, {"// Background:"}},
        {"a full camera block",
         {"Camera {", "    #local Away = PCT / 100",
          "    location vaxis_rotate(<0,0,-1>,<1,0,0>,30)", "    <1,2,3>", "    sky -y",
          "    look_at <0,0,0>", "    angle 40", "}", "look_at <9,9,9>"},
         {"Camera {", "    #declare PCT = 300 // Percentage further away", Location, "    sky -y",
          LookAt, Angle, "}", "look_at <9,9,9>"}},
        {"no angle line: one is put before the closing brace",
         {"camera {", "location <1,2,3>", "look_at <1,1,1>", "}"},
         {"camera {", Location, LookAt, Angle, "}"}},
        {"no location line: the aim stays, the angle is still set",
         {"camera {", "look_at <1,1,1>", "}", "light_source { location <1,2,3> }"},
         {"camera {", "look_at <1,1,1>", Angle, "}", "light_source { location <1,2,3> }"}},
        {"a block running to the end of the file gets the angle at the end",
         {"camera {", "location <1,2,3>", "look_at <1,1,1>"},
         {"camera {", Location, LookAt, Angle}},
        {"a rotated location on the last line",
         {"camera {", "location vaxis_rotate(<0,0,-1>,<1,0,0>,30)"},
         {"camera {", Location, Angle}},
        {"camera line last", {"camera {"}, {"camera {", Angle}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Patched(c.In), c.Expected) << c.Name;
}
