#include "base/LDrawColours.h"

const std::array<TLDrawColour, 26> LDrawColourTable = {{
    {27, 42, 52, 0, "Black"},
    {35, 71, 139, 1, "Blue"},
    {75, 151, 74, 2, "Green"},
    {40, 127, 70, 3, "Dark Cyan"},
    {196, 40, 27, 4, "Red"},
    {255, 45, 159, 5, "Magenta"},
    {105, 64, 39, 6, "Brown"},
    {161, 165, 162, 7, "Grey"},
    {109, 110, 108, 8, "Dark grey"},
    {85, 164, 249, 9, "Light blue"},
    {161, 196, 139, 10, "Light green"},
    {193, 233, 240, 11, "Cyan"},
    {218, 134, 121, 12, "Light red"},
    {238, 196, 182, 13, "Pink"},
    {245, 205, 47, 14, "Yellow"},
    {242, 243, 242, 15, "White"},
    {255, 255, 255, 0, "???"},
    {194, 218, 184, 17, "Pastel Green"},
    {243, 207, 155, 18, "Light Yellow"},
    {249, 233, 153, 19, "Tan"},
    {215, 196, 230, 20, "Light purple"},
    {224, 255, 176, 21, "Gold"},
    {122, 37, 143, 22, "Purple"},
    {35, 71, 139, 23, "Purple Blue"},
    {204, 204, 204, 383, "Chrome"},
    {218, 133, 64, 25, "Orange"},
}};

const std::array<TColourSwatch, 14> ColourSwatches = {{
    {"Red", 4},
    {"White", 15},
    {"Grey", 7},
    {"Dark grey", 8},
    {"Black", 0},
    {"Yellow", 14},
    {"Orange", 25},
    {"Purple Blue", 23},
    {"Tan", 19},
    {"Brown", 6},
    {"Green", 2},
    {"Pastel Green", 17},
    {"Light blue", 9},
    {"Cyan", 11},
}};

int32_t ColourOfLDrawNumber(int number) {
    for (const TLDrawColour& c : LDrawColourTable)
        if (c.Number == number)
            return c.Colour();
    return LDrawColourTable[0].Colour();
}

int32_t ColourOfLDraw(int number) {
    for (const TLDrawColour& c : LDrawColourTable)
        if (c.Number == number)
            return c.Colour();
    return 0xFFFFFF;
}

int LDrawColourOf(int32_t colour) {
    for (const TColourSwatch& swatch : ColourSwatches)
        if (swatch.Colour() == colour)
            return swatch.LDrawNumber;
    int r = colour & 0xFF, g = (colour >> 8) & 0xFF, b = (colour >> 16) & 0xFF;
    int best = 195076; // one more than 3 * 255 * 255, so the first entry always wins over it
    int number = 0;
    for (const TLDrawColour& c : LDrawColourTable) {
        int dr = r - c.R, dg = g - c.G, db = b - c.B;
        int distance = dr * dr + dg * dg + db * db;
        if (distance < best) {
            best = distance;
            number = c.Number;
        }
    }
    return number;
}
