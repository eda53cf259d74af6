#pragma once
// A screen point in integer pixels, Y growing downwards.

struct TPoint {
    int X = 0, Y = 0;
    bool operator==(const TPoint&) const = default;
};
