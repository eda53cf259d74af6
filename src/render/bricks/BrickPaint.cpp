#include "render/bricks/BrickPaint.h"

#include "model/Block.h"
#include "raster/Bitmap.h"
#include "raster/DrawObject.h"
#include "render/DrawContext.h"
#include "render/Shading.h"
#include "render/bricks/BrickDrawers.h"

#include <cstdlib>

namespace {

bool SeeThroughColour(const TBlock& brick) {
    return brick.Colour == 0xFFFF00 || brick.Transparent;
}

// Wireframe and a see-through baseplate seen from below draw outlines only.
bool ClearBrush(const TBlock& brick, const TDrawContext& context) {
    return context.WireFrame ||
           (brick.Baseplate && context.SeeThroughBaseplate && context.View.Octant >= 4);
}

} // namespace

TDrawContext& DrawContextOf(TDrawObject& target) {
    return *target.Context;
}

void PrepareBrickStyle(const TBlock& brick, TCanvas& canvas, TDrawContext& context) {
    const TDrawColours& colours = context.Colours;
    TColour colour = TColour(brick.Colour);
    canvas.Brush.Colour = colour;
    if (brick.Selected)
        canvas.Pen.Colour = brick.Colour == colours.ColourRed ? 0xFFFFFF : colours.ColourRed;
    else
        canvas.Pen.Colour = EdgeColourOf(brick.Colour, colours);
    context.Shaded = context.Shading;
    if (ClearBrush(brick, context)) {
        canvas.Brush.Style = TBrushStyle::bsClear;
        canvas.Pen.Colour = colour;
        context.Shaded = false;
    } else if (SeeThroughColour(brick)) {
        canvas.Brush.Style = TBrushStyle::bsDiagCross;
    }
}

void PrepareBrickPaint(const TBlock& brick, TCanvas& canvas, TDrawContext& context) {
    PrepareBrickStyle(brick, canvas, context);
    if (!context.Shaded)
        return;
    const TDrawColours& colours = context.Colours;
    bool keepsEdge = brick.Colour == colours.ColourBlack || brick.Colour == colours.ColourBlue;
    const TScaleMemo::TShades& shades = context.ScaledColours.Shades(
        int32_t(canvas.Brush.Colour), keepsEdge ? int32_t(canvas.Pen.Colour) : brick.Colour,
        {context.LightFactor[0], context.LightFactor[1], context.LightFactor[2]});
    if (!brick.Selected)
        canvas.Pen.Colour = TColour(shades.Edge);
    context.FaceColour1 = shades.Faces[0];
    context.FaceColour2 = shades.Faces[1];
    context.FaceColour3 = shades.Faces[2];
}

bool PrepareNearestFirst(const TBlock& brick, TDrawObject& target) {
    TDrawContext& context = DrawContextOf(target);
    const TFastDraw* surface = target.FastSurface();
    // Full studs draw each stud's side before its top, which backwards would need reversing.
    if (brick.SX == 0 || !surface || !surface->CoverMask || context.StudStyle == StudFull ||
        context.StudStyle == StudEllipse)
        return false;
    TCanvas& canvas = target.Canvas();
    PrepareBrickPaint(brick, canvas, context);
    return context.Shaded && canvas.Brush.Style == TBrushStyle::bsSolid;
}

void DrawForOctant(TBlockDrawer& drawer, TDrawObject& target, int octant) {
    if (octant >= 0 && octant < 8)
        drawer.DrawOctant(target, octant);
}

void DrawStudsOrUnderside(TBlockDrawer& drawer, const TBlock& brick, TDrawObject& target,
                          const TDrawContext& context) {
    if (!brick.Studs || context.StudsHidden || int64_t(brick.SX) * brick.SY <= 0)
        return;
    if (context.View.Octant < 4)
        drawer.DrawStuds(target);
    else
        drawer.DrawUnderside(target);
}

TStudWindow StudWindowFor(TDrawObject& target, const TDrawContext& context, const TBlock& brick,
                          double baseX, double baseY, double z, bool studs) {
    // Small lattices are walked whole, and most bricks have one: no window to work out.
    if (int64_t(brick.SX / 20) * (brick.SY / 20) <= 64)
        return TStudWindow();
    const TStudMetrics& m = context.Studs;
    int reachX = std::abs(m.StudRX) + (studs ? std::abs(m.StudUp.X) + 1 : 0);
    int reachY = std::abs(m.StudRY) + (studs ? std::abs(m.StudUp.Y) + 1 : 0);
    // The drawing's size, which a bitmap holding rows of a page does not have.
    const TRect drawing = target.Canvas().ClipRect();
    return TStudWindow(context.View, baseX, baseY, z, reachX, reachY, drawing.Right + 1,
                       drawing.Bottom + 1);
}

void ResetAfterDraw(TCanvas& canvas, const TDrawContext& context) {
    const TBrickPaint paint = PaintAfterDraw(context);
    canvas.Pen = paint.Pen;
    canvas.Brush = paint.Brush;
}

TBrickPaint PaintAfterDraw(const TDrawContext& context) {
    return {{TColour(context.Colours.ColourBlack)}, {0xC0C0C0, TBrushStyle::bsSolid}};
}
