// A turned brick draws exactly as its unturned double seen as far further round, from every
// octant: every quarter turn for kinds that turn by their frame, the half turn alone for plain
// boxes and sloped kinds (a quarter-turned slope keeps the side order of the view).

#include "render/RenderTestSupport.h"
#include "render/bricks/DrawBrick.h"
#include "render/bricks/EveryKind.h"
#include "render/bricks/TurnFrame.h"
#include "support/ShippedAppDir.h"

#include <gtest/gtest.h>

namespace {

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

class TurnedBrick : public ::testing::TestWithParam<TKind> {
protected:
    TShippedAppDir Shipped;
};

TEST_P(TurnedBrick, IsTheUnturnedOneSeenAsFarFurtherRound) {
    for (bool shaded : {true, false}) {
        if (!shaded && GetParam().ShadedOnly)
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
                auto brick = GetParam().Make();
                brick->Studs = true;
                for (int t = 0; t < turn; ++t)
                    brick->Rotate();
                auto unturned = UnturnedDouble(*brick);
                auto seen = Render(*brick, context, tilt, azimuth);
                auto expected = Render(*unturned, context, tilt, azimuth + 90 * turn);
                EXPECT_EQ(DifferingPixels(seen->Bitmap, expected->Bitmap), 0)
                    << "turn " << turn << " octant " << octant << " shaded " << shaded;
            }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryKind, TurnedBrick, ::testing::ValuesIn(EveryKind),
                         [](const auto& info) { return std::string(info.param.Name); });

} // namespace
