#include "FitView.h"

#include "render/ViewControls.h"

#include <algorithm>
#include <climits>

TRect ProjectedBox(const TBlockList& model, TViewState view) {
    TModelBounds bounds;
    for (const auto& brick : model.Items())
        bounds.Add(*brick);
    view.ViewScale = 1;
    view.OriginX = view.OriginY = 0;
    TRect box{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
    for (int corner = 0; corner < 8; ++corner) {
        TPoint p = ProjectPoint(view, double(corner & 1 ? bounds.MaxX : bounds.MinX),
                                double(corner & 2 ? bounds.MaxY : bounds.MinY),
                                double(corner & 4 ? bounds.MaxZ : bounds.MinZ));
        box.Left = std::min(box.Left, p.X), box.Right = std::max(box.Right, p.X);
        box.Top = std::min(box.Top, p.Y), box.Bottom = std::max(box.Bottom, p.Y);
    }
    return box;
}

void FitView(TViewState& view, const TBlockList& model, int width, int height, float zoom) {
    const TRect box = ProjectedBox(model, view);
    float scale =
        zoom * std::min(float(width) / float(box.Width()), float(height) / float(box.Height()));
    view.ViewScale = scale;
    view.OriginX = float(width) / 2 - scale * float(box.Left + box.Right) / 2;
    view.OriginY = float(height) / 2 - scale * float(box.Top + box.Bottom) / 2;
}
