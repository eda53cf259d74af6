#include "exchange/external/ExternalView.h"

TExternalView ExternalViewOf(const TViewState& view, int width, int height, int32_t background) {
    TExternalView v;
    v.Scale = view.ViewScale;
    v.OriginX = view.OriginX;
    v.OriginY = view.OriginY;
    v.Width = width;
    v.Height = height;
    v.Turn = view.AzimuthC;
    v.Tilt = view.TiltA;
    // Row 0 of the unturned quarter holds the cosine and sine of the turn.
    v.CosTurn = view.RowX[0][0];
    v.SinTurn = view.RowX[0][1];
    v.CosTilt = view.CosA;
    v.SinTilt = view.SinA;
    v.Background = background;
    return v;
}

TModelMiddle MiddleOf(const TModelBounds& bounds) {
    return {bounds.MinX + (bounds.MaxX - bounds.MinX) / 2,
            bounds.MinY + (bounds.MaxY - bounds.MinY) / 2,
            bounds.MinZ + (bounds.MaxZ - bounds.MinZ) / 2};
}
