#pragma once
// The parts of a brick's Draw that every kind shares: the drawing context of a target, pen and
// brush choice with shading and face colours, the octant dispatch and the reset afterwards.

#include "raster/Canvas.h"
#include "render/StudWindow.h"

class TBlock;
class TBlockDrawer;
class TDrawContext;
class TDrawObject;

TDrawContext& DrawContextOf(TDrawObject& target);

// Brush colour, the edge or selection pen and the brush style for wireframe, see-through
// baseplate and transparency; decides whether the brick is shaded. No face colours.
void PrepareBrickStyle(const TBlock& brick, TCanvas& canvas, TDrawContext& context);

// Pen and brush for the brick, the brush style for wireframe, see-through baseplate and
// transparency, and with shading on the shaded edge and the three face colours.
void PrepareBrickPaint(const TBlock& brick, TCanvas& canvas, TDrawContext& context);

// Whether the brick may be drawn nearest first through the target's cover mask, where the first
// write to a pixel wins: shaded with a solid brush, outline studs, a surface with a mask. Takes
// the brick's paint as PrepareBrickPaint; the paint and context may change even when it fails.
bool PrepareNearestFirst(const TBlock& brick, TDrawObject& target);

// The drawer's faces for an octant; nothing outside 0 to 7.
void DrawForOctant(TBlockDrawer& drawer, TDrawObject& target, int octant);

// Studs from above or tube rings from below, when the brick has them and they are shown.
void DrawStudsOrUnderside(TBlockDrawer& drawer, const TBlock& brick, TDrawObject& target,
                          const TDrawContext& context);

// The lattice of studs (or, without studs, tube rings) from base on a face at height z, limited
// to those whose drawing can reach the target's bitmap when the brick's lattice is large.
TStudWindow StudWindowFor(TDrawObject& target, const TDrawContext& context, const TBlock& brick,
                          double baseX, double baseY, double z, bool studs);

// Solid light grey brush and the black pen, whatever the brick left behind.
void ResetAfterDraw(TCanvas& canvas, const TDrawContext& context);

// The pen and brush a brick leaves on the canvas and the next one starts from.
struct TBrickPaint {
    TPen Pen;
    TBrush Brush;
};
inline TBrickPaint PaintOf(const TCanvas& canvas) {
    return {canvas.Pen, canvas.Brush};
}
inline bool SamePaint(const TBrickPaint& a, const TBrickPaint& b) {
    return a.Pen.Colour == b.Pen.Colour && a.Brush.Colour == b.Brush.Colour &&
           a.Brush.Style == b.Brush.Style;
}
// What ResetAfterDraw leaves: the same after every brick that draws.
TBrickPaint PaintAfterDraw(const TDrawContext& context);
