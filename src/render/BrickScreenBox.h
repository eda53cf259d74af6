#pragma once
// Where on screen a brick can write, worked out before drawing it: a frame drawn front to back
// passes over bricks whose every pixel is already written without working out their shapes.

#include "base/Geometry.h"
#include "model/Block.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdlib>

class TDrawContext;
struct TViewState;

// A corner of a block of space in model units.
struct TExtent3 {
    int64_t X, Y, Z;
};

// How far on screen the top of a stud stands off its foot in the context's drawing (its stud
// metrics): none when studs are hidden or seen from below, where tube rings inside the bottom
// faces are drawn instead.
TPoint StudRaise(const TDrawContext& context);

// A view's projection with its scale and origin folded in, worked out once a frame, so that a
// brick's box costs a few multiplications and no library calls.
class TBoxProjection {
public:
    TBoxProjection(const TViewState& view, TPoint studRaise);

    // As PlainBoxScreenBox, for this view.
    bool PlainBoxScreenBox(const TBlock& brick, TRect& box) const {
        if (brick.SX == 0 || brick.ClassKind() != 'B' || !Finite())
            return false;
        box = BoxOf(brick);
        return true;
    }

    // A view scaled or placed beyond all numbers gives no boxes.
    bool Finite() const { return FiniteView; }

    // The box of a plain box brick with a size, for a finite view; the caller has checked.
    TRect BoxOf(const TBlock& brick) const {
        const int64_t lowZ = std::min<int64_t>(brick.Z, brick.FarZ());
        const int64_t highZ = std::max<int64_t>(brick.Z, brick.FarZ());
        const int64_t lowX = std::min<int64_t>(brick.X, brick.FarX());
        const int64_t lowY = std::min<int64_t>(brick.Y, brick.FarY());
        return BoxOf({lowX, lowY, lowZ}, {lowX + std::abs(int64_t(brick.SX)),
                                          lowY + std::abs(int64_t(brick.SY)), highZ});
    }

    // The same for any block of space, low to high corner, its top carrying studs.
    TRect BoxOf(const TExtent3& low, const TExtent3& high) const {
        // Doubled centre and full sizes, against constants halved to match.
        const double x = double(low.X + high.X);
        const double y = double(low.Y + high.Y);
        const double z = double(low.Z + high.Z);
        const double sizeX = double(high.X - low.X);
        const double sizeY = double(high.Y - low.Y);
        const double sizeZ = double(high.Z - low.Z);
        // The projection is linear, so the corners spread around the centre's image by the
        // sizes times the rows' weights.
        const double px = x * CentreX[0] + y * CentreX[1] + z * CentreX[2] + OriginX;
        const double py = x * CentreY[0] + y * CentreY[1] + z * CentreY[2] + OriginY;
        const double spreadX = sizeX * SpreadX[0] + sizeY * SpreadX[1] + sizeZ * SpreadX[2];
        const double spreadY = sizeX * SpreadY[0] + sizeY * SpreadY[1] + sizeZ * SpreadY[2];
        return {FloorToInt(px - spreadX + RaiseLeft), FloorToInt(py - spreadY + RaiseUp),
                CeilToInt(px + spreadX + RaiseRight), CeilToInt(py + spreadY + RaiseDown)};
    }

private:
    static double ToIntRange(double value) {
        return std::min(std::max(value, double(INT_MIN)), double(INT_MAX));
    }
    // Truncation and a correction: cheaper than std::floor and std::ceil on the baseline x86-64
    // instruction set.
    static int FloorToInt(double value) {
        value = ToIntRange(value);
        const int whole = int(value);
        return whole - int(double(whole) > value);
    }
    static int CeilToInt(double value) {
        value = ToIntRange(value);
        const int whole = int(value);
        return whole + int(double(whole) < value);
    }

    double CentreX[3], CentreY[3], SpreadX[3], SpreadY[3];
    double OriginX, OriginY;
    // The stud raise split into its parts left, up, right and down of 0: studs are discs of
    // radius 5 around centres 10 inside the top face, standing off it by the raise; tube rings
    // are no wider and 20 inside the bottom face. The drawing rounds corners, stud centres and
    // radii by half a pixel each, but a radius rounds up only from half a pixel, and studs and
    // rings keep their radius or more inside the box: every point lies within half a pixel of
    // the box swept along the raise, which rounding it out to whole pixels takes up.
    double RaiseLeft, RaiseUp, RaiseRight, RaiseDown;
    bool FiniteView;
};

// For a plain box brick (kind letter B) with a size, the screen rectangle (right and bottom
// included) holding every point its drawing for the context's view and stud metrics records,
// studs and tube rings included; false for every other brick, whose drawing has to tell.
bool PlainBoxScreenBox(const TBlock& brick, const TDrawContext& context, TRect& box);
