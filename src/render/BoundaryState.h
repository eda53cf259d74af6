#pragma once
// The boundary window's logic: the box in force while it is shown, the copy it keeps while it
// is hidden, and resetting to the model's extents.

#include "render/CuttingBox.h"

#include <array>
#include <cstdint>

class TBlockList;

// The six limits in the window's order: XLow, XHigh, YLow, YHigh, ZLow, ZHigh.
using TCutLimits = std::array<int32_t, 6>;

TCutLimits LimitsOf(const TCuttingBox& box);
void SetLimits(TCuttingBox& box, const TCutLimits& limits);

// The smallest X, Y, Z and largest far faces over every brick; the box without cutting for an
// empty model. Limits beyond 32 bits are clamped.
TCutLimits ModelExtents(const TBlockList& model);
// The largest far Z over every brick; the ground (0) for a model without bricks.
int32_t ModelTop(const TBlockList& model);

class TBoundaryState {
public:
    // The box every drawing and picking reads (the drawing context's).
    explicit TBoundaryState(TCuttingBox& box) : Box(box) {}

    // The window's copy of the limits, kept while it is hidden.
    TCutLimits Kept = LimitsOf(TCuttingBox());

    bool Shown() const { return Box.Shown; }
    // The kept limits come into force, on all three axes.
    void Show();
    // The limits are kept and the box stops cutting, apart from the top the Z cut-off bar
    // sets later.
    void Hide();
    // The window's spin boxes changed: the box takes all six values (only the copy while hidden).
    void Change(const TCutLimits& limits);
    // The box (when shown) and the copy become the model's extents.
    void Reset(const TBlockList& model);
    // Only the copy becomes the model's extents: at start-up the window is hidden, and cutting
    // at the model's top there would hide and refuse every brick placed above it.
    void ResetKept(const TBlockList& model);
    // The Z cut-off bar moved the box's top; the copy follows.
    void TopMoved() { Kept[5] = Box.ZHigh; }
    TCutLimits Current() const { return LimitsOf(Box); }

private:
    TCuttingBox& Box;
};
