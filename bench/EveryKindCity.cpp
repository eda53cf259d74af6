#include "EveryKindCity.h"

#include "CityModel.h"
#include "model/GeneralBlock.h"

#include <string>

namespace {

// A shipped part for a footprint in studs and a height in units; turned when its box lies the
// other way.
struct TPartFit {
    int W, D, H;
    const char* Part;
};
constexpr TPartFit Fits[] = {
    {2, 2, 8, "facetile2x2"}, {2, 2, 8, "round2x2"},    {1, 2, 8, "grille1x2"},
    {2, 2, 24, "corner2x2"},  {2, 2, 24, "stdblock"},   {2, 1, 24, "curve2x1"},
    {1, 4, 24, "arch1x4"},    {1, 1, 24, "lantern1x1"}, {1, 1, 24, "cone1x1"}};

std::unique_ptr<TBlock> GeneralBlockFor(const TBlock& brick, size_t n) {
    int w = brick.SX / 20, d = brick.SY / 20;
    for (size_t k = 0; k < std::size(Fits); ++k) {
        const TPartFit& fit = Fits[(k + n) % std::size(Fits)];
        bool straight = fit.W == w && fit.D == d, turned = fit.W == d && fit.D == w;
        if ((!straight && !turned) || fit.H != brick.SZ)
            continue;
        auto block = std::make_unique<TGeneralBlock>();
        block->X = brick.X, block->Y = brick.Y, block->Z = brick.Z;
        block->Turn = int32_t(n % 2) * 2 + (straight ? 0 : 1);
        block->SetDefinition("parts.dat", fit.Part);
        return block;
    }
    return nullptr;
}

constexpr char Kinds[] = "BRTNCIEWDOG";

// The brick as kind Kinds[n % 11], turned by n / 11 quarters; nullptr to keep it plain.
std::unique_ptr<TBlock> Converted(const TBlock& brick, size_t n) {
    char kind = Kinds[n % (std::size(Kinds) - 1)];
    if (kind == 'B')
        return nullptr;
    if (kind == 'G')
        return GeneralBlockFor(brick, n / 11);
    std::unique_ptr<TBlock> result = NewBlockOfKind(kind);
    result->Kind = kind;
    result->X = brick.X, result->Y = brick.Y, result->Z = brick.Z;
    result->SX = brick.SX, result->SY = brick.SY, result->SZ = brick.SZ;
    // The frame of a window, door or wheel along the brick's long side, facing either way.
    bool frame = kind == 'W' || kind == 'D' || kind == 'O';
    result->Turn =
        frame ? int32_t(n / 11 % 2) * 2 + (brick.SX < brick.SY ? 1 : 0) : int32_t(n / 11 % 4);
    return result;
}

} // namespace

TBrickVector MakeEveryKindCity(size_t count) {
    TBrickVector bricks = MakeCity(count);
    for (size_t i = 0; i < bricks.size(); ++i) {
        if (bricks[i]->Baseplate)
            continue;
        if (auto other = Converted(*bricks[i], i))
            bricks[i] = std::move(other);
    }
    return bricks;
}
