#include "render/BrickScreenBox.h"

#include "model/Block.h"
#include "render/DrawContext.h"
#include "render/View.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>

namespace {

int ToInt(double value) {
    return value <= double(INT_MIN) ? INT_MIN : value >= double(INT_MAX) ? INT_MAX : int(value);
}

} // namespace

bool PlainBoxScreenBox(const TBlock& brick, const TDrawContext& context, TRect& box) {
    if (brick.SX == 0 || brick.ClassKind() != 'B')
        return false;
    // Studs are discs of radius 5 around centres 10 inside the top face and 3 high; tube rings
    // are no wider, 20 inside the bottom face. So the box taken 3 higher holds them, give or
    // take the rounding of centres and radii.
    const double lowX = std::min(double(brick.X), double(brick.FarX()));
    const double lowY = std::min(double(brick.Y), double(brick.FarY()));
    const double lowZ = std::min(double(brick.Z), double(brick.FarZ()));
    const double highZ = std::max(double(brick.Z), double(brick.FarZ()) + 3);
    const double halfX = 0.5 * std::abs(double(brick.SX)), halfY = 0.5 * std::abs(double(brick.SY)),
                 halfZ = 0.5 * (highZ - lowZ);
    const double x = lowX + halfX, y = lowY + halfY, z = lowZ + halfZ;
    // The projection is linear, so the corners spread around the centre's image by the half
    // sizes times the rows' weights.
    const TViewState& view = context.View;
    const TRow& rx = view.RowX[0];
    const TRow& ry = view.RowY[0];
    const double scale = view.ViewScale, size = std::fabs(scale);
    const double px = (x * rx[0] + y * rx[1] + z * rx[2]) * scale + view.OriginX;
    const double py = -(x * ry[0] + y * ry[1] + z * ry[2]) * scale + view.OriginY;
    const double spreadX =
        (std::fabs(rx[0] * halfX) + std::fabs(rx[1] * halfY) + std::fabs(rx[2] * halfZ)) * size;
    const double spreadY =
        (std::fabs(ry[0] * halfX) + std::fabs(ry[1] * halfY) + std::fabs(ry[2] * halfZ)) * size;
    if (!std::isfinite(px + py + spreadX + spreadY))
        return false;
    constexpr double rounding = 2;
    box = {ToInt(std::floor(px - spreadX - rounding)), ToInt(std::floor(py - spreadY - rounding)),
           ToInt(std::ceil(px + spreadX + rounding)), ToInt(std::ceil(py + spreadY + rounding))};
    return true;
}
