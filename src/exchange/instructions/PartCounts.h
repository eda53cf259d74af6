#pragma once
// Distinct parts among bricks and how many of each: what a step adds and what the whole model
// needs.

#include <compare>
#include <cstdint>
#include <string>
#include <vector>

class TBlock;

// What makes two bricks the same part to buy: kind, size (either way round), studs, the
// baseplate flag, the part definition or identity, colour and transparency.
struct TPartKind {
    char Kind = 'B';
    int32_t Long = 0, Short = 0, Height = 0; // model units; Long >= Short
    bool Studs = false, Baseplate = false;
    std::string DefFile, DefPart; // general blocks only
    std::string PartID;
    int32_t Colour = 0;
    bool Transparent = false;

    auto operator<=>(const TPartKind&) const = default;
};

TPartKind PartKindOf(const TBlock& brick);

struct TPartCount {
    TPartKind Kind;
    const TBlock* Sample = nullptr; // the first brick of the kind, for look-ups and pictures
    int Count = 0;
};

// One entry per distinct part, in the order of TPartKind.
std::vector<TPartCount> CountParts(const std::vector<TBlock*>& bricks);

// The part's kind and size in words, e.g. "Brick 4 x 2" or "Plate 6 x 1".
std::string PartDescription(const TPartKind& kind);

// The part's own text form, for parts no LDraw part stands for: a palette key such as
// "B4x2x3" or "G parts.dat, arch".
std::string PartTextForm(const TPartKind& kind);
