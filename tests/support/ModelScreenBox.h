#pragma once
// The screen rectangle of every corner of a model's bricks, to tell whether a view shows the
// whole model.

#include "model/BlockList.h"
#include "render/View.h"

#include <algorithm>
#include <cstdint>

inline TRect ModelScreenBox(const TViewState& view, const TBlockList& model) {
    TRect box{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
    for (int i = 0; i < model.Count(); ++i) {
        const TBlock& b = model[i];
        for (int corner = 0; corner < 8; ++corner) {
            TPoint p = ProjectPoint(view, corner & 1 ? b.X + b.SX : b.X,
                                    corner & 2 ? b.Y + b.SY : b.Y, corner & 4 ? b.Z + b.SZ : b.Z);
            box.Left = std::min(box.Left, p.X), box.Right = std::max(box.Right, p.X);
            box.Top = std::min(box.Top, p.Y), box.Bottom = std::max(box.Bottom, p.Y);
        }
    }
    return box;
}
