#include "render/BrickScreenBox.h"

#include "render/DrawContext.h"
#include "render/View.h"

#include <algorithm>
#include <cmath>

TPoint StudRaise(const TDrawContext& context) {
    return context.View.Octant < 4 && !context.StudsHidden ? context.Studs.StudUp : TPoint{0, 0};
}

TBoxProjection::TBoxProjection(const TViewState& view, TPoint studRaise) {
    const TRow& rx = view.RowX[0];
    const TRow& ry = view.RowY[0];
    const double scale = view.ViewScale;
    bool finite = std::isfinite(scale);
    for (int k = 0; k < 3; ++k) {
        CentreX[k] = 0.5 * rx[size_t(k)] * scale;
        CentreY[k] = -0.5 * ry[size_t(k)] * scale;
        SpreadX[k] = std::fabs(CentreX[k]);
        SpreadY[k] = std::fabs(CentreY[k]);
        finite = finite && std::isfinite(CentreX[k]) && std::isfinite(CentreY[k]);
    }
    RaiseLeft = std::min(studRaise.X, 0);
    RaiseRight = std::max(studRaise.X, 0);
    RaiseUp = std::min(studRaise.Y, 0);
    RaiseDown = std::max(studRaise.Y, 0);
    OriginX = view.OriginX;
    OriginY = view.OriginY;
    FiniteView = finite && std::isfinite(OriginX) && std::isfinite(OriginY);
}

bool PlainBoxScreenBox(const TBlock& brick, const TDrawContext& context, TRect& box) {
    return TBoxProjection(context.View, StudRaise(context)).PlainBoxScreenBox(brick, box);
}
