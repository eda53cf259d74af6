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

// A view's projection with its scale and origin folded in, worked out once a frame, so that a
// brick's box costs a few multiplications and no library calls.
class TBoxProjection {
public:
    explicit TBoxProjection(const TViewState& view);

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
        // Studs are discs of radius 5 around centres 10 inside the top face and 3 high; tube
        // rings are no wider, 20 inside the bottom face. So the box taken 3 higher holds them.
        const int64_t lowZ = std::min<int64_t>(brick.Z, brick.FarZ());
        const int64_t highZ = std::max<int64_t>(brick.Z, brick.FarZ() + 3);
        // Doubled centre and full sizes, against constants halved to match.
        const double x = double(int64_t(brick.X) + brick.FarX());
        const double y = double(int64_t(brick.Y) + brick.FarY());
        const double z = double(lowZ + highZ);
        const double sizeX = double(std::abs(int64_t(brick.SX)));
        const double sizeY = double(std::abs(int64_t(brick.SY)));
        const double sizeZ = double(highZ - lowZ);
        // The projection is linear, so the corners spread around the centre's image by the
        // sizes times the rows' weights.
        const double px = x * CentreX[0] + y * CentreX[1] + z * CentreX[2] + OriginX;
        const double py = x * CentreY[0] + y * CentreY[1] + z * CentreY[2] + OriginY;
        const double spreadX = sizeX * SpreadX[0] + sizeY * SpreadX[1] + sizeZ * SpreadX[2];
        const double spreadY = sizeX * SpreadY[0] + sizeY * SpreadY[1] + sizeZ * SpreadY[2];
        return {FloorToInt(px - spreadX), FloorToInt(py - spreadY - RoomAbove),
                CeilToInt(px + spreadX), CeilToInt(py + spreadY + RoomBelow)};
    }

private:
    // The drawing's corners, stud centres and radii round by half a pixel each, but a radius
    // rounds up only from half a pixel, and studs and tube rings keep their radius or more
    // inside the box: every point lies within half a pixel of it, which rounding the box out to
    // whole pixels takes up. Only a stud's top stands off its foot by the difference of two
    // rounded points, up to a pixel more than the raise, so it may lie a pixel and a half out on
    // the side the raise points to: half a pixel more there, and a little for the arithmetic's
    // own error.
    static constexpr double TowardsRaise = 0.5 + 1.0 / 64;

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
    double RoomAbove, RoomBelow;
    bool FiniteView;
};

// For a plain box brick (kind letter B) with a size, the screen rectangle (right and bottom
// included) holding every pixel its drawing for the context's view writes, studs and tube rings
// included; false for every other brick, whose drawing has to tell.
bool PlainBoxScreenBox(const TBlock& brick, const TDrawContext& context, TRect& box);
