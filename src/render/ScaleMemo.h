#pragma once
// ScaleColour remembered for the colour and factor pairs met lately: a frame shades thousands of
// bricks in a handful of colours under the same light.

#include <array>
#include <cstdint>

class TScaleMemo {
public:
    // ScaleColour (colour, factor), worked out again only when not remembered.
    int32_t Scale(int32_t colour, float factor);

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
};
