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
                         int reachY, int width, int height)
    : Narrowing(true) {
    const TRow& rx = view.RowX[0];
    const TRow& ry = view.RowY[0];
    double s = view.ViewScale;
    OriginX = (baseX * rx[0] + baseY * rx[1] + z * rx[2]) * s + view.OriginX;
    OriginY = -(baseX * ry[0] + baseY * ry[1] + z * ry[2]) * s + view.OriginY;
    StepIX = 20 * rx[0] * s;
    StepIY = -20 * ry[0] * s;
    StepJX = 20 * rx[1] * s;
    StepJY = -20 * ry[1] * s;
    // One pixel for the rounding of the centre and one to spare.
    Left = -reachX - 2.0;
    Right = width - 1.0 + reachX + 2.0;
    Top = -reachY - 2.0;
    Bottom = height - 1.0 + reachY + 2.0;
}

void TStudWindow::Columns(int& first, int& last) const {
    if (!Narrowing)
        return;
    double det = StepIX * StepJY - StepJX * StepIY;
    if (std::fabs(det) < 1e-6)
        return; // the lattice collapses to a line on screen: every column may count
    double lowI = 1e300, highI = -1e300;
    for (double x : {Left, Right})
        for (double y : {Top, Bottom}) {
            double i = ((x - OriginX) * StepJY - (y - OriginY) * StepJX) / det;
            lowI = std::min(lowI, i);
            highI = std::max(highI, i);
        }
    Narrow(0, 1, lowI, highI, first, last);
}

void TStudWindow::Rows(int i, int& first, int& last) const {
    if (!Narrowing)
        return;
    double x = OriginX + i * StepIX, y = OriginY + i * StepIY;
    Narrow(x, StepJX, Left, Right, first, last);
    Narrow(y, StepJY, Top, Bottom, first, last);
}
