#pragma once
// The built-in LDraw colour table: 26 colours with their LDraw numbers and names.

#include <array>
#include <cstdint>

struct TLDrawColour {
    uint8_t R, G, B;
    uint16_t Number;
    const char* Name;
    // As a colour value: red in the low byte, blue in the high byte.
    int32_t Colour() const { return int32_t(R) | int32_t(G) << 8 | int32_t(B) << 16; }
};

extern const std::array<TLDrawColour, 26> LDrawColourTable;

// The colour of an LDraw number: the first table entry with that number, else the first entry.
int32_t ColourOfLDrawNumber(int number);
