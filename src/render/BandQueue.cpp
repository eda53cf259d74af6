#include "render/BandQueue.h"

#include <algorithm>

namespace {

// Below this, the rows set up again in both parts cost more than a late thread could save.
constexpr int LeastSplitRows = 32;

} // namespace

void TBandQueue::Start(const std::vector<int>& tops, const std::vector<uint64_t>& rowWork) {
    const std::lock_guard<std::mutex> hold(Lock);
    WorkAbove.resize(rowWork.size() + 1);
    WorkAbove[0] = 0;
    for (size_t y = 0; y < rowWork.size(); ++y)
        WorkAbove[y + 1] = WorkAbove[y] + rowWork[y];
    Left.clear();
    // Taken from the back: the first band first.
    for (size_t b = tops.size(); b-- > 1;)
        Left.push_back({tops[b - 1], tops[b] - 1});
}

bool TBandQueue::Take(bool again, TRowBand& band) {
    const std::lock_guard<std::mutex> hold(Lock);
    if (Left.empty())
        return false;
    band = Left.back();
    Left.pop_back();
    if (!again || band.Bottom - band.Top + 1 < 2 * LeastSplitRows)
        return true;
    const uint64_t half = WorkAbove[size_t(band.Top)] +
                          (WorkAbove[size_t(band.Bottom) + 1] - WorkAbove[size_t(band.Top)]) / 2;
    // The first row whose work above reaches half starts the lower part.
    const auto first = WorkAbove.begin() + band.Top, last = WorkAbove.begin() + band.Bottom + 1;
    const int split = std::clamp(int(std::lower_bound(first, last, half) - WorkAbove.begin()),
                                 band.Top + LeastSplitRows, band.Bottom + 1 - LeastSplitRows);
    Left.push_back({split, band.Bottom});
    band.Bottom = split - 1;
    return true;
}
