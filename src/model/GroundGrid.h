#pragma once
// Whether any brick of a long path of Sort's tree is one that a new brick is not wholly in front
// of, answered from a grid over the ground plane instead of brick by brick. Nearly every brick of
// a list already in drawing order passes the whole of the tree's longest path, and proving that
// through bounds over the path's order costs most of a re-sort.

#include "model/DepthBox.h"

#include <cstdint>
#include <memory>
#include <vector>

// The grid's columns and rows: one per line of a lattice through the model's near X (Y) faces,
// so that "near face before this far face" on those axes is exactly "column (row) below this
// one". Near faces outside the span of the far faces share a line beyond either end.
struct TGroundRanks {
    size_t Columns = 0, Rows = 0;
    std::vector<uint32_t> Column, Row;               // per brick: its near faces' column and row
    std::vector<uint32_t> ColumnsBefore, RowsBefore; // per brick: lines before its far faces

    // What one grid takes: the Fenwick tree counts rows and columns from 1.
    size_t Cells() const { return (Columns + 1) * (Rows + 1); }
};

// The ranks, or none when the grid would have more than `maxCells` cells (faces off any coarse
// lattice): the bounds over the path's order serve such models.
std::unique_ptr<TGroundRanks> MakeGroundRanks(const std::vector<TDepthBox>& boxes, size_t maxCells);

class TGroundGrid {
public:
    // `ranks` and `boxes` must outlive the grid.
    TGroundGrid(const TGroundRanks& ranks, const std::vector<TDepthBox>& boxes);

    void Add(int brick);
    // Whether some brick added has all its near faces before the brick's far faces.
    bool AnyNotFollowed(int brick) const;

private:
    const TGroundRanks& Ranks;
    const std::vector<TDepthBox>& Boxes;
    // A two-dimensional Fenwick tree over (column, row), both counted from 1: the smallest near
    // Z of the bricks in each of its rectangles, so that a corner of the grid takes log² steps.
    std::vector<int64_t> MinNearZ;
};
