#pragma once
// One active edge of the scan-line polygon fill.

#include <cstdint>

// Wider than the drawing needs so that far-away points cannot overflow.
struct TEdge {
    int64_t X = 0;
    int64_t DX = 0;
    int64_t DY = 0;
    int64_t Error = 0;
    int Step = 0;
    int Key = 0;
};
