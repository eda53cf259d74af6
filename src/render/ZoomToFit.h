#pragma once
// "Zoom to fit": the zoom bar position and offsets that show the whole model in the view at the
// view's current turn and tilt.

#include "render/View.h"

#include <optional>

class TBlockList;

struct TZoomFit {
    int ScaleBar = 10; // the zoom bar: the view's scale is 10 / ScaleBar
    int OffsetX = 0, OffsetY = 0;
};

// The largest zoom of the bar's range (1 to 80) at which every brick's box fits in the view
// with a margin, and the offsets that centre it; nothing for an empty model or view.
std::optional<TZoomFit> ZoomToFit(const TViewState& view, const TBlockList& model, int width,
                                  int height);
