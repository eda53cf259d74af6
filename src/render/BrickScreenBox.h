#pragma once
// Where on screen a brick can write, worked out before drawing it: a frame drawn front to back
// passes over bricks whose every pixel is already written without working out their shapes.

#include "base/Geometry.h"

class TBlock;
class TDrawContext;

// For a plain box brick (kind letter B) with a size, the screen rectangle (right and bottom
// included) holding every pixel its drawing for the context's view writes, studs and tube rings
// included; false for every other brick, whose drawing has to tell.
bool PlainBoxScreenBox(const TBlock& brick, const TDrawContext& context, TRect& box);
