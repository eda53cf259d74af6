#pragma once
// What a parts list says about a part: its LDraw part number from the mapping table, its
// description, and its colour's LDraw number and name.

#include "exchange/instructions/PartCounts.h"

#include <string>
#include <vector>

class TLDrawMap;

struct TNamedPart {
    std::string LDrawPart;   // empty when no LDraw part stands for it
    std::string PartNumber;  // LDrawPart, or the part's own text form
    std::string Description; // kind and size
    int LDrawColour = 0;     // with 32 added for a transparent part, as the LDraw export writes
    std::string ColourName;
    int Count = 0;
    TPartCount Part;
};

// The LDraw number and name of a colour as the LDraw export would write it.
int LDrawColourNumber(int32_t colour, bool transparent);
std::string LDrawColourName(int number);

// Names every part through the loaded table; the table is not changed.
std::vector<TNamedPart> NameParts(const std::vector<TPartCount>& parts, const TLDrawMap& map);
