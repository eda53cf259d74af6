#include "render/BoundaryState.h"

#include "model/BlockList.h"

#include <algorithm>

namespace {
int32_t Clamped(int64_t value) {
    return int32_t(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX));
}
} // namespace

TCutLimits LimitsOf(const TCuttingBox& box) {
    return {box.XLow, box.XHigh, box.YLow, box.YHigh, box.ZLow, box.ZHigh};
}

void SetLimits(TCuttingBox& box, const TCutLimits& limits) {
    box.XLow = limits[0];
    box.XHigh = limits[1];
    box.YLow = limits[2];
    box.YHigh = limits[3];
    box.ZLow = limits[4];
    box.ZHigh = limits[5];
}

TCutLimits ModelExtents(const TBlockList& model) {
    if (model.Count() == 0)
        return LimitsOf(TCuttingBox());
    int64_t low[3] = {INT64_MAX, INT64_MAX, INT64_MAX};
    int64_t high[3] = {INT64_MIN, INT64_MIN, INT64_MIN};
    for (const auto& brick : model.Items()) {
        int64_t near[3] = {brick->X, brick->Y, brick->Z};
        int64_t far[3] = {brick->FarX(), brick->FarY(), brick->FarZ()};
        for (int axis = 0; axis < 3; ++axis) {
            low[axis] = std::min(low[axis], near[axis]);
            high[axis] = std::max(high[axis], far[axis]);
        }
    }
    return {Clamped(low[0]),  Clamped(high[0]), Clamped(low[1]),
            Clamped(high[1]), Clamped(low[2]),  Clamped(high[2])};
}

int32_t ModelTop(const TBlockList& model) {
    return model.Count() == 0 ? 0 : ModelExtents(model)[5];
}

void TBoundaryState::Show() {
    SetLimits(Box, Kept);
    Box.Shown = true;
}

void TBoundaryState::Hide() {
    Kept = LimitsOf(Box);
    SetLimits(Box, LimitsOf(TCuttingBox()));
    Box.Shown = false;
}

void TBoundaryState::Change(const TCutLimits& limits) {
    if (Box.Shown)
        SetLimits(Box, limits);
    Kept = limits;
}

void TBoundaryState::Reset(const TBlockList& model) {
    Kept = ModelExtents(model);
    if (Box.Shown)
        SetLimits(Box, Kept);
}

void TBoundaryState::ResetKept(const TBlockList& model) {
    Kept = ModelExtents(model);
}
