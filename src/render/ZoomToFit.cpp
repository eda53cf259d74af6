#include "render/ZoomToFit.h"

#include "model/Block.h"
#include "model/BlockList.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace {
// The share of the view the model may fill, leaving a border around it.
constexpr double Filled = 0.9;
constexpr int ScaleBarMin = 1, ScaleBarMax = 80, OffsetLimit = 5000;
} // namespace

std::optional<TZoomFit> ZoomToFit(const TViewState& view, const TBlockList& model, int width,
                                  int height) {
    if (model.Count() == 0 || width <= 0 || height <= 0)
        return std::nullopt;
    // Every brick's corners projected at scale 1 with the origin at 0: tighter than the
    // corners of the box around them all, whose far corners may hold nothing.
    TViewState unit = view;
    unit.ViewScale = 1;
    unit.OriginX = unit.OriginY = 0;
    int left = INT_MAX, top = INT_MAX, right = INT_MIN, bottom = INT_MIN;
    for (int i = 0; i < model.Count(); ++i) {
        const TBlock& b = model[i];
        for (int corner = 0; corner < 8; ++corner) {
            TPoint p = ProjectPoint(unit, double(corner & 1 ? b.FarX() : b.X),
                                    double(corner & 2 ? b.FarY() : b.Y),
                                    double(corner & 4 ? b.FarZ() : b.Z));
            left = std::min(left, p.X), right = std::max(right, p.X);
            top = std::min(top, p.Y), bottom = std::max(bottom, p.Y);
        }
    }
    // Scale 10 / bar must not exceed the room over the extent along either axis.
    double need =
        std::max(double(right - left) / (Filled * width), double(bottom - top) / (Filled * height));
    TZoomFit fit;
    fit.ScaleBar = std::clamp(int(std::ceil(10 * need - 1e-9)), ScaleBarMin, ScaleBarMax);
    double scale = 10.0 / fit.ScaleBar;
    // The window puts the origin at the view's centre less the offsets.
    fit.OffsetX =
        std::clamp(int(std::lround(scale * (left + right) / 2.0)), -OffsetLimit, OffsetLimit);
    fit.OffsetY =
        std::clamp(int(std::lround(scale * (top + bottom) / 2.0)), -OffsetLimit, OffsetLimit);
    return fit;
}
