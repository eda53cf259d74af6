// The sloped tops of ridge ends and corners drawn alone, one tile per azimuth and turn either
// side of where their faces change order, compared whole with a reference strip.

#include "model/BlockKinds.h"
#include "render/RenderTestSupport.h"
#include "render/bricks/BrickDrawers.h"
#include "render/bricks/RoofFrame.h"
#include "support/ReferenceFile.h"

#include <gtest/gtest.h>

namespace {

constexpr int32_t Green = 0x30A050;
constexpr int Tile = 120;

struct TTopCase {
    char Kind;
    int RotZ, Turn;
};

// The ridge end's order follows the azimuth plus 90 per quarter turn, unreduced: its back slope
// comes first from 130 to 180 and from 220 on, turned. The corner's left slope comes first
// from 220 on, a quarter turn counting as 90 more.
const TTopCase Cases[] = {{'E', 129, 1}, {'E', 130, 1}, {'E', 180, 1}, {'E', 190, 1}, {'E', 220, 1},
                          {'E', 300, 1}, {'E', 200, 0}, {'E', 300, 0}, {'C', 219, 0}, {'C', 220, 0},
                          {'C', 300, 0}, {'C', 129, 1}, {'C', 130, 1}};

TEST(RoofTopGroup, FacesTakeTheOrderOfTheReference) {
    TBitmap strip(Tile * int(std::size(Cases)), Tile);
    for (int tile = 0; tile < int(std::size(Cases)); ++tile) {
        const TTopCase& c = Cases[tile];
        TDrawContext context;
        SetView(context, 50, c.RotZ, 1.5f, 60, 60);
        // Odd turns exchange the extents, so the ridge end's frame is 60 x 40 either way.
        const bool across = c.Kind == 'E' && c.Turn % 2 != 0;
        auto brick = MakeBrick(c.Kind, -30, -30, -12, across ? 40 : 60,
                               c.Kind == 'C' || across ? 60 : 40, 24, Green, false, c.Turn);
        TTestCanvas canvas(Tile, Tile, context);
        canvas.Target.Canvas().Brush.Colour = TColour(Green);
        canvas.Target.Canvas().Pen.Colour = 0x202020;
        context.Shaded = true;
        TRoofFrame frame(*brick, canvas.Target, context);
        if (c.Kind == 'E')
            TRoofTopEndDrawer(*brick).DrawTopGroup(frame, false);
        else
            TRoofCornerDrawer(*brick).DrawTopGroup(frame, false);
        strip.Canvas().Draw(tile * Tile, 0, canvas.Bitmap);
    }
    EXPECT_TRUE(MatchesReferencePicture(strip, "render/roof-top-group.png"));
}

} // namespace
