#pragma once
// Renders that compare a turned brick with its unturned double seen a quarter turn further.

#include "RenderTestSupport.h"
#include "render/bricks/TurnFrame.h"

#include <gtest/gtest.h>

// The unturned brick of the same kind that occupies the turned one's frame box.
inline std::unique_ptr<TBlock> UnturnedDouble(const TBlock& brick) {
    TTurnFrame frame = FrameOfTurn(brick);
    auto copy = Clone(brick);
    copy->Turn = 0;
    copy->X = int32_t(frame.X), copy->Y = int32_t(frame.Y);
    copy->SX = int32_t(frame.SX), copy->SY = int32_t(frame.SY);
    return copy;
}

// Draws the brick at the view (tilt, azimuth) and its unturned double at azimuth + 90 x turn;
// returns the number of pixels that differ.
inline int TurnedDifference(TBlock& brick, int tilt, int azimuth, bool shaded) {
    auto draw = [&](TBlock& b, int az) {
        TDrawContext context;
        context.Shading = shaded;
        context.Light = {0, 0, 10}; // the same light on every side
        context.ComputeLightFactors();
        SetView(context, tilt, az, 1.25f, 80.3f, 70.3f);
        auto canvas = std::make_unique<TTestCanvas>(160, 140, context, 0x000000);
        b.Draw(canvas->Target);
        return canvas;
    };
    auto turned = draw(brick, azimuth);
    auto unturned = UnturnedDouble(brick);
    auto seen = draw(*unturned, azimuth + 90 * (brick.Turn & 3));
    int differences = 0;
    for (int y = 0; y < 140; ++y)
        for (int x = 0; x < 160; ++x)
            differences += turned->At(x, y) != seen->At(x, y);
    return differences;
}
