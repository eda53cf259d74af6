#pragma once
// Drawing and picking one brick. They live in the renderer rather than in the brick classes so
// that the model builds and links without knowing how anything is drawn.

class TBlock;
class TDrawContext;
class TDrawObject;

// Draws the brick through the drawer of its kind letter (any other letter draws a plain box).
void DrawBrick(const TBlock& brick, TDrawObject& target);

// The screen point lies inside the brick's outline for the context's view.
bool BrickHitTest(const TBlock& brick, const TDrawContext& context, int x, int y);
