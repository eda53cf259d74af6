#include "render/BrickScreenBox.h"

#include "render/DrawContext.h"
#include "render/View.h"

#include <cmath>

TBoxProjection::TBoxProjection(const TViewState& view) {
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
    // Studs are raised up the screen unless the view is turned over.
    const bool raiseUp = CentreY[2] <= 0;
    RoomAbove = raiseUp ? TowardsRaise : 0;
    RoomBelow = raiseUp ? 0 : TowardsRaise;
    OriginX = view.OriginX;
    OriginY = view.OriginY;
    FiniteView = finite && std::isfinite(OriginX) && std::isfinite(OriginY);
}

bool PlainBoxScreenBox(const TBlock& brick, const TDrawContext& context, TRect& box) {
    return TBoxProjection(context.View).PlainBoxScreenBox(brick, box);
}
