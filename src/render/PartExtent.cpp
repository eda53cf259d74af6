#include "render/PartExtent.h"

#include "model/GeneralBlock.h"
#include "parts/DrawClass.h"

#include <algorithm>

namespace {

// Stud and tube centres lie 10 and 20 inside a brick's faces; their discs and rings, of radius
// 5 at most, keep within half as much room.
constexpr int64_t StudRoom = 10;
// Far enough inside int32_t that turning, moving and the room above cannot wrap.
constexpr int64_t Reach = int64_t(1) << 28;

void Take(TPartExtent& extent, const TPoint3& p, int64_t room) {
    const TExtent3 low{p.X - room, p.Y - room, p.Z}, high{p.X + room, p.Y + room, p.Z};
    if (!extent.Known) {
        extent = {low, high, true};
        return;
    }
    extent.Low = {std::min(extent.Low.X, low.X), std::min(extent.Low.Y, low.Y),
                  std::min(extent.Low.Z, low.Z)};
    extent.High = {std::max(extent.High.X, high.X), std::max(extent.High.Y, high.Y),
                   std::max(extent.High.Z, high.Z)};
}

bool Near(int64_t value) {
    return value > -Reach && value < Reach;
}

} // namespace

TPartExtent PartExtentOf(const TDrawClass& part) {
    TPartExtent extent;
    for (const TPolygon& polygon : part.Polygons)
        for (const TPoint3& p : polygon.Points)
            Take(extent, p, 0);
    for (const TPoint3& stud : part.TopStuds)
        Take(extent, stud, StudRoom);
    for (const TPoint3& tube : part.BottomStuds)
        Take(extent, tube, StudRoom);
    const bool near = Near(extent.Low.X) && Near(extent.Low.Y) && Near(extent.Low.Z) &&
                      Near(extent.High.X) && Near(extent.High.Y) && Near(extent.High.Z) &&
                      Near(part.BBX) && Near(part.BBY);
    extent.Known = extent.Known && near;
    return extent;
}

const TPartExtent& KeptExtentOf(const TDrawClass& part, TPartExtents& kept) {
    TStampedExtent& entry = kept[&part];
    if (entry.Stamp != part.Stamp)
        entry = {part.Stamp, PartExtentOf(part)};
    return entry.Extent;
}

bool PlacedExtent(const TGeneralBlock& block, const TPartExtent& part, TExtent3& low,
                  TExtent3& high) {
    const TDrawClass* d = block.Definition;
    if (!part.Known || !d)
        return false;
    // As TurnPartPoint turns each point: the corners swap their roles where an axis turns
    // round.
    const int64_t bbx = d->BBX, bby = d->BBY;
    const TExtent3 &l = part.Low, &h = part.High;
    switch ((block.Turn % 4 + 4) % 4) {
    case 1:
        low = {l.Y, bbx - h.X, l.Z}, high = {h.Y, bbx - l.X, h.Z};
        break;
    case 2:
        low = {bbx - h.X, bby - h.Y, l.Z}, high = {bbx - l.X, bby - l.Y, h.Z};
        break;
    case 3:
        low = {bby - h.Y, l.X, l.Z}, high = {bby - l.Y, h.X, h.Z};
        break;
    default:
        low = l, high = h;
        break;
    }
    low = {low.X + block.X, low.Y + block.Y, low.Z + block.Z};
    high = {high.X + block.X, high.Y + block.Y, high.Z + block.Z};
    return true;
}
