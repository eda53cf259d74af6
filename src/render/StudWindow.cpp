#include "render/StudWindow.h"

#include "render/View.h"

#include <algorithm>
#include <cmath>

namespace {

// The interval of t for which low <= start + t * step <= high, narrowing first..last.
void Narrow(double start, double step, double low, double high, int& first, int& last) {
    if (std::fabs(step) < 1e-9) {
        if (start < low || start > high)
            last = first - 1;
        return;
    }
    double a = (low - start) / step, b = (high - start) / step;
    if (a > b)
        std::swap(a, b);
    // The bounds already allow for the rounding of centres, so the indices strictly inside
    // them are all that count. The clamps keep the conversion defined.
    a = std::clamp(std::ceil(a), -4e9, 4e9);
    b = std::clamp(std::floor(b), -4e9, 4e9);
    if (a > first)
        first = int(std::min<double>(a, last + 1.0));
    if (b < last)
        last = int(std::max<double>(b, first - 1.0));
}

} // namespace

TStudWindow::TStudWindow(const TViewState& view, double baseX, double baseY, double z, int reachX,
                         int reachY, int width, int height) {
    const TRow& rx = view.RowX[0];
    const TRow& ry = view.RowY[0];
    double s = view.ViewScale;
    originX = (baseX * rx[0] + baseY * rx[1] + z * rx[2]) * s + view.OriginX;
    originY = -(baseX * ry[0] + baseY * ry[1] + z * ry[2]) * s + view.OriginY;
    stepIX = 20 * rx[0] * s;
    stepIY = -20 * ry[0] * s;
    stepJX = 20 * rx[1] * s;
    stepJY = -20 * ry[1] * s;
    // One pixel for the rounding of the centre and one to spare.
    left = -reachX - 2.0;
    right = width - 1.0 + reachX + 2.0;
    top = -reachY - 2.0;
    bottom = height - 1.0 + reachY + 2.0;
}

void TStudWindow::Columns(int& first, int& last) const {
    if (!Narrowing)
        return;
    double det = stepIX * stepJY - stepJX * stepIY;
    if (std::fabs(det) < 1e-6)
        return; // the lattice collapses to a line on screen: every column may count
    double lowI = 1e300, highI = -1e300;
    for (double x : {left, right})
        for (double y : {top, bottom}) {
            double i = ((x - originX) * stepJY - (y - originY) * stepJX) / det;
            lowI = std::min(lowI, i);
            highI = std::max(highI, i);
        }
    Narrow(0, 1, lowI, highI, first, last);
}

void TStudWindow::Rows(int i, int& first, int& last) const {
    if (!Narrowing)
        return;
    double x = originX + i * stepIX, y = originY + i * stepIY;
    Narrow(x, stepJX, left, right, first, last);
    Narrow(y, stepJY, top, bottom, first, last);
}
