#include "render/BandSplit.h"

#include <algorithm>

void SplitRowsAtEqualWork(const std::vector<uint64_t>& rowWork, int bands, std::vector<int>& tops) {
    const int rows = int(rowWork.size());
    uint64_t total = 0;
    for (uint64_t work : rowWork)
        total += work;
    tops.assign(size_t(bands) + 1, rows);
    tops[0] = 0;
    if (total == 0) {
        for (int b = 1; b < bands; ++b)
            tops[size_t(b)] = int(int64_t(rows) * b / bands);
        return;
    }
    uint64_t sum = 0;
    int row = 0;
    for (int b = 1; b < bands; ++b) {
        const double share = double(total) * b / bands;
        while (row < rows && double(sum) < share)
            sum += rowWork[size_t(row++)];
        // Room for this band and one row for each band after it.
        tops[size_t(b)] = std::clamp(row, tops[size_t(b) - 1] + 1, rows - (bands - b));
    }
}
