#include "render/ScaleMemo.h"

#include "render/Shading.h"

#include <bit>

int32_t TScaleMemo::Scale(int32_t colour, float factor) {
    const uint32_t bits = std::bit_cast<uint32_t>(factor);
    const uint32_t mixed = (uint32_t(colour) ^ bits * 0x9E3779B1u) * 0x85EBCA6Bu;
    TEntry& entry = Entries[mixed >> 24];
    if (!entry.Used || entry.Colour != colour || entry.Factor != bits)
        entry = {colour, bits, ScaleColour(colour, factor), true};
    return entry.Result;
}
