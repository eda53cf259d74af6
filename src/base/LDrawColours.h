#pragma once
// The built-in LDraw colour table, the fourteen colour swatches, and the conversions between
// colour values and LDraw colour numbers.

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

// The colour of the first table entry with the number; white (0xFFFFFF) when none has it.
int32_t ColourOfLDraw(int number);

// One of the window's colour swatches: its name and LDraw number; its colour is the table's
// colour for that number.
struct TColourSwatch {
    const char* Name;
    int LDrawNumber;
    int32_t Colour() const { return ColourOfLDraw(LDrawNumber); }
};

// The fourteen table-coloured swatches in their cycling order (Page Up / Page Down).
extern const std::array<TColourSwatch, 14> ColourSwatches;

// The LDraw number for a colour: the first swatch of that colour, else the nearest table entry
// (earlier entry on a tie).
int LDrawColourOf(int32_t colour);
