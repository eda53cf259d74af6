#pragma once
// The block of space a general block's drawing keeps within, so that a frame drawn front to
// back can tell where on screen the block may write before drawing it.

#include "render/BrickScreenBox.h"

class TDrawClass;
class TGeneralBlock;

// Part-local corners holding every polygon point, and the studs and tubes with room around
// their centres for the discs and rings drawn there; none for a part without points or with
// points too far out to be turned and moved without wrapping.
struct TPartExtent {
    TExtent3 Low{}, High{};
    bool Known = false;
};
TPartExtent PartExtentOf(const TDrawClass& part);

// The part's extent turned and moved to the block, in model units; false when it has none.
bool PlacedExtent(const TGeneralBlock& block, const TPartExtent& part, TExtent3& low,
                  TExtent3& high);
