#pragma once
// The block of space a general block's drawing keeps within, so that a frame drawn front to
// back can tell where on screen the block may write before drawing it.

#include "render/BrickScreenBox.h"

#include <cstdint>
#include <unordered_map>

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

// Parts' extents kept from frame to frame, each with the stamp of the definition it was
// worked out from.
struct TStampedExtent {
    uint64_t Stamp = 0;
    TPartExtent Extent;
};
using TPartExtents = std::unordered_map<const TDrawClass*, TStampedExtent>;
// The part's extent from the kept ones, worked out again when the part has been edited since.
const TPartExtent& KeptExtentOf(const TDrawClass& part, TPartExtents& kept);

// The part's extent turned and moved to the block, in model units; false when it has none.
bool PlacedExtent(const TGeneralBlock& block, const TPartExtent& part, TExtent3& low,
                  TExtent3& high);
