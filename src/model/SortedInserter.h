#pragma once
// The list that InsertSorted builds, arranged so that the scan from the end can pass whole
// stretches of bricks at once; gives exactly the positions of the brick-by-brick scan.

#include "model/DepthBox.h"

#include <array>
#include <vector>

class TSortedInserter {
public:
    // Bricks are named by their index into `boxes`, which must outlive the inserter.
    explicit TSortedInserter(const std::vector<TDepthBox>& boxes);

    // Puts a brick at the end, whatever its place: for a list that is already there.
    void Append(int brick);
    // Puts a brick after the last one, from the end, that it is not wholly in front of.
    void InsertSorted(int brick);
    // The bricks in list order.
    std::vector<int> Order() const;

private:
    // Short stretches of the list. A stretch can hold a brick that stops the scan only when its
    // largest far faces all lie beyond the new brick's near faces.
    static constexpr int RunSize = 64;
    static constexpr int PartSize = 16;
    static constexpr size_t GroupSize = 16;
    using TBound = std::array<int64_t, 3>;
    struct TRun {
        int Count = 0;
        int Bricks[RunSize];
        int64_t Far[3][RunSize];
        // Per PartSize slots: at least their largest far faces (bricks shifted out widen it no
        // more, which only costs a look).
        TBound PartMaxFar[RunSize / PartSize];
    };

    const std::vector<TDepthBox>& Boxes;
    std::vector<TRun> Runs;    // in the order they were made
    std::vector<int> Sequence; // run numbers in list order
    // Per entry of Sequence, beside it so that a scan reads them in a row.
    std::vector<TBound> RunMaxFar;
    std::vector<TBound> GroupMaxFar; // per GroupSize consecutive entries of Sequence

    void InsertAt(size_t position, int slot, int brick);
    void SplitRun(size_t position);
    static int LastStop(const TRun& run, const int64_t near[3]);
    void RecomputeGroups(size_t fromPosition);
};
