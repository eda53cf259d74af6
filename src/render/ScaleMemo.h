#pragma once
// ScaleColour remembered for the colour and factor pairs met lately: a frame shades thousands of
// bricks in a handful of colours under the same light.

#include <array>
#include <cstdint>

class TScaleMemo {
public:
    // ScaleColour (colour, factor), worked out again only when not remembered.
    int32_t Scale(int32_t colour, float factor);

    // A shaded brick's pen, Scale (edge, 0.6), and faces, Scale (colour, factors[i]).
    struct TShades {
        int32_t Edge = 0;
        std::array<int32_t, 3> Faces{};
    };
    // The shades of a brick colour, remembered together: one look-up a brick instead of four.
    const TShades& Shades(int32_t colour, int32_t edge, const std::array<float, 3>& factors);

private:
    struct TEntry {
        int32_t Colour = 0;
        uint32_t Factor = 0; // the factor's bits: equal bits, equal result
        int32_t Result = 0;
        bool Used = false;
    };
    // Two entries a set, the last one used first: a frame's few dozen pairs in 256 sets of
    // one would still collide and evict each other brick after brick.
    std::array<TEntry, 512> Entries{};

    struct TShadesEntry {
        int32_t Colour = 0, Edge = 0;
        std::array<uint32_t, 3> Factors{}; // bits, as TEntry keeps them
        TShades Shades;
        bool Used = false;
    };
    std::array<TShadesEntry, 64> ShadesEntries{};
};
