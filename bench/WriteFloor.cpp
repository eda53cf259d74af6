#include "WriteFloor.h"

#include "raster/Bitmap.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <ctime>

double ThreadSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

double WallSeconds() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

void WriteEveryPixel(TBitmap& bitmap, uint32_t value) {
    for (int y = 0; y < bitmap.Height(); ++y) {
        auto* row = reinterpret_cast<uint32_t*>(bitmap.ScanLine(y));
        std::fill(row, row + bitmap.Width(), value);
    }
    benchmark::ClobberMemory();
}

namespace {
// The best of many full writes, timed by the given clock.
double BestFullWrite(double (*clock)()) {
    TBitmap bitmap(1920, 1080);
    double best = 1e9;
    for (int i = 0; i < 200; ++i) {
        double start = clock();
        WriteEveryPixel(bitmap, uint32_t(i));
        best = std::min(best, clock() - start);
    }
    return best;
}
} // namespace

double WriteFloor() {
    static double seconds = BestFullWrite(ThreadSeconds);
    return seconds;
}

double WallWriteFloor() {
    static double seconds = BestFullWrite(WallSeconds);
    return seconds;
}
