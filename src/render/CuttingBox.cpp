#include "render/CuttingBox.h"

#include "model/Block.h"

#include <algorithm>
#include <cstdint>

// The limits are kept inside int32 so that repeated steps cannot overflow.
static int32_t Clamped(int64_t value) {
    return int32_t(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX));
}

int32_t TCuttingBox::LowerTop(int32_t modelTop, int32_t gridStep) {
    ZHigh = ZHigh > modelTop ? modelTop : Clamped(int64_t(ZHigh) - gridStep);
    return ZHigh;
}

int32_t TCuttingBox::RaiseTop(int32_t gridStep) {
    ZHigh = Clamped(int64_t(ZHigh) + gridStep);
    return ZHigh;
}

int32_t TCuttingBox::TopToZero() {
    ZHigh = 0;
    return ZHigh;
}

int32_t TCuttingBox::TopOff() {
    ZHigh = 19999;
    return ZHigh;
}

bool InsideCut(const TCuttingBox& box, const TBlock& brick) {
    if (box.ZLow > brick.Z || brick.FarZ() > box.ZHigh)
        return false;
    if (!box.Shown)
        return true;
    return box.XLow <= brick.X && brick.FarX() <= box.XHigh && box.YLow <= brick.Y &&
           brick.FarY() <= box.YHigh;
}
