#include "render/BrickSilhouette.h"

#include "model/Block.h"
#include "render/View.h"

#include <algorithm>
#include <cmath>

namespace {

// How far the drawing's pixels may lie outside the exact outline of the box swept along the
// stud raise, in pixels; the hexagon is widened by as much. Corners round by half a pixel each
// way, and a line's pixels lie within half a pixel of it across its slope: a pixel up or down.
// Sideways a fill's row ends less than a column past its edges: under a pixel and a half, of
// which the rows' whole columns take up one. Studs and tube rings keep inside their faces but
// for the rounding of their centres and radii, half a pixel each: a pixel each way.
constexpr double Sideways = 0.5;
constexpr double UpAndDown = 1;
// A little more where the bound can be met exactly, so that the arithmetic's own error never
// leaves a pixel out.
constexpr double Slack = 1.0 / 64;

// Grows with the angle of a step pointing down (or right when level), from 0 for right to 2
// for left. A step of no length (an upright edge seen from straight above) is taken as
// pointing down, next to the upright edge: taken as pointing right, it would bring the upright
// edge to the top of the right side and cut off the side's upper corner.
double TurnOf(double x, double y) {
    const double sum = std::fabs(x) + y;
    return sum == 0 ? 1 : 1 - x / sum;
}

} // namespace

TSilhouetteView::TSilhouetteView(const TViewState& view, TPoint studRaise) : View(view) {
    const TRow& rx = view.RowX[0];
    const TRow& ry = view.RowY[0];
    // Per axis the image of a unit step, and that step turned to point down (right when
    // level); the hexagon's top corner lies where the turned steps start.
    double imageX[3], imageY[3], stepX[3], stepY[3], turns[3];
    int order[3] = {0, 1, 2};
    for (int axis = 0; axis < 3; ++axis) {
        imageX[axis] = double(rx[axis]) * view.ViewScale;
        imageY[axis] = -double(ry[axis]) * view.ViewScale;
        const bool turned = imageY[axis] < 0 || (imageY[axis] == 0 && imageX[axis] < 0);
        stepX[axis] = turned ? -imageX[axis] : imageX[axis];
        stepY[axis] = turned ? -imageY[axis] : imageY[axis];
        turns[axis] = TurnOf(stepX[axis], stepY[axis]);
    }
    std::sort(order, order + 3, [&](int a, int b) { return turns[a] < turns[b]; });
    // Columns left and right of the outline, rows above and below it.
    const double left = Sideways + std::max(-studRaise.X, 0);
    const double right = Sideways + std::max(studRaise.X, 0);
    const double above = UpAndDown + Slack + std::max(-studRaise.Y, 0);
    const double below = UpAndDown + Slack + std::max(studRaise.Y, 0);
    // Down the right side the steps turn from right to left, so those going right come first;
    // down the left side the other way round.
    const auto setSide = [&](TSideCorners& side, bool leftSide) {
        for (int axis = 0; axis < 3; ++axis) {
            side.PerX[axis][0] = imageX[axis] == stepX[axis] ? 0 : imageX[axis];
            side.PerY[axis][0] = imageY[axis] == stepY[axis] ? 0 : imageY[axis];
        }
        side.OffX[0] = leftSide ? -left : right;
        side.OffY[0] = -above;
        int corner = 0;
        bool upright = false;
        const auto addEdge = [&](int axis) {
            for (int other = 0; other < 3; ++other) {
                side.PerX[other][corner + 1] =
                    side.PerX[other][corner] + (other == axis ? stepX[axis] : 0);
                side.PerY[other][corner + 1] =
                    side.PerY[other][corner] + (other == axis ? stepY[axis] : 0);
            }
            side.OffX[corner + 1] = side.OffX[corner];
            side.OffY[corner + 1] = side.OffY[corner] + (axis < 0 ? above + below : 0);
            const double x = axis < 0 ? 0 : stepX[axis], y = axis < 0 ? 1 : stepY[axis];
            // An edge spread over hardly any rows is taken whole, which also keeps the slopes
            // small enough to be exact to far below a pixel.
            side.Level[corner] = !(y > 1e-9 * std::fabs(x));
            side.Slope[corner] = side.Level[corner] ? 0 : x / y;
            ++corner;
        };
        for (int k = 0; k < 3; ++k) {
            const int axis = leftSide ? order[2 - k] : order[k];
            const bool outwards = leftSide ? stepX[axis] < 0 : stepX[axis] > 0;
            if (!outwards && !upright) {
                addEdge(-1);
                upright = true;
            }
            addEdge(axis);
        }
        if (!upright)
            addEdge(-1);
    };
    setSide(Left, true);
    setSide(Right, false);
}

