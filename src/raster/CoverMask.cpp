#include "raster/CoverMask.h"

#include <algorithm>

void TCoverMask::Reset(std::ptrdiff_t pitch, int top, int bottom) {
    RowPitch = pitch;
    FirstRow = top;
    const std::size_t bits = std::size_t(pitch) * std::size_t(std::max(bottom - top + 1, 0));
    Bits.assign((bits + 63) / 64, 0);
}

void TCoverMask::CopyRow(int y, int x0, int x1, uint64_t* out) const {
    const std::size_t first = std::size_t(y - FirstRow) * std::size_t(RowPitch) + std::size_t(x0);
    const std::size_t count = std::size_t(x1 - x0) + 1, words = (count + 63) / 64;
    const unsigned shift = unsigned(first % 64);
    const std::size_t from = first / 64;
    for (std::size_t k = 0; k < words; ++k) {
        uint64_t word = Bits[from + k] >> shift;
        // The next word only where it holds bits of the run: it may lie past the last row.
        if (shift != 0 && from + k + 1 < Bits.size())
            word |= Bits[from + k + 1] << (64 - shift);
        out[k] = word;
    }
    if (count % 64 != 0)
        out[words - 1] &= BitRun(0, unsigned(count % 64) - 1);
}
