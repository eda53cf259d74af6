#include "model/SortedInserter.h"

#include <algorithm>
#include <climits>

namespace {
constexpr std::array<int64_t, 3> NoBricks = {INT64_MIN, INT64_MIN, INT64_MIN};

// Whether a stretch whose largest far faces are `maxFar` may hold a brick that is behind or
// overlapping `near` on all three axes.
bool MayStop(const std::array<int64_t, 3>& maxFar, const int64_t near[3]) {
    return maxFar[0] > near[0] && maxFar[1] > near[1] && maxFar[2] > near[2];
}

void Widen(std::array<int64_t, 3>& bound, const int64_t far[3]) {
    for (int k = 0; k < 3; ++k)
        bound[k] = std::max(bound[k], far[k]);
}
} // namespace

TSortedInserter::TSortedInserter(const std::vector<TDepthBox>& boxes) : Boxes(boxes) {
    Runs.reserve(boxes.size() / (RunSize / 2) + 1);
}

void TSortedInserter::Append(int brick) {
    if (Sequence.empty())
        InsertAt(0, 0, brick);
    else
        InsertAt(Sequence.size() - 1, Runs[size_t(Sequence.back())].Count, brick);
}

// The last slot of the run whose brick is behind or overlapping `near` on all three axes, or -1.
int TSortedInserter::LastStop(const TRun& run, const int64_t near[3]) {
    for (int part = (run.Count - 1) / PartSize; part >= 0; --part) {
        if (!MayStop(run.PartMaxFar[part], near))
            continue;
        for (int slot = std::min(run.Count, (part + 1) * PartSize); slot-- > part * PartSize;)
            if (run.Far[0][slot] > near[0] && run.Far[1][slot] > near[1] &&
                run.Far[2][slot] > near[2])
                return slot;
    }
    return -1;
}

void TSortedInserter::InsertSorted(int brick) {
    const int64_t* near = Boxes[size_t(brick)].Near;
    for (size_t group = GroupMaxFar.size(); group-- > 0;) {
        if (!MayStop(GroupMaxFar[group], near))
            continue;
        size_t end = std::min(Sequence.size(), (group + 1) * GroupSize);
        for (size_t position = end; position-- > group * GroupSize;) {
            if (!MayStop(RunMaxFar[position], near))
                continue;
            int slot = LastStop(Runs[size_t(Sequence[position])], near);
            if (slot >= 0) {
                InsertAt(position, slot + 1, brick);
                return;
            }
        }
    }
    InsertAt(0, 0, brick);
}

std::vector<int> TSortedInserter::Order() const {
    std::vector<int> order;
    for (int number : Sequence) {
        const TRun& run = Runs[size_t(number)];
        order.insert(order.end(), run.Bricks, run.Bricks + run.Count);
    }
    return order;
}

void TSortedInserter::InsertAt(size_t position, int slot, int brick) {
    if (Sequence.empty()) {
        std::fill_n(Runs.emplace_back().PartMaxFar, RunSize / PartSize, NoBricks);
        Sequence.push_back(0);
        RunMaxFar.push_back(NoBricks);
        RecomputeGroups(0);
    }
    if (Runs[size_t(Sequence[position])].Count == RunSize) {
        SplitRun(position);
        if (slot > RunSize / 2) {
            ++position;
            slot -= RunSize / 2;
        }
    }
    TRun& run = Runs[size_t(Sequence[position])];
    const int64_t* far = Boxes[size_t(brick)].Far;
    // The last brick of each part after the slot moves into the next part.
    for (int part = slot / PartSize + 1; part * PartSize <= run.Count; ++part) {
        const int64_t moving[3] = {run.Far[0][part * PartSize - 1], run.Far[1][part * PartSize - 1],
                                   run.Far[2][part * PartSize - 1]};
        Widen(run.PartMaxFar[part], moving);
    }
    Widen(run.PartMaxFar[slot / PartSize], far);
    for (int s = run.Count; s > slot; --s) {
        run.Bricks[s] = run.Bricks[s - 1];
        for (int k = 0; k < 3; ++k)
            run.Far[k][s] = run.Far[k][s - 1];
    }
    run.Bricks[slot] = brick;
    for (int k = 0; k < 3; ++k)
        run.Far[k][slot] = far[k];
    ++run.Count;
    Widen(RunMaxFar[position], far);
    Widen(GroupMaxFar[position / GroupSize], far);
}

// Moves the upper half of a full run into a new run right after it.
void TSortedInserter::SplitRun(size_t position) {
    int number = int(Runs.size());
    TRun& upper = Runs.emplace_back();
    TRun& lower = Runs[size_t(Sequence[position])];
    constexpr int half = RunSize / 2;
    upper.Count = RunSize - half;
    std::copy(lower.Bricks + half, lower.Bricks + RunSize, upper.Bricks);
    for (int k = 0; k < 3; ++k)
        std::copy(lower.Far[k] + half, lower.Far[k] + RunSize, upper.Far[k]);
    lower.Count = half;
    Sequence.insert(Sequence.begin() + std::ptrdiff_t(position + 1), number);
    RunMaxFar.insert(RunMaxFar.begin() + std::ptrdiff_t(position + 1), NoBricks);
    for (size_t at : {position, position + 1}) {
        TRun& run = Runs[size_t(Sequence[at])];
        TBound& bound = RunMaxFar[at];
        bound = NoBricks;
        for (int part = 0; part < RunSize / PartSize; ++part) {
            TBound& partBound = run.PartMaxFar[part];
            partBound = NoBricks;
            for (int s = part * PartSize; s < std::min(run.Count, (part + 1) * PartSize); ++s)
                for (size_t k = 0; k < 3; ++k)
                    partBound[k] = std::max(partBound[k], run.Far[k][s]);
            Widen(bound, partBound.data());
        }
    }
    RecomputeGroups(position);
}

// The runs from `fromPosition` on have moved one place along; their groups change.
void TSortedInserter::RecomputeGroups(size_t fromPosition) {
    size_t groups = (Sequence.size() + GroupSize - 1) / GroupSize;
    GroupMaxFar.resize(groups, NoBricks);
    for (size_t group = fromPosition / GroupSize; group < groups; ++group) {
        TBound& bound = GroupMaxFar[group];
        bound = NoBricks;
        size_t end = std::min(Sequence.size(), (group + 1) * GroupSize);
        for (size_t position = group * GroupSize; position < end; ++position)
            for (size_t k = 0; k < 3; ++k)
                bound[k] = std::max(bound[k], RunMaxFar[position][k]);
    }
}
