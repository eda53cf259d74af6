#include "raster/CoverMask.h"

#include <algorithm>

void TCoverMask::Reset(std::ptrdiff_t pitch, int top, int bottom) {
    RowPitch = pitch;
    FirstRow = top;
    const std::size_t bits = std::size_t(pitch) * std::size_t(std::max(bottom - top + 1, 0));
    Bits.assign((bits + 63) / 64, 0);
}

bool TCoverMask::Covered(const TRect& rect) const {
    if (rect.Left > rect.Right)
        return true;
    // Rows a whole number of words long put a rectangle at the same bits of every row's words,
    // so those are worked out once.
    if (RowPitch % 64 == 0) {
        const std::size_t first =
            std::size_t(rect.Top - FirstRow) * std::size_t(RowPitch) + std::size_t(rect.Left);
        const std::size_t last = first + std::size_t(rect.Right - rect.Left),
                          beyond = last / 64 - first / 64;
        const std::size_t step = std::size_t(RowPitch) / 64;
        const uint64_t* words = Bits.data() + first / 64;
        if (beyond == 0) {
            const uint64_t run = BitRun(unsigned(first % 64), unsigned(last % 64));
            for (int y = rect.Top; y <= rect.Bottom; ++y, words += step)
                if ((*words & run) != run)
                    return false;
            return true;
        }
        const uint64_t head = BitRun(unsigned(first % 64), 63),
                       tail = BitRun(0, unsigned(last % 64));
        for (int y = rect.Top; y <= rect.Bottom; ++y, words += step) {
            if ((words[0] & head) != head || (words[beyond] & tail) != tail)
                return false;
            for (std::size_t word = 1; word < beyond; ++word)
                if (words[word] != ~uint64_t(0))
                    return false;
        }
        return true;
    }
    for (int y = rect.Top; y <= rect.Bottom; ++y)
        if (!RowCovered(y, rect.Left, rect.Right))
            return false;
    return true;
}
