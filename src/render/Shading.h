#pragma once
// Flat shading: light factors of the face classes and the colour scaling they drive.

#include <array>
#include <cstdint>

struct TDrawColours;

// The normals of face classes 1 to 7: along Y, X, Z, then the four 45-degree slopes.
extern const std::array<std::array<int, 3>, 7> FaceNormals;

// |L.n| / (|L| |n|) / 4 + 0.8, at most 1.0; 0.8 when either vector is null.
float LightFactorOf(const std::array<int32_t, 3>& light, const std::array<int, 3>& normal);

// Each channel scaled and rounded as the shading has always done it: red to nearest, green and
// blue effectively down; a factor above 1 wraps a channel.
int32_t ScaleColour(int32_t colour, float factor);

// The outline colour of an unshaded brick of this colour.
int32_t EdgeColourOf(int32_t colour, const TDrawColours& colours);
