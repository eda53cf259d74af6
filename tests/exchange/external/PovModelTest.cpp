#include "exchange/external/PovModel.h"

#include "model/Block.h"

#include <gtest/gtest.h>

namespace {

size_t CountOf(const std::string& text, const std::string& part) {
    size_t count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

} // namespace

TEST(PovModelTest, BricksAreBoxesWithTheirStudsInTheirTableColour) {
    TBlock studded, plain, glass;
    studded.X = -20, studded.SX = 40, studded.SY = 20, studded.SZ = 24, studded.Studs = true;
    studded.Colour = 0x1B28C4; // red, 4
    plain.Z = 24, plain.SX = 20, plain.SY = 20, plain.SZ = 8;
    plain.Colour = 0x1B28C4;
    glass.SX = 20, glass.SY = 20, glass.SZ = 24, glass.Transparent = true, glass.Studs = true;
    glass.Colour = 0x8BC4A1; // light green, 10
    std::string text = PovModelInclude({&studded, &plain, &glass}, "m.dat");
    EXPECT_EQ(CountOf(text, "#declare Color4 = texture {\r\n"), 1u);
    EXPECT_EQ(CountOf(text, "#declare Color42 = texture {\r\n    pigment { color rgb "
                            "<0.631373,0.768627,0.545098> filter 0.6 }"),
              1u);
    EXPECT_EQ(CountOf(text, "box { <-20,0,0>, <20,20,24> }"), 1u);
    EXPECT_EQ(CountOf(text, "cylinder { <-10,10,24>, <-10,10,28>, 6 }"), 1u);
    EXPECT_EQ(CountOf(text, "cylinder {"), 3u);
    EXPECT_EQ(CountOf(text, "object { box { <0,0,24>, <20,20,32> } texture { Color4 } }"), 1u);
    EXPECT_NE(text.find("matrix <0, LG_BRICK_WIDTH / 20, 0, -LG_BRICK_WIDTH / 20"),
              std::string::npos);
    EXPECT_EQ(CountOf(text, "\n"), CountOf(text, "\r\n"));
}

TEST(PovModelTest, SceneHasTheMarkersTheL3PRoutePatches) {
    TBlock brick;
    brick.SX = 20, brick.SY = 20, brick.SZ = 24;
    std::string text = PovModelScene({&brick}, "m.dat");
    EXPECT_NE(text.find("\r\n// Background:\r\nbackground {"), std::string::npos);
    size_t camera = text.find("\r\ncamera {\r\n    location <");
    ASSERT_NE(camera, std::string::npos);
    EXPECT_LT(text.find("look_at", camera), text.find("angle", camera));
    EXPECT_NE(text.find("matrix <1, 0, 0, 0, 0, -1, 0, -1, 0, 0, 0, 0>"), std::string::npos);
    EXPECT_EQ(PovModelInclude({}, "empty.dat").find("union"), std::string::npos);
}

TEST(PovModelTest, IncludeFilesDefineWhatTheL2PSceneNames) {
    std::string colours = PovColourInclude(), sizes = PovSizeInclude();
    for (const char* name : {"White", "DarkGreen"})
        EXPECT_NE(colours.find("#declare " + std::string(name) + " = "), std::string::npos);
    for (const char* name : {"LG_BRICK_WIDTH", "LG_BRICK_HEIGHT", "LG_TOP_HEIGHT"})
        EXPECT_NE(sizes.find("#declare " + std::string(name) + " = "), std::string::npos);
    // One colour per table number; the table's second 0 is left out.
    EXPECT_EQ(CountOf(colours, "#declare LG_Colour_"), 25u);
}

TEST(PovModelTest, HugeTopsStayPlain) {
    TBlock huge;
    huge.SX = 4000, huge.SY = 4000, huge.SZ = 8, huge.Studs = true;
    std::string text = PovModelInclude({&huge}, "big.dat");
    EXPECT_EQ(CountOf(text, "cylinder {"), 0u);
    EXPECT_EQ(CountOf(text, "object { box { <0,0,0>, <4000,4000,8> }"), 1u);
}
