// A brick of every kind but the window drawn straight into a surface with a cover mask, nearest
// first, against the same brick drawn forwards: the pixels must agree byte for byte,
// also where something nearer is drawn already; what cannot be drawn that way must draw nothing.

#include "model/GeneralBlock.h"
#include "raster/CoverMask.h"
#include "raster/DrawObject.h"
#include "render/CityScene.h"
#include "render/ForeseenBoxes.h"
#include "render/bricks/DrawBrick.h"
#include "support/Bricks.h"
#include "support/ShippedAppDir.h"

#include <gtest/gtest.h>

namespace {

constexpr int Width = 150, Height = 110;
constexpr TColour Nearer = 0x3366CC;

// Something nearer, drawn before the box front to back and after it back to front.
const TRect Cover{Width / 2, 0, Width - 1, Height / 2};

void PaintCover(TBitmap& bitmap) {
    for (int y = Cover.Top; y <= Cover.Bottom; ++y)
        for (int x = Cover.Left; x <= Cover.Right; ++x)
            bitmap.SetPixel(x, y, Nearer);
}

struct TNearestFirst {
    TBitmap Bitmap;
    TCanvas Canvas;
    TDrawObject Target;
    TCoverMask Mask;

    TNearestFirst(TPixelFormat format, TDrawContext& context, bool covered)
        : Bitmap(Width, Height, format), Canvas(Bitmap),
          Target(TDrawObject::CreateForBand(Bitmap, Canvas)) {
        Target.Context = &context;
        TFastDraw& surface = *Target.FastSurface();
        Mask.Reset(surface.RowStep, 0, Height - 1);
        surface.SetCoverMask(&Mask);
        Canvas.CoverMask = &Mask; // for ellipses, which the canvas draws
        if (!covered)
            return;
        PaintCover(Bitmap);
        for (int y = Cover.Top; y <= Cover.Bottom; ++y)
            for (int x = Cover.Left; x <= Cover.Right; ++x) {
                const std::size_t bit = std::size_t(y) * std::size_t(Mask.Pitch()) + std::size_t(x);
                Mask.Words()[bit / 64] |= uint64_t(1) << (bit % 64);
            }
    }
};

} // namespace

TEST(BoxNearestFirst, GivesThePixelsOfTheBrickDrawnForwards) {
    TShippedAppDir shipped;
    TBrickVector bricks;
    bricks.push_back(MakeBrick('B', 0, 0, 0, 40, 80, 24));    // a 2 x 4 brick
    bricks.push_back(MakeBrick('B', -40, 20, 24, 60, 20, 8)); // a 3 x 1 plate
    bricks.push_back(MakeBrick('B', 20, -40, 0, 20, 20, 96)); // a tall pillar
    // Every sloped kind, round bricks, doors and wheels in every turn, with studs and tube rings.
    for (const char kind : {'T', 'N', 'E', 'C', 'I', 'R', 'D', 'O'})
        for (int turn = 0; turn < 4; ++turn)
            bricks.push_back(MakeBrick(kind, -20, -20, 0, 60, 40, 24, 0xC08040, true, turn));
    // Too shallow and given backwards: their shapes reach out of their boxes.
    bricks.push_back(MakeBrick('T', 0, 0, 0, 40, 10, 24, 0xC08040, true, 1));
    bricks.push_back(MakeBrick('C', 40, 40, 0, -40, -40, 24, 0xC08040, true, 2));
    // General blocks of shipped parts, flat, curved and with outlined edges, turned each way.
    int turn = 0;
    for (const char* part : {"stdblock", "curve2x1", "cone1x1", "arch1x4"}) {
        auto block = std::make_unique<TGeneralBlock>();
        block->Colour = 0x40A0C0;
        block->Turn = turn++ % 4;
        block->SetDefinition("parts.dat", part);
        bricks.push_back(std::move(block));
    }
    TCity city(std::move(bricks), Width, Height);
    city.SetMode(Shaded);
    for (int i = 0; i < city.Model.Count(); ++i)
        city.Model.Items(i).Transparent = false;
    const TLook looks[] = {{70, 30, 0.8f},  {70, 120, 0.8f},  {60, 210, 1.6f},  {80, 300, 0.8f},
                           {110, 30, 0.8f}, {130, 120, 1.6f}, {130, 250, 0.8f}, {100, 300, 0.8f}};
    for (const TLook& look : looks) {
        city.Look(look);
        for (const TPixelFormat format : {TPixelFormat::pf16bit, TPixelFormat::pf32bit})
            for (const bool covered : {false, true})
                for (int i = 0; i < city.Model.Count(); ++i) {
                    const TBlock& brick = city.Model.Items(i);
                    TBitmap forwards(Width, Height, format);
                    TDrawObject plain = TDrawObject::CreateFromBitmap(forwards);
                    plain.Context = &city.Context;
                    DrawBrick(brick, plain);
                    const TBitmap blank(Width, Height, format);
                    ASSERT_FALSE(SameBytes(forwards, blank));
                    // Drawn straight, a sloped brick is passed over by the box foreseen for it.
                    TRect box{0, 0, -1, -1};
                    TPartExtents extents;
                    const TBoxProjection projection(city.Context.View, StudRaise(city.Context));
                    TForeseenBoxes(projection, city.Context, extents).BoxOf(brick, box);
                    for (int y = 0; y < Height && box.Left <= box.Right; ++y)
                        for (int x = 0; x < Width; ++x)
                            ASSERT_TRUE(forwards.Pixel(x, y) == blank.Pixel(x, y) ||
                                        (x >= box.Left && x <= box.Right && y >= box.Top &&
                                         y <= box.Bottom))
                                << "brick " << i << " writes " << x << "," << y << " off its box";
                    if (covered)
                        PaintCover(forwards);

                    TNearestFirst nearestFirst(format, city.Context, covered);
                    ASSERT_TRUE(DrawNearestFirst(brick, nearestFirst.Target));
                    EXPECT_TRUE(SameBytes(forwards, nearestFirst.Bitmap))
                        << "look " << look.Tilt << "/" << look.Azimuth << " format " << int(format)
                        << (covered ? " covered" : "") << " brick " << i;
                    EXPECT_EQ(nearestFirst.Canvas.Pen.Colour, forwards.Canvas().Pen.Colour);
                    EXPECT_EQ(nearestFirst.Canvas.Brush.Colour, forwards.Canvas().Brush.Colour);
                }
    }
}

