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

void TSortedInserter::InsertSorted(int brick) {
    const int64_t* near = Boxes[size_t(brick)].Near;
    for (size_t group = GroupMaxFar.size(); group-- > 0;) {
        if (!MayStop(GroupMaxFar[group], near))
            continue;
        size_t end = std::min(Sequence.size(), (group + 1) * GroupSize);
        for (size_t position = end; position-- > group * GroupSize;) {
            const TRun& run = Runs[size_t(Sequence[position])];
            if (!MayStop(run.MaxFar, near))
                continue;
            for (int slot = run.Count; slot-- > 0;)
                if (run.Far[0][slot] > near[0] && run.Far[1][slot] > near[1] &&
                    run.Far[2][slot] > near[2]) {
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
        Runs.emplace_back().MaxFar = NoBricks;
        Sequence.push_back(0);
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
    for (int s = run.Count; s > slot; --s) {
        run.Bricks[s] = run.Bricks[s - 1];
        for (int k = 0; k < 3; ++k)
            run.Far[k][s] = run.Far[k][s - 1];
    }
    run.Bricks[slot] = brick;
    for (int k = 0; k < 3; ++k)
        run.Far[k][slot] = far[k];
    ++run.Count;
    Widen(run.MaxFar, far);
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
    for (TRun* run : {&lower, &upper}) {
        run->MaxFar = NoBricks;
        for (int k = 0; k < 3; ++k)
            for (int s = 0; s < run->Count; ++s)
                run->MaxFar[size_t(k)] = std::max(run->MaxFar[size_t(k)], run->Far[k][s]);
    }
    Sequence.insert(Sequence.begin() + std::ptrdiff_t(position + 1), number);
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
            for (int k = 0; k < 3; ++k)
                bound[size_t(k)] =
                    std::max(bound[size_t(k)], Runs[size_t(Sequence[position])].MaxFar[size_t(k)]);
    }
}
