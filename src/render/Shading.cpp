#include "render/Shading.h"

#include "render/DrawContext.h"
#include "render/View.h"

#include <cmath>

const std::array<std::array<int, 3>, 7> FaceNormals = {{
    {0, 1, 0},
    {1, 0, 0},
    {0, 0, 1},
    {0, 1, -1},
    {1, 0, -1},
    {0, 1, 1},
    {1, 0, 1},
}};

float LightFactorOf(const std::array<int32_t, 3>& light, const std::array<int, 3>& normal) {
    double dot = 0, lightSquare = 0, normalSquare = 0;
    for (int i = 0; i < 3; ++i) {
        dot += double(light[i]) * normal[i];
        lightSquare += double(light[i]) * light[i];
        normalSquare += double(normal[i]) * normal[i];
    }
    double lengths = std::sqrt(lightSquare) * std::sqrt(normalSquare);
    if (lengths == 0)
        return 0.8f;
    float factor = float(std::fabs(dot) / lengths / 4 + 0.8);
    return factor > 1.0f ? 1.0f : factor;
}

int32_t ScaleColour(int32_t colour, float factor) {
    uint32_t rgb = uint32_t(colour);
    uint32_t result = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        double channel = double(rgb & (0xFFu << shift));
        // An absurd factor is held at RoundHalfEven's limit, so the conversion stays defined.
        int64_t scaled = RoundHalfEven(channel * factor);
        result |= uint32_t((scaled >> shift) & 0xFF) << shift;
    }
    return int32_t(result);
}

int32_t EdgeColourOf(int32_t colour, const TDrawColours& colours) {
    if (colour == colours.ColourBlack)
        return colours.ColourMid;
    if (colour == colours.ColourBlue)
        return colours.ColourSky;
    return colours.ColourDark;
}
