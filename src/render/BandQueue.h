#pragma once
// Bands of a frame handed out to its threads one at a time. A thread back for more splits the
// band it takes and leaves the lower part: a thread that starts late, held up by other work on
// the machine, still finds something to draw, while threads that start together draw one band
// each and cut the rows no more often than that.

#include "raster/RowBand.h"

#include <cstdint>
#include <mutex>
#include <vector>

class TBandQueue {
public:
    // The bands tops[b] .. tops[b + 1] - 1 to hand out, and the work foreseen for each row.
    void Start(const std::vector<int>& tops, const std::vector<uint64_t>& rowWork);
    // The next band, split at about half its work when the thread has drawn one before (again)
    // and the band is tall enough; false when none is left.
    bool Take(bool again, TRowBand& band);

private:
    std::mutex Lock;
    std::vector<TRowBand> Left;
    std::vector<uint64_t> WorkAbove; // of the rows above each row, one more for the whole
};
