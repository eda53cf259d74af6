#include "raster/CoverMask.h"

#include <algorithm>

void TCoverMask::Reset(std::ptrdiff_t pitch, int top, int bottom) {
    RowPitch = pitch;
    FirstRow = top;
    const std::size_t bits = std::size_t(pitch) * std::size_t(std::max(bottom - top + 1, 0));
    Bits.assign((bits + 63) / 64, 0);
}
