#include "exchange/pictures/PictureEstimate.h"

#include <cmath>

TSizeEstimate EstimateBytes(double bytes) {
    // The default rounding mode takes halves to the even neighbour.
    if (bytes >= 104857600.0)
        return {int64_t(std::nearbyint(bytes / 1024 / 1024)), "MByte"};
    if (bytes >= 10240.0)
        return {int64_t(std::nearbyint(bytes / 1024)), "kByte"};
    return {int64_t(bytes), "Byte"};
}

double PictureBytes(int variant, const TPictureFrame& frame) {
    // Exact in a double up to 2^53 bytes, far past anything a frame on the screen can ask for;
    // 32-bit arithmetic would overflow already at a large frame times eight.
    double n = (double(frame.Right) - frame.Left + 1) * (double(frame.Bottom) - frame.Top + 1) * 4;
    if (variant >= 2)
        n *= double(variant) * variant;
    return n;
}

std::string SavePictureTitle(int variant, const TPictureFrame& frame) {
    const char* title = nullptr;
    switch (variant) {
    case 0:
        title = "Save picture";
        break;
    case 1:
        title = "Save anti-aliased picture";
        break;
    case 2:
        title = "Save large picture";
        break;
    case 4:
        title = "Save quite large picture";
        break;
    case 8:
        title = "Save very large picture";
        break;
    default:
        return "Save picture";
    }
    TSizeEstimate size = EstimateBytes(PictureBytes(variant, frame));
    return std::string(title) + " (.bmp size: " + std::to_string(size.Value) + " " + size.Unit +
           ")";
}
