#include "model/GroundGrid.h"

#include <algorithm>
#include <climits>
#include <numeric>

namespace {
// The lines of one axis. Only how near faces compare with far faces matters: a near face before
// every far face gets the first line, one at or after every far face none (it can never stop a
// brick), and the faces between lie on a lattice, one line per step. So a huge brick that
// spans every other does not stretch the lattice.
struct TLattice {
    int64_t LowestFar = 0, HighestFar = 0;
    int64_t First = 0, Step = 1; // lines 2, 3, ... stand at First, First + Step, ...
    size_t Lines = 1;

    uint32_t Line(int64_t nearFace) const {
        if (nearFace < LowestFar)
            return 1;
        if (nearFace >= HighestFar)
            return uint32_t(Lines) + 1;
        return uint32_t((nearFace - First) / Step) + 2;
    }
    // Lines strictly before a far face.
    uint32_t LinesBefore(int64_t farFace) const {
        if (Lines == 1 || farFace <= First)
            return 1;
        return uint32_t(std::min<int64_t>((farFace - First + Step - 1) / Step + 1, int64_t(Lines)));
    }
};

TLattice NearFaceLattice(const std::vector<TDepthBox>& boxes, int axis) {
    TLattice lattice;
    lattice.LowestFar = INT64_MAX;
    lattice.HighestFar = INT64_MIN;
    for (const TDepthBox& box : boxes) {
        lattice.LowestFar = std::min(lattice.LowestFar, box.Far[axis]);
        lattice.HighestFar = std::max(lattice.HighestFar, box.Far[axis]);
    }
    // The faces between lie on the lattice through any one of them with the step that divides
    // all their distances from it.
    int64_t some = 0, low = INT64_MAX, high = INT64_MIN, step = 0;
    for (const TDepthBox& box : boxes) {
        int64_t face = box.Near[axis];
        if (face < lattice.LowestFar || face >= lattice.HighestFar)
            continue;
        if (low > high)
            some = face;
        low = std::min(low, face);
        high = std::max(high, face);
        step = std::gcd(step, face - some);
    }
    if (low <= high) {
        lattice.First = low;
        lattice.Step = std::max<int64_t>(step, 1);
        lattice.Lines = size_t((high - low) / lattice.Step) + 2;
    }
    return lattice;
}
} // namespace

std::unique_ptr<TGroundRanks> MakeGroundRanks(const std::vector<TDepthBox>& boxes,
                                              size_t maxCells) {
    if (boxes.empty())
        return nullptr;
    TLattice x = NearFaceLattice(boxes, 0), y = NearFaceLattice(boxes, 1);
    if (x.Lines > maxCells / y.Lines)
        return nullptr;
    auto ranks = std::make_unique<TGroundRanks>();
    ranks->Columns = x.Lines;
    ranks->Rows = y.Lines;
    size_t count = boxes.size();
    ranks->Column.resize(count);
    ranks->Row.resize(count);
    ranks->ColumnsBefore.resize(count);
    ranks->RowsBefore.resize(count);
    for (size_t i = 0; i < count; ++i) {
        ranks->Column[i] = x.Line(boxes[i].Near[0]);
        ranks->Row[i] = y.Line(boxes[i].Near[1]);
        ranks->ColumnsBefore[i] = x.LinesBefore(boxes[i].Far[0]);
        ranks->RowsBefore[i] = y.LinesBefore(boxes[i].Far[1]);
    }
    return ranks;
}

TGroundGrid::TGroundGrid(const TGroundRanks& ranks, const std::vector<TDepthBox>& boxes)
    : Ranks(ranks), Boxes(boxes), MinNearZ(ranks.Cells(), INT64_MAX) {}

void TGroundGrid::Add(int brick) {
    int64_t nearZ = Boxes[size_t(brick)].Near[2];
    size_t width = Ranks.Rows + 1;
    for (size_t column = Ranks.Column[size_t(brick)]; column <= Ranks.Columns;
         column += column & -column)
        for (size_t row = Ranks.Row[size_t(brick)]; row <= Ranks.Rows; row += row & -row) {
            int64_t& cell = MinNearZ[column * width + row];
            cell = std::min(cell, nearZ);
        }
}

bool TGroundGrid::AnyNotFollowed(int brick) const {
    int64_t farZ = Boxes[size_t(brick)].Far[2];
    size_t width = Ranks.Rows + 1;
    int64_t lowest = INT64_MAX;
    for (size_t column = Ranks.ColumnsBefore[size_t(brick)]; column > 0; column -= column & -column)
        for (size_t row = Ranks.RowsBefore[size_t(brick)]; row > 0; row -= row & -row)
            lowest = std::min(lowest, MinNearZ[column * width + row]);
    return lowest < farZ;
}
