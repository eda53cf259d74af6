#pragma once
// The parts of a brick's Draw that every kind shares: the drawing context of a target, pen and
// brush choice with shading and face colours, the octant dispatch and the reset afterwards.

class TBlock;
class TCanvas;
class TDrawContext;
class TDrawObject;

TDrawContext& DrawContextOf(TDrawObject& target);

// Pen and brush for the brick, the brush style for wireframe, see-through baseplate and
// transparency, and with shading on the shaded edge and the three face colours.
void PrepareBrickPaint(const TBlock& brick, TCanvas& canvas, TDrawContext& context);

// The brick's octant routine for the view's octant.
void DrawForOctant(TBlock& brick, TDrawObject& target, int octant);

// Studs from above or tube rings from below, when the brick has them and they are shown.
void DrawStudsOrUnderside(TBlock& brick, TDrawObject& target, const TDrawContext& context);

// Solid light grey brush and the black pen, whatever the brick left behind.
void ResetAfterDraw(TCanvas& canvas, const TDrawContext& context);
