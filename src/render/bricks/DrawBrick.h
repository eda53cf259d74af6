#pragma once
// Drawing and picking one brick. They live in the renderer rather than in the brick classes so
// that the model builds and links without knowing how anything is drawn.

#include "base/Geometry.h"

class TBlock;
class TDrawContext;
class TDrawObject;

// Draws the brick through the drawer of its kind letter (any other letter draws a plain box).
void DrawBrick(const TBlock& brick, TDrawObject& target);

// Draws a plain box straight through a target whose raster surface keeps a cover mask, where
// the first write to a pixel wins: the studs or tube rings first, then the faces, which the
// surface draws last first, so the pixels are those of the box drawn forwards. Draws nothing
// and gives false where that way does not hold (no shading, studs other than outlines, a brush
// that is not solid); the pen, brush and context's colours may be changed all the same.
bool DrawBoxNearestFirst(const TBlock& brick, TDrawObject& target);

// As DrawBoxNearestFirst for the kinds drawn that way (all but windows, whose glass blends, and
// general blocks with hatched polygons or a decoration); false, drawing nothing, for the
// others, which a recording drawn backwards must draw.
bool DrawNearestFirst(const TBlock& brick, TDrawObject& target);

// The screen rectangle (right and bottom included) holding a round brick's two ellipses and the
// side between them, without its studs and tube ring; nothing for a brick of no size.
TRect RoundBodyBox(const TBlock& brick, const TDrawContext& context);

// The screen point lies inside the brick's outline for the context's view.
bool BrickHitTest(const TBlock& brick, const TDrawContext& context, int x, int y);
