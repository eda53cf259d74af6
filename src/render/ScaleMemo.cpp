#include "render/ScaleMemo.h"

#include "render/Shading.h"

#include <bit>
#include <utility>

int32_t TScaleMemo::Scale(int32_t colour, float factor) {
    const uint32_t bits = std::bit_cast<uint32_t>(factor);
    const uint32_t mixed = (uint32_t(colour) ^ bits * 0x9E3779B1u) * 0x85EBCA6Bu;
    TEntry* set = &Entries[2 * (mixed >> 24)];
    const auto holds = [&](const TEntry& entry) {
        return entry.Used && entry.Colour == colour && entry.Factor == bits;
    };
    if (holds(set[0]))
        return set[0].Result;
    if (!holds(set[1]))
        set[1] = {colour, bits, ScaleColour(colour, factor), true};
    std::swap(set[0], set[1]);
    return set[0].Result;
}

const TScaleMemo::TShades& TScaleMemo::Shades(int32_t colour, int32_t edge,
                                              const std::array<float, 3>& factors) {
    const std::array<uint32_t, 3> bits = {std::bit_cast<uint32_t>(factors[0]),
                                          std::bit_cast<uint32_t>(factors[1]),
                                          std::bit_cast<uint32_t>(factors[2])};
    const uint32_t mixed = (uint32_t(colour) ^ uint32_t(edge) * 0x9E3779B1u) * 0x85EBCA6Bu;
    TShadesEntry& entry = ShadesEntries[mixed >> 26];
    if (!entry.Used || entry.Colour != colour || entry.Edge != edge || entry.Factors != bits) {
        entry = {
            colour,
            edge,
            bits,
            {Scale(edge, 0.6f),
             {Scale(colour, factors[0]), Scale(colour, factors[1]), Scale(colour, factors[2])}},
            true};
    }
    return entry.Shades;
}
