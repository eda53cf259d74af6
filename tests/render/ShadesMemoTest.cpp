#include "render/ScaleMemo.h"
#include "render/Shading.h"

#include <array>
#include <cmath>
#include <gtest/gtest.h>
#include <random>

// Brick colours and edges in more pairs than are remembered, under a light that changes now and
// then by a last bit: every answer is the one ScaleColour gives for the light of the moment.
TEST(ShadesMemo, AnswersAsScaleColourUnderTheCurrentLight) {
    std::mt19937 random(7);
    const std::array<std::array<float, 3>, 3> lights = {
        {{0.8f, 0.9f, 1.0f}, {0.8f, 0.9f, std::nextafter(1.0f, 0.0f)}, {1.0f, 0.9f, 0.8f}}};
    TScaleMemo memo;
    for (int round = 0; round < 20000; ++round) {
        const std::array<float, 3>& light = lights[std::size_t(round / 500) % lights.size()];
        const int32_t colour = int32_t(random() % 200) * 0x010203;
        const int32_t edge = random() % 2 == 0 ? colour : 0x202020;
        const TScaleMemo::TShades& shades = memo.Shades(colour, edge, light);
        ASSERT_EQ(shades.Edge, ScaleColour(edge, 0.6f)) << round;
        for (std::size_t i = 0; i < 3; ++i)
            ASSERT_EQ(shades.Faces[i], ScaleColour(colour, light[i])) << round << " face " << i;
    }
}
