#pragma once
// One LDraw type-1 line in numbers: colour, position, matrix and the file it places.

#include <cstdint>
#include <string>
#include <vector>

// An LDraw colour: a colour number, or a direct colour written as 0x2RRGGBB (0x3RRGGBB for a
// see-through one).
struct TLDrawColourCode {
    int32_t Number = 16;
    bool Direct = false;
    bool Transparent = false; // a direct colour of the see-through form
    int32_t Rgb = 0;          // a direct colour as a colour value: red in the low byte
};

// A colour token: "0x2RRGGBB" (any letter case) is a direct colour; anything else must be a
// decimal integer and raises the conversion error otherwise. With transparentForm,
// "0x3RRGGBB" is a see-through direct colour as well.
TLDrawColourCode ParseLDrawColourCode(const std::string& token, bool transparentForm = false);

struct TLDrawPartLine {
    TLDrawColourCode Colour;
    double Position[3] = {0, 0, 0};
    double Matrix[9] = {1, 0, 0, 0, 1, 0, 0, 0, 1};
    std::string File;
};

// The numbers of a type-1 line already split into at least 14 tokens (the type first); the file
// is left to the caller. A number that does not convert raises the conversion error.
TLDrawPartLine ParseLDrawPartNumbers(const std::vector<std::string>& tokens,
                                     bool transparentForm = false);

// The line as seen through its parent's placement: the parent's matrix and position applied to
// the child's, and the parent's colour where the child says 16 (the main colour).
TLDrawPartLine ComposePlacement(const TLDrawPartLine& parent, const TLDrawPartLine& child);
