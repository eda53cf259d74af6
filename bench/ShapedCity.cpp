#include "ShapedCity.h"

#include "CityModel.h"

#include <iterator>

TBrickVector MakeShapedCity(size_t count, uint32_t seed) {
    static const char Kinds[] = {'R', 'T', 'N', 'C', 'E', 'I'};
    TBrickVector bricks = MakeCity(count, seed);
    size_t shaped = 0;
    for (size_t i = 0; i < bricks.size(); ++i) {
        const TBlock& plain = *bricks[i];
        if (plain.Baseplate || i % 2 != 0)
            continue;
        char kind = Kinds[shaped++ % std::size(Kinds)];
        if (kind == 'R' && plain.SX != plain.SY)
            kind = 'T';
        std::unique_ptr<TBlock> brick = NewBlockOfKind(kind);
        brick->Kind = kind;
        brick->X = plain.X, brick->Y = plain.Y, brick->Z = plain.Z;
        brick->SX = plain.SX, brick->SY = plain.SY, brick->SZ = plain.SZ;
        brick->Turn = kind == 'R' ? 0 : int32_t(shaped / std::size(Kinds) % 4);
        bricks[i] = std::move(brick);
    }
    return bricks;
}
