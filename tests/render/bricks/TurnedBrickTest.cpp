// A turned brick draws exactly as its unturned double seen as far further round, from every
// octant: every quarter turn for kinds that turn by their frame, the half turn alone for plain
// boxes and sloped kinds (a quarter-turned slope keeps the side order of the view).

#include "base/FileNames.h"
#include "model/GeneralBlock.h"
#include "parts/PartCache.h"
#include "render/RenderTestSupport.h"
#include "render/bricks/DrawBrick.h"
#include "render/bricks/TurnFrame.h"
#include "support/ShippedAppDir.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

constexpr int32_t Colour = 0x3C78C8;

// The unturned brick of the same kind that occupies the turned one's frame box.
std::unique_ptr<TBlock> UnturnedDouble(const TBlock& brick) {
    TTurnFrame frame = FrameOfTurn(brick);
    auto copy = Clone(brick);
    copy->Turn = 0;
    copy->X = int32_t(frame.X), copy->Y = int32_t(frame.Y);
    copy->SX = int32_t(frame.SX), copy->SY = int32_t(frame.SY);
    return copy;
}

std::unique_ptr<TTestCanvas> Render(TBlock& brick, TDrawContext& context, int tilt, int azimuth) {
    SetView(context, tilt, azimuth, 1.25f, 80.3f, 70.3f);
    auto canvas = std::make_unique<TTestCanvas>(160, 140, context, 0x000000);
    DrawBrick(brick, canvas->Target);
    return canvas;
}

struct TTurnCase {
    const char* Name;
    std::function<std::unique_ptr<TBlock>(int turn)> Make;
    bool UnshadedToo; // only bricks whose faces keep their colours unshaded are tried both ways
    bool HalfTurnOnly;
};

std::unique_ptr<TBlock> Turned(std::unique_ptr<TBlock> brick, int turn) {
    for (int t = 0; t < turn; ++t)
        brick->Rotate();
    return brick;
}

std::unique_ptr<TBlock> General(const char* part, int turn) {
    auto block = std::make_unique<TGeneralBlock>();
    block->X = -20, block->Y = -30, block->Z = -12;
    block->Colour = Colour;
    block->Studs = true;
    block->Turn = turn;
    block->SetDefinition("parts.dat", part);
    return block;
}

std::function<std::unique_ptr<TBlock>(int)> Kind(char kind, int x, int y, int z, int sx, int sy,
                                                 int sz) {
    return [=](int t) { return Turned(MakeBrick(kind, x, y, z, sx, sy, sz, Colour, true), t); };
}

const TTurnCase TurnCases[] = {
    // Quarter turns of a plain box land a few edge pixels off the view turned round.
    {"Brick", Kind('B', -20, -30, -12, 40, 60, 24), true, true},
    {"Round", Kind('R', -30, -30, -12, 60, 60, 24), true, false},
    {"Window", Kind('W', -30, -10, -36, 60, 20, 72), true, false},
    {"Door", Kind('D', -40, -10, -48, 80, 20, 96), true, false},
    {"Wheel", Kind('O', -20, -20, -28, 40, 40, 56), true, false},
    {"Corner", [](int t) { return General("corner2x2", t); }, false, false},
    {"Arch", [](int t) { return General("arch1x4", t); }, false, false},
    {"Roof", Kind('T', -30, -20, -12, 60, 40, 24), true, true},
    {"InnerCorner", Kind('N', -30, -20, -12, 60, 40, 24), true, true},
    {"OuterCorner", Kind('C', -30, -20, -12, 60, 40, 24), true, true},
    {"RidgeEnd", Kind('E', -30, -20, -12, 60, 40, 24), true, true},
    {"RidgeCorner", Kind('I', -30, -20, -12, 60, 40, 24), true, true},
};

void PrintTo(const TTurnCase& c, std::ostream* out) {
    *out << c.Name;
}

class TurnedBrick : public ::testing::TestWithParam<TTurnCase> {
protected:
    TShippedAppDir Shipped;
};

TEST_P(TurnedBrick, IsTheUnturnedOneSeenAsFarFurtherRound) {
    for (bool shaded : {true, false}) {
        if (!shaded && !GetParam().UnshadedToo)
            continue;
        TDrawContext context;
        context.Shading = shaded;
        context.Light = {0, 0, 10}; // the same light on every side
        context.ComputeLightFactors();
        for (int turn = 1; turn < 4; ++turn)
            for (int octant = 0; octant < 8; ++octant) {
                const int tilt = octant < 4 ? 60 : 120, azimuth = 40 + 90 * (octant & 3);
                if (GetParam().HalfTurnOnly && turn != 2)
                    continue;
                auto brick = GetParam().Make(turn);
                auto unturned = UnturnedDouble(*brick);
                auto seen = Render(*brick, context, tilt, azimuth);
                auto expected = Render(*unturned, context, tilt, azimuth + 90 * turn);
                EXPECT_EQ(DifferingPixels(seen->Bitmap, expected->Bitmap), 0)
                    << "turn " << turn << " octant " << octant << " shaded " << shaded;
            }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryKind, TurnedBrick, ::testing::ValuesIn(TurnCases),
                         [](const auto& info) { return std::string(info.param.Name); });

} // namespace