void TBrickSilhouette::SetSide(TSide& side, const TSilhouetteView::TSideCorners& corners,
                               double lowX, double lowY, const double size[3]) {
    for (int k = 0; k < 5; ++k) {
        side.X[k] = lowX + corners.OffX[k] + corners.PerX[0][k] * size[0] +
                    corners.PerX[1][k] * size[1] + corners.PerX[2][k] * size[2];
        side.Y[k] = lowY + corners.OffY[k] + corners.PerY[0][k] * size[0] +
                    corners.PerY[1][k] * size[1] + corners.PerY[2][k] * size[2];
    }
}

bool TBrickSilhouette::Set(const TBlock& brick, const TSilhouetteView& outlines) {
    if (brick.SX == 0 || brick.ClassKind() != 'B')
        return false;
    const double lowX = std::min(double(brick.X), double(brick.FarX()));
    const double lowY = std::min(double(brick.Y), double(brick.FarY()));
    const double lowZ = std::min(double(brick.Z), double(brick.FarZ()));
    const double size[3] = {std::abs(double(brick.SX)), std::abs(double(brick.SY)),
                            std::abs(double(brick.SZ))};
    const TViewState& view = outlines.View;
    const TRow& rx = view.RowX[0];
    const TRow& ry = view.RowY[0];
    const double x = (lowX * rx[0] + lowY * rx[1] + lowZ * rx[2]) * view.ViewScale + view.OriginX;
    const double y = -(lowX * ry[0] + lowY * ry[1] + lowZ * ry[2]) * view.ViewScale + view.OriginY;
    SetSide(Left, outlines.Left, x, y, size);
    SetSide(Right, outlines.Right, x, y, size);
    View = &outlines;
    return std::isfinite(Left.X[4] + Left.Y[4] + Right.X[4] + Right.Y[4] + Left.X[0] + Left.Y[0] +
                         Right.X[0]);
}

// The side's column at row y, not above its top corner; past the bottom one, that corner's. A
// nearly level edge, and those level with it after it, give their end farthest out.
template <class Farther>
double TBrickSilhouette::ColumnAt(const TSide& side, const TSilhouetteView::TSideCorners& corners,
                                  double y, Farther farther) {
    int k = int(y > side.Y[1]) + int(y > side.Y[2]) + int(y > side.Y[3]);
    if (!corners.Level[k]) {
        const double fromX = side.X[k], toX = side.X[k + 1];
        const double x = fromX + (y - side.Y[k]) * corners.Slope[k];
        return std::clamp(x, std::min(fromX, toX), std::max(fromX, toX));
    }
    double x = side.X[k];
    for (; k < 4 && corners.Level[k]; ++k)
        x = farther(x, side.X[k + 1]);
    return x;
}

TColumns TBrickSilhouette::Row(int y, int left, int right) const {
    const double row = double(y);
    if (row < Left.Y[0] || row > std::max(Left.Y[4], Right.Y[4]))
        return {1, 0};
    const double low =
        std::max(std::floor(ColumnAt(Left, View->Left, row,
                                     [](double a, double b) { return std::min(a, b); })),
                 double(left));
    const double high =
        std::min(std::ceil(ColumnAt(Right, View->Right, row,
                                    [](double a, double b) { return std::max(a, b); })),
                 double(right));
    return low > high ? TColumns{1, 0} : TColumns{int(low), int(high)};
}
