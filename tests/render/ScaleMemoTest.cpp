#include "render/ScaleMemo.h"

#include "render/Shading.h"

#include <cmath>
#include <gtest/gtest.h>
#include <random>
#include <vector>

// More pairs than the memo holds, asked again and again in random order, with factors that
// differ in their last bit only: every answer is the one ScaleColour gives.
TEST(ScaleMemo, AnswersAsScaleColourWhateverItRemembers) {
    std::mt19937 random(3);
    std::vector<int32_t> colours;
    for (int i = 0; i < 300; ++i)
        colours.push_back(int32_t(random() & 0xFFFFFF));
    const float factors[] = {0.6f, 0.8f, std::nextafter(0.8f, 1.0f), 0.9428f, 1.0f, 0.0f};
    TScaleMemo memo;
    for (int round = 0; round < 20000; ++round) {
        const int32_t colour = colours[random() % colours.size()];
        const float factor = factors[random() % std::size(factors)];
        ASSERT_EQ(memo.Scale(colour, factor), ScaleColour(colour, factor))
            << std::hex << colour << " " << factor;
    }
}

// The shades of one colour asked with each face's factor changed in turn, the light having
// moved: every face is scaled afresh, and the edge by its own fixed factor.
TEST(ScaleMemo, ShadesFollowEachFacesFactor) {
    TScaleMemo memo;
    const int32_t colour = 0x4080C0, edge = 0x102030;
    const std::array<std::array<float, 3>, 4> lights = {
        {{1.0f, 0.8f, 0.6f}, {0.5f, 0.8f, 0.6f}, {0.5f, 0.9f, 0.6f}, {0.5f, 0.9f, 0.7f}}};
    for (const auto& factors : lights) {
        const TScaleMemo::TShades& shades = memo.Shades(colour, edge, factors);
        EXPECT_EQ(shades.Edge, ScaleColour(edge, 0.6f));
        for (int face = 0; face < 3; ++face)
            EXPECT_EQ(shades.Faces[size_t(face)], ScaleColour(colour, factors[size_t(face)]))
                << "face " << face << " factor " << factors[size_t(face)];
    }
}
