#include "render/BrickScreenBox.h"

#include "model/Block.h"
#include "render/DrawContext.h"
#include "render/View.h"

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
    // The projection is linear, so the box's corners spread around its centre's image by the
    // half sizes times the rows' weights; the corners' rounding moves them half a pixel at most.
    const TViewState& view = context.View;
    const double halfX = 0.5 * double(brick.SX), halfY = 0.5 * double(brick.SY),
                 halfZ = 0.5 * double(brick.SZ);
    const double x = double(brick.X) + halfX, y = double(brick.Y) + halfY,
                 z = double(brick.Z) + halfZ;
    const TRow& rx = view.RowX[0];
    const TRow& ry = view.RowY[0];
    const double scale = view.ViewScale, size = std::fabs(scale);
    const double px = (x * rx[0] + y * rx[1] + z * rx[2]) * scale + view.OriginX;
    const double py = -(x * ry[0] + y * ry[1] + z * ry[2]) * scale + view.OriginY;
    const double spreadX =
        (std::fabs(rx[0] * halfX) + std::fabs(rx[1] * halfY) + std::fabs(rx[2] * halfZ)) * size;
    const double spreadY =
        (std::fabs(ry[0] * halfX) + std::fabs(ry[1] * halfY) + std::fabs(ry[2] * halfZ)) * size;
    // Studs and rings stand on their centres inside the top or bottom face, reaching as far as
    // the stud window lets them; a pixel more for the centres' own rounding.
    if (!std::isfinite(px + py + spreadX + spreadY))
        return false;
    const TStudMetrics& m = context.Studs;
    const double reachX = std::abs(m.StudRX) + std::abs(m.StudUp.X) + 2;
    const double reachY = std::abs(m.StudRY) + std::abs(m.StudUp.Y) + 2;
    box = {ToInt(std::floor(px - spreadX - reachX)), ToInt(std::floor(py - spreadY - reachY)),
           ToInt(std::ceil(px + spreadX + reachX)), ToInt(std::ceil(py + spreadY + reachY))};
    return true;
}
