#pragma once
// Memory a frame drawn front to back keeps for the next frame, so that a frame allocates and
// clears no more than it must.

#include "base/Geometry.h"
#include "raster/CoverMask.h"
#include "raster/DrawRecording.h"
#include "render/BandQueue.h"
#include "render/DeferredBricks.h"
#include "render/PartExtent.h"

#include <cstdint>
#include <memory>
#include <vector>

struct TFirstWriteBuffers {
    std::vector<TCoverMask> Masks; // one per band, or per thread taking bands from the queue
    std::vector<TDeferredBricks> Deferred; // as the masks
    // Per brick of the model: where it writes, and how that is known.
    std::vector<TRect> Boxes;
    std::vector<uint8_t> BoxKinds;
    // One per band (or thread, as the masks) and per share of the bricks.
    std::vector<TDrawRecording> Recordings;
    // Per share of the bricks, so that the shares look up and fill their own without locking.
    std::vector<TPartExtents> Extents;
    // The drawing work foreseen for each row, per share of the bricks and in all, and the first
    // row of each band split from it, the row after the last band ending the list.
    std::vector<std::vector<uint32_t>> ChunkRowWork;
    std::vector<uint64_t> RowWork;
    std::vector<int> BandTops;
    TBandQueue BandQueue;
};

// Held by the drawing context. A copy of the context starts without: the buffers belong to the
// frames drawn with one context at a time.
class TFrameBuffers {
public:
    TFrameBuffers() = default;
    TFrameBuffers(const TFrameBuffers&) {}
    TFrameBuffers& operator=(const TFrameBuffers&) { return *this; }

    TFirstWriteBuffers& FirstWrite() {
        if (!Held)
            Held = std::make_unique<TFirstWriteBuffers>();
        return *Held;
    }

private:
    std::unique_ptr<TFirstWriteBuffers> Held;
};
