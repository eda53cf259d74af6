#include "render/ScaleMemo.h"

#include "render/Shading.h"

#include <array>
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

// Brick colours and edges in more pairs than are remembered, under a light that changes now and
// then by a last bit, and at the start one face's factor at a time: every answer is the one
// ScaleColour gives for the light of the moment, the edge by its own fixed factor.
TEST(ScaleMemo, ShadesFollowTheCurrentLightFaceByFace) {
    const std::array<std::array<float, 3>, 7> lights = {{{1.0f, 0.8f, 0.6f},
                                                         {0.5f, 0.8f, 0.6f},
                                                         {0.5f, 0.9f, 0.6f},
                                                         {0.5f, 0.9f, 0.7f},
                                                         {0.8f, 0.9f, 1.0f},
                                                         {0.8f, 0.9f, std::nextafter(1.0f, 0.0f)},
                                                         {1.0f, 0.9f, 0.8f}}};
    std::mt19937 random(7);
    TScaleMemo memo;
    for (int round = 0; round < 20000; ++round) {
        const std::array<float, 3>& light =
            round < 4 ? lights[size_t(round)] : lights[4 + size_t(round / 500) % 3];
        const int32_t colour = round < 4 ? 0x4080C0 : int32_t(random() % 200) * 0x010203;
        const int32_t edge = round < 4 || random() % 2 == 0 ? 0x102030 : colour;
        const TScaleMemo::TShades& shades = memo.Shades(colour, edge, light);
        ASSERT_EQ(shades.Edge, ScaleColour(edge, 0.6f)) << round;
        for (size_t i = 0; i < 3; ++i)
            ASSERT_EQ(shades.Faces[i], ScaleColour(colour, light[i])) << round << " face " << i;
    }
}
