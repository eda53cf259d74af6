#pragma once
// The colours of an LDraw library's colour table (LDConfig.ldr), for the colour numbers the
// built-in table lacks.

#include "exchange/ldraw/LDrawPartLine.h"

#include <cstdint>
#include <map>
#include <string>

struct TLDrawColourValue {
    int32_t Colour = 0xFFFFFF; // red in the low byte
    bool Transparent = false;
};

class TLDrawColourBook {
public:
    TLDrawColourBook() = default;
    // Reads the "0 !COLOUR name CODE n VALUE #RRGGBB [ALPHA a] ..." lines of a colour table;
    // other lines and damaged entries are passed over.
    void Read(const std::string& text);
    // Reads the table file of a library folder (LDConfig.ldr in any letter case); no file, no
    // colours.
    void ReadLibrary(const std::string& libraryFolder);

    const TLDrawColourValue* Find(int32_t number) const;
    // The first number whose colour and transparency are exactly these, or -1.
    int32_t NumberOf(int32_t colour, bool transparent) const;
    size_t Count() const { return Colours.size(); }

private:
    std::map<int32_t, TLDrawColourValue> Colours;
};

// The colour a brick or polygon takes for a colour code: a direct colour as it is; 32 to 63 the
// see-through form of number - 32; a built-in number its table colour; else the book's colour
// when a book is given; else white.
TLDrawColourValue ResolveLDrawColour(const TLDrawColourCode& code, const TLDrawColourBook* book);
