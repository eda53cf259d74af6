#pragma once
// A brick whose shape comes from a shared part definition (kind G).

#include "model/Block.h"
#include "parts/DrawClass.h"

class TGeneralBlock : public TBlock {
public:
    char ClassKind() const override { return 'G'; }
    std::unique_ptr<TBlock> NewOfSameClass() const override {
        return std::make_unique<TGeneralBlock>();
    }
    void Create(int32_t x, int32_t y, int32_t z, int32_t sx, int32_t sy, int32_t sz, int32_t colour,
                bool studs, bool baseplate, bool transparent, const std::string& partID) override;
    TBlock& SetDefinition(const std::string& file, const std::string& part) override;
    void Rotate() override;
    std::string SaveToString() const override;

    // Names of the bound definition; empty when none is bound.
    std::string FileName() const;
    std::string PartName() const;
};

std::string SaveGeneralBlockToString(const TGeneralBlock& block);

// A part-local point turned by turn t (any value, taken modulo 4) inside the part's box
// (bbx, bby); z is unchanged. The brick position is added by the caller. Called for every
// point a general block draws, hence inline.
inline TPoint3 TurnPartPoint(const TPoint3& p, int32_t turn, int32_t bbx, int32_t bby) {
    // Wrapping arithmetic: absurd coordinates from a file give absurd points, not a fault.
    auto minus = [](int32_t a, int32_t b) { return int32_t(uint32_t(a) - uint32_t(b)); };
    switch (((turn % 4) + 4) % 4) {
    case 1:
        return {p.Y, minus(bbx, p.X), p.Z};
    case 2:
        return {minus(bbx, p.X), minus(bby, p.Y), p.Z};
    case 3:
        return {minus(bby, p.Y), p.X, p.Z};
    default:
        return p;
    }
}
// The definition's octant to draw for a view octant when the brick has turned by turn.
int LocalOctant(int viewOctant, int32_t turn);
