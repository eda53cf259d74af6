#include "exchange/instructions/PartNames.h"

#include "base/LDrawColours.h"
#include "exchange/ldraw/LDrawMap.h"

int LDrawColourNumber(int32_t colour, bool transparent) {
    const int number = LDrawColourOf(colour);
    return transparent ? number | 32 : number;
}

std::string LDrawColourName(int number) {
    // The transparent numbers are the table's numbers with 32 added.
    const bool transparent = number >= 32 && number < 64;
    const int solid = transparent ? number - 32 : number;
    for (const TLDrawColour& colour : LDrawColourTable)
        if (colour.Number == solid)
            return (transparent ? "Trans-" : "") + std::string(colour.Name);
    return "Colour " + std::to_string(number);
}

std::vector<TNamedPart> NameParts(const std::vector<TPartCount>& parts, const TLDrawMap& map) {
    std::vector<TNamedPart> named;
    named.reserve(parts.size());
    for (const TPartCount& part : parts) {
        TNamedPart entry;
        entry.LDrawPart = map.PartNameFor(*part.Sample);
        entry.PartNumber = entry.LDrawPart.empty() ? PartTextForm(part.Kind) : entry.LDrawPart;
        entry.Description = PartDescription(part.Kind);
        entry.LDrawColour = LDrawColourNumber(part.Kind.Colour, part.Kind.Transparent);
        entry.ColourName = LDrawColourName(entry.LDrawColour);
        entry.Count = part.Count;
        entry.Part = part;
        named.push_back(std::move(entry));
    }
    return named;
}
