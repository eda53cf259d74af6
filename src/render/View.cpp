#include "render/View.h"

#include <cmath>
#include <numbers>

float DegreesToAngle(int degrees) {
    return float(degrees * std::numbers::pi / 180.0);
}

int OctantOf(float tiltA, float azimuthC) {
    double quarters = std::floor(2.0 * double(azimuthC) / std::numbers::pi);
    int quarter = int(std::fmod(quarters, 4.0));
    if (quarter < 0)
        quarter += 4;
    return quarter + (double(tiltA) > std::numbers::pi / 2 ? 4 : 0);
}

void ComputeViewMatrix(TViewState& view) {
    view.CosA = float(std::cos(double(view.TiltA)));
    view.SinA = float(std::sin(double(view.TiltA)));
    for (int k = 0; k < 4; ++k) {
        double theta = k * std::numbers::pi / 2 + double(view.AzimuthC);
        double c = std::cos(theta);
        double s = std::sin(theta);
        view.RowX[k] = {float(c), float(s), 0.0f};
        view.RowY[k] = {float(s * view.CosA), float(-c * view.CosA), view.SinA};
    }
    view.Octant = OctantOf(view.TiltA, view.AzimuthC);
}

void ComputeOrigin(TViewState& view, int clientWidth, int clientHeight, int offsetX, int offsetY) {
    view.OriginX = float(RoundHalfEven(clientWidth / 2.0) - offsetX);
    view.OriginY = float(RoundHalfEven(clientHeight / 2.0) - offsetY);
}

void ProjectPoints(const TViewState& view, const int32_t* xyz, size_t count, int k, TPoint* out) {
    for (size_t i = 0; i < count; ++i)
        out[i] = ProjectPoint(view, xyz[3 * i], xyz[3 * i + 1], xyz[3 * i + 2], k);
}
