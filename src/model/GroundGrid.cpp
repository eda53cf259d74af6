#include "model/GroundGrid.h"

#include <algorithm>
#include <climits>
#include <numeric>

namespace {
// The lines of one axis: the lowest near face and the largest step that reaches every other.
struct TLattice {
    int64_t First = 0, Step = 1;
    size_t Lines = 1;

    uint32_t Line(int64_t nearFace) const { return uint32_t((nearFace - First) / Step) + 1; }
    // Lines strictly before the face.
    uint32_t LinesBefore(int64_t face) const {
        if (face <= First)
            return 0;
        return uint32_t(std::min<int64_t>((face - First + Step - 1) / Step, int64_t(Lines)));
    }
};

TLattice NearFaceLattice(const std::vector<TDepthBox>& boxes, int axis) {
    TLattice lattice;
    int64_t last = INT64_MIN;
    lattice.First = INT64_MAX;
    for (const TDepthBox& box : boxes) {
        lattice.First = std::min(lattice.First, box.Near[axis]);
        last = std::max(last, box.Near[axis]);
    }
    int64_t step = 0;
    for (const TDepthBox& box : boxes)
        step = std::gcd(step, box.Near[axis] - lattice.First);
    if (step > 0) {
        lattice.Step = step;
        lattice.Lines = size_t((last - lattice.First) / step) + 1;
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
    : Ranks(ranks), Boxes(boxes), MinNearZ((ranks.Columns + 1) * (ranks.Rows + 1), INT64_MAX) {}

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
