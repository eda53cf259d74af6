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
