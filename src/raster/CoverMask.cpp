#include "raster/CoverMask.h"

#include <algorithm>

void TCoverMask::Reset(std::ptrdiff_t pitch, int top, int bottom) {
    RowPitch = pitch;
    FirstRow = top;
    const std::size_t bits = std::size_t(pitch) * std::size_t(std::max(bottom - top + 1, 0));
    Bits.assign((bits + 63) / 64, 0);
}

bool TCoverMask::Covered(const TRect& rect) const {
    for (int y = rect.Top; y <= rect.Bottom; ++y) {
        const std::size_t first =
            std::size_t(y - FirstRow) * std::size_t(RowPitch) + std::size_t(rect.Left);
        const std::size_t last = first + std::size_t(rect.Right - rect.Left);
        for (std::size_t word = first / 64; word <= last / 64; ++word) {
            const uint64_t run = BitRun(word == first / 64 ? unsigned(first % 64) : 0,
                                        word == last / 64 ? unsigned(last % 64) : 63);
            if ((Bits[word] & run) != run)
                return false;
        }
    }
    return true;
}
