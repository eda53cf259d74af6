#pragma once
// The outline on screen of a plain box brick, row by row. Near the edge of a building a hidden
// brick's screen rectangle often keeps unwritten corners although every pixel of its outline is
// written already; the rows of the outline tell.

#include "base/Geometry.h"

class TBlock;
struct TViewState;

struct TColumns {
    int Left, Right; // both included; Left > Right when there are none
};

// What the outlines of all boxes seen in one view share: a box projects to a hexagon whose
// sides are the images of its edges, so their directions and their order down each side are the
// view's. Studs stand off the top faces by the stud raise (StudRaise), which widens the hexagon
// that way.
class TSilhouetteView {
public:
    TSilhouetteView(const TViewState& view, TPoint studRaise);

private:
    friend class TBrickSilhouette;
    // The corners down one side of the hexagon widened by the raise and the rounding, top to
    // bottom: the box edges' images in turn, with an upright edge at the side's outermost corner.
    // Each corner lies at the box's low corner's image plus Off plus the box's sizes times Per.
    struct TSideCorners {
        double PerX[3][5], PerY[3][5], OffX[5], OffY[5];
        // Of the edge below each corner: columns per row, or nearly level and taken whole.
        double Slope[4];
        bool Level[4];
    };

    const TViewState& View;
    TSideCorners Left, Right;
};

class TBrickSilhouette {
public:
    // For a plain box brick (kind letter B) with a size; false for every other brick.
    bool Set(const TBlock& brick, const TSilhouetteView& view);
    // The columns of row y, within left .. right, that can hold a pixel the brick's drawing for
    // the view writes, studs and tube rings included.
    TColumns Row(int y, int left, int right) const;

private:
    // The corners down one side, top to bottom, in rows that never rise.
    struct TSide {
        double X[5], Y[5];
    };
    static void SetSide(TSide& side, const TSilhouetteView::TSideCorners& corners, double lowX,
                        double lowY, const double size[3]);
    template <class Farther>
    static double ColumnAt(const TSide& side, const TSilhouetteView::TSideCorners& corners,
                           double y, Farther farther);

    const TSilhouetteView* View = nullptr;
    TSide Left{}, Right{};
};
