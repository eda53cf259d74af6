#include "edit/HandDrawing.h"

#include "edit/Hand.h"
#include "raster/DrawObject.h"
#include "render/DrawContext.h"
#include "render/Scene.h"
#include "render/bricks/DrawBrick.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>

namespace {
bool DrawsGroup(const THand& hand) {
    return hand.HoldingGroup && hand.GroupInHand && hand.GroupInHand->Count() > 0;
}

// Model-space box of what the hand draws.
void HandBox(const THand& hand, int64_t low[3], int64_t high[3]) {
    auto widen = [&](const TBlock& b, bool first) {
        const int64_t near[3] = {b.X, b.Y, b.Z}, far[3] = {b.FarX(), b.FarY(), b.FarZ()};
        for (int k = 0; k < 3; ++k) {
            low[k] = first ? near[k] : std::min(low[k], near[k]);
            high[k] = first ? far[k] : std::max(high[k], far[k]);
        }
    };
    if (!DrawsGroup(hand)) {
        widen(*hand.BrickInHand, true);
        return;
    }
    bool first = true;
    for (const auto& b : hand.GroupInHand->Items()) {
        widen(*b, first);
        first = false;
    }
}
} // namespace

TRect HandScreenRect(THand& hand, TDrawContext& context, int width, int height) {
    if (hand.Empty())
        return {};
    hand.AlignGroupToHand();
    context.ComputeStudMetrics();
    int64_t low[3], high[3];
    HandBox(hand, low, high);
    int left = INT_MAX, top = INT_MAX, right = INT_MIN, bottom = INT_MIN;
    for (int corner = 0; corner < 8; ++corner) {
        TPoint p = ProjectPoint(context.View, double(corner & 1 ? high[0] : low[0]),
                                double(corner & 2 ? high[1] : low[1]),
                                double(corner & 4 ? high[2] : low[2]));
        left = std::min(left, p.X);
        right = std::max(right, p.X);
        top = std::min(top, p.Y);
        bottom = std::max(bottom, p.Y);
    }
    // Studs stand above the box and the raster code leaves the layer's outer pixels alone.
    const TStudMetrics& m = context.Studs;
    int margin =
        std::abs(m.StudRX) + std::abs(m.StudRY) + std::abs(m.StudUp.X) + std::abs(m.StudUp.Y) + 3;
    TRect rect{std::max(0, left - margin), std::max(0, top - margin),
               std::min(width, right + margin + 1), std::min(height, bottom + margin + 1)};
    if (rect.Width() <= 0 || rect.Height() <= 0)
        return {};
    return rect;
}

void DrawHandLayer(THand& hand, TDrawContext& context, const TFrameRows& frame, THandLayer& layer) {
    layer.Rect = HandScreenRect(hand, context, frame.Width, frame.Height);
    if (layer.Rect.Width() <= 0 || !frame.Bits)
        return;
    const TRect& r = layer.Rect;
    if (layer.Bitmap.Width() != r.Width() || layer.Bitmap.Height() != r.Height() ||
        layer.Bitmap.PixelFormat() != TPixelFormat::pf32bit) {
        layer.Bitmap.SetPixelFormat(TPixelFormat::pf32bit);
        layer.Bitmap.SetSize(r.Width(), r.Height());
    }
    for (int y = 0; y < r.Height(); ++y)
        std::memcpy(layer.Bitmap.ScanLine(y),
                    frame.Bits + size_t(r.Top + y) * size_t(frame.Pitch) + size_t(r.Left) * 4,
                    size_t(r.Width()) * 4);

    TDrawObject target = TDrawObject::CreateFromBitmap(layer.Bitmap);
    target.Context = &context;
    TViewState view = context.View;
    context.View.OriginX -= float(r.Left);
    context.View.OriginY -= float(r.Top);
    try {
        if (DrawsGroup(hand)) {
            TBlockList& group = *hand.GroupInHand;
            group.CurrentOctant = view.Octant;
            if (group.SortedOctant != view.Octant)
                group.Sort(view.Octant);
            int32_t stepLimit = group.StepLimit;
            group.StepLimit = INT32_MAX;
            DrawAll(group, target, true);
            group.StepLimit = stepLimit;
        } else {
            DrawBrick(*hand.BrickInHand, target);
        }
    } catch (...) {
        context.View = view;
        throw;
    }
    context.View = view;
}
