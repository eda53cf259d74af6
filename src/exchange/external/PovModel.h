#pragma once
// POV-Ray text for a model, made by the converter that both POV routes run on a machine without
// L2P or L3P: bricks as boxes, studs as cylinders, coloured from the LDraw colour table.

#include <string>
#include <vector>

class TBlock;

// The model for the L2P route's scene ("test.inc"): placed in brick widths across and brick
// heights up (x = -Y, y = X, z = Z), which "lg_defs.inc" gives in scene units.
std::string PovModelInclude(const std::vector<const TBlock*>& bricks, const std::string& source);

// A whole scene for the L3P route ("test.pov") in LDraw units and axes (y pointing down), with a
// "// Background:" line and a camera block for the route to fit to the view.
std::string PovModelScene(const std::vector<const TBlock*>& bricks, const std::string& source);

// The two include files the L2P scene names: colours (with White and DarkGreen) and sizes
// (LG_BRICK_WIDTH, LG_BRICK_HEIGHT, LG_TOP_HEIGHT).
std::string PovColourInclude();
std::string PovSizeInclude();
