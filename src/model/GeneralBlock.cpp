#include "model/GeneralBlock.h"

#include "parts/DrawClass.h"
#include "parts/PartCache.h"

void TGeneralBlock::Create(int32_t x, int32_t y, int32_t z, int32_t sx, int32_t sy, int32_t sz,
                           int32_t colour, bool studs, bool baseplate, bool transparent,
                           const std::string& partID) {
    TBlock::Create(x, y, z, sx, sy, sz, colour, studs, baseplate, transparent, partID);
}

TBlock& TGeneralBlock::SetDefinition(const std::string& file, const std::string& part) {
    TDrawClass& definition = GetDrawClass(file, part);
    Definition = &definition;
    Variant = definition.PartVariant;
    if (Turn % 2 != 0) {
        SX = definition.BBY;
        SY = definition.BBX;
    } else {
        SX = definition.BBX;
        SY = definition.BBY;
    }
    SZ = definition.BBZ;
    Kind = 'G';
    return *this;
}

static int QuarterOf(int32_t turn) {
    return ((turn % 4) + 4) % 4;
}

TPoint3 TurnPartPoint(const TPoint3& p, int32_t turn, int32_t bbx, int32_t bby) {
    // Wrapping arithmetic: absurd coordinates from a file give absurd points, not a fault.
    auto minus = [](int32_t a, int32_t b) { return int32_t(uint32_t(a) - uint32_t(b)); };
    switch (QuarterOf(turn)) {
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

int LocalOctant(int viewOctant, int32_t turn) {
    int q = viewOctant % 4;
    int below = viewOctant >= 4 ? 4 : 0;
    return (q + QuarterOf(turn)) % 4 + below;
}

void TGeneralBlock::Rotate() {
    if (Definition) {
        const auto& offset = Definition->RotOffsets[size_t(QuarterOf(Turn))];
        X = int32_t(uint32_t(X) + uint32_t(offset[0]) * 20u);
        Y = int32_t(uint32_t(Y) + uint32_t(offset[1]) * 20u);
    }
    TBlock::Rotate();
}

std::string TGeneralBlock::SaveToString() const {
    return SaveGeneralBlockToString(*this);
}

std::string TGeneralBlock::FileName() const {
    return Definition ? Definition->FileName : "";
}

std::string TGeneralBlock::PartName() const {
    return Definition ? Definition->PartName : "";
}