TEST(BoxNearestFirst, DrawsNothingWhereItCannotHold) {
    TBrickVector bricks;
    bricks.push_back(MakeBrick('B', 0, 0, 0, 40, 80, 24));
    TCity city(std::move(bricks), Width, Height);
    city.Look({70, 30, 0.8f});
    TBlock& brick = city.Model.Items(0);
    struct TCase {
        TMode Mode;
        bool SeeThrough;
        TBrushStyle Brush; // left by the brick before
        const char* What;
    };
    const TCase cases[] = {
        {Plain, false, TBrushStyle::bsSolid, "no shading"},
        {FullStuds, false, TBrushStyle::bsSolid, "full studs"},
        {WireFrame, false, TBrushStyle::bsSolid, "wire frame"},
        {Shaded, true, TBrushStyle::bsSolid, "see-through colour"},
        {Shaded, false, TBrushStyle::bsDiagCross, "hatched brush left before"},
        {Shaded, false, TBrushStyle::bsClear, "clear brush left before"},
    };
    for (const TCase& c : cases) {
        city.SetMode(c.Mode);
        brick.Transparent = c.SeeThrough;
        TNearestFirst nearestFirst(TPixelFormat::pf32bit, city.Context, false);
        nearestFirst.Canvas.Brush.Style = c.Brush;
        TBitmap untouched(Width, Height, TPixelFormat::pf32bit);
        EXPECT_FALSE(DrawBoxNearestFirst(brick, nearestFirst.Target)) << c.What;
        EXPECT_TRUE(SameBytes(untouched, nearestFirst.Bitmap)) << c.What;
    }
    // Windows, whose glass blends, and decorated parts leave it to a recording.
    TShippedAppDir shipped;
    TBrickVector window;
    window.push_back(MakeBrick('W', 0, 0, 0, 40, 20, 24));
    auto decorated = std::make_unique<TGeneralBlock>();
    decorated->SetDefinition("parts.dat", "facetile2x2");
    window.push_back(std::move(decorated));
    TCity windowCity(std::move(window), Width, Height);
    windowCity.SetMode(Shaded);
    TNearestFirst nearestFirst(TPixelFormat::pf32bit, windowCity.Context, false);
    EXPECT_FALSE(DrawNearestFirst(windowCity.Model.Items(0), nearestFirst.Target));
    EXPECT_FALSE(DrawNearestFirst(windowCity.Model.Items(1), nearestFirst.Target));
    // Without a cover mask the first write would not win.
    city.SetMode(Shaded);
    brick.Transparent = false;
    TBitmap bitmap(Width, Height, TPixelFormat::pf32bit);
    TDrawObject plain = TDrawObject::CreateFromBitmap(bitmap);
    plain.Context = &city.Context;
    EXPECT_FALSE(DrawBoxNearestFirst(brick, plain));
}
