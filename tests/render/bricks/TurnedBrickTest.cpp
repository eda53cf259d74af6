// A turned brick of every kind that turns by its frame draws exactly as its unturned double seen
// a quarter turn further round, from every octant.

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

const TTurnCase TurnCases[] = {
    {"Window",
     [](int t) { return Turned(MakeBrick('W', -30, -10, -36, 60, 20, 72, Colour, true), t); },
     true},
    {"Door",
     [](int t) { return Turned(MakeBrick('D', -40, -10, -48, 80, 20, 96, Colour, true), t); },
     true},
    {"Wheel",
     [](int t) { return Turned(MakeBrick('O', -20, -20, -28, 40, 40, 56, Colour, true), t); },
     true},
    {"Corner", [](int t) { return General("corner2x2", t); }, false},
    {"Arch", [](int t) { return General("arch1x4", t); }, false},
};

class TurnedBrick : public ::testing::TestWithParam<TTurnCase> {
protected:
    TShippedAppDir Shipped;
};

TEST_P(TurnedBrick, IsTheUnturnedOneSeenAQuarterFurther) {
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
