#pragma once
// One brick of every kind, its box centred on the origin, for the tests that draw each kind.

#include "model/GeneralBlock.h"
#include "support/Bricks.h"

#include <functional>
#include <memory>
#include <ostream>

constexpr int32_t KindColour = 0x3C78C8;

inline std::unique_ptr<TBlock> GeneralOfPart(const char* part, int x, int y, int z) {
    auto block = std::make_unique<TGeneralBlock>();
    block->X = x, block->Y = y, block->Z = z;
    block->Colour = KindColour;
    block->SetDefinition("parts.dat", part);
    return block;
}

struct TKind {
    const char* Name;
    std::function<std::unique_ptr<TBlock>()> Make;
    float Scale; // so that the brick fits a tile of 64 pixels from every side
    // How its turns may be checked: sloped kinds keep the side order of the view, and a plain
    // box turned a quarter lands a few edge pixels off, so only their half turn is the unturned
    // kind seen further round; general blocks' faces keep their colours only when shaded.
    bool HalfTurnOnly = false, ShadedOnly = false;
};

const TKind EveryKind[] = {
    {"Brick", [] { return MakeBrick('B', -20, -30, -12, 40, 60, 24, KindColour); }, 0.6f, true},
    {"Round", [] { return MakeBrick('R', -30, -30, -12, 60, 60, 24, KindColour); }, 0.6f},
    {"Roof", [] { return MakeBrick('T', -30, -20, -12, 60, 40, 24, KindColour); }, 0.6f, true},
    {"InnerCorner", [] { return MakeBrick('N', -30, -30, -12, 60, 60, 24, KindColour); }, 0.6f,
     true},
    {"OuterCorner", [] { return MakeBrick('C', -30, -30, -12, 60, 60, 24, KindColour); }, 0.6f,
     true},
    {"RidgeCorner", [] { return MakeBrick('I', -30, -30, -12, 60, 60, 24, KindColour); }, 0.6f,
     true},
    {"RidgeEnd", [] { return MakeBrick('E', -30, -20, -12, 60, 40, 24, KindColour); }, 0.6f, true},
    {"Window", [] { return MakeBrick('W', -30, -10, -36, 60, 20, 72, KindColour); }, 0.5f},
    {"Door", [] { return MakeBrick('D', -40, -10, -48, 80, 20, 96, KindColour); }, 0.4f},
    {"Wheel", [] { return MakeBrick('O', -20, -20, -28, 40, 40, 56, KindColour); }, 0.6f},
    {"GeneralCorner", [] { return GeneralOfPart("corner2x2", -20, -20, -12); }, 0.6f, false, true},
    {"GeneralArch", [] { return GeneralOfPart("arch1x4", -20, -40, -12); }, 0.5f, false, true},
};

inline void PrintTo(const TKind& kind, std::ostream* out) {
    *out << kind.Name;
}
