#pragma once
// Where on screen a brick of a kind other than the plain box can write, worked out before
// drawing it from the block of space its drawing keeps within: a frame drawn front to back
// passes over such bricks when hidden without working out their shapes.

#include "render/BrickScreenBox.h"
#include "render/PartExtent.h"

class TDrawClass;
class TDrawContext;

class TForeseenBoxes {
public:
    // The projection, for the context's view and stud metrics, the context and the parts'
    // extents, kept across frames, must outlive the boxes.
    TForeseenBoxes(const TBoxProjection& projection, const TDrawContext& context,
                   TPartExtents& extents)
        : Projection(projection), Context(context), Extents(extents) {}
    // The screen rectangle (right and bottom included) holding every point the brick's drawing
    // records; false for plain boxes, bricks of no size, general blocks without a part or with
    // one too far out, and views beyond all numbers, whose drawing has to tell.
    bool BoxOf(const TBlock& brick, TRect& box);

private:
    const TBoxProjection& Projection;
    const TDrawContext& Context;
    TPartExtents& Extents;
};
