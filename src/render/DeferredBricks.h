#pragma once
// The bricks of a band drawn front to back whose writes blend with what lies behind them or go
// through the canvas (up to the last such write; what they draw after it the walk draws): the
// walk only notes them, with the pixels nearer opaque bricks had
// written when it reached them; once the opaque bricks are drawn they are drawn back to front
// over them, each with the pixels it must not change put back afterwards. A pixel so ends with
// the last opaque write to it and the blends of the bricks after that, as drawn back to front.

#include "base/Geometry.h"

#include <cstddef>
#include <cstdint>
#include <vector>

class TBitmap;
class TCoverMask;

class TDeferredBricks {
public:
    // Empties the list, keeping its memory.
    void Clear();
    // A brick writing within reach (inside the mask's rows and columns), starting with these
    // writers, noted with the pixels of reach the mask holds written now.
    void Defer(size_t brick, const TRect& reach, bool startBlending, const TCoverMask& mask);
    bool Empty() const { return Entries.empty(); }

    // draw(brick, startBlending) for each brick in drawing order, the bitmap's noted pixels of
    // each kept as they were. The bitmap has 2 or 4 bytes a pixel.
    template <class Draw> void DrawBackToFront(TBitmap& bitmap, Draw draw) {
        for (size_t e = Entries.size(); e-- > 0;) {
            Keep(bitmap, Entries[e]);
            draw(Entries[e].Brick, Entries[e].StartBlending);
            PutBack(bitmap, Entries[e]);
        }
    }

private:
    struct TEntry {
        size_t Brick;
        TRect Reach;
        bool StartBlending;
        size_t FirstWord; // of its rows' bits
    };
    static size_t WordsPerRow(const TRect& reach) {
        return size_t(reach.Right - reach.Left) / 64 + 1;
    }
    // Copies the noted pixels into Kept, or from Kept back into the bitmap.
    template <class Each> void ForNoted(const TEntry& entry, Each each) const;
    void Keep(TBitmap& bitmap, const TEntry& entry);
    void PutBack(TBitmap& bitmap, const TEntry& entry) const;

    std::vector<TEntry> Entries;
    std::vector<uint64_t> Bits;
    std::vector<uint32_t> Kept;
};
