#include "model/BlockList.h"

#include <algorithm>

int32_t GroupCounter = 0;

int32_t NewGroupNumber() {
    GroupCounter = int32_t(uint32_t(GroupCounter) + 1u);
    return GroupCounter;
}

TBlock& TBlockList::Add(std::unique_ptr<TBlock> brick) {
    Bricks.push_back(std::move(brick));
    return *Bricks.back();
}

std::unique_ptr<TBlock> TBlockList::Extract(int i) {
    std::unique_ptr<TBlock> brick = std::move(Bricks[size_t(i)]);
    Bricks.erase(Bricks.begin() + i);
    return brick;
}

TBrickVector TBlockList::ExtractAll() {
    TBrickVector all = std::move(Bricks);
    Bricks.clear();
    return all;
}

void TBlockList::Delete(int i) {
    Bricks.erase(Bricks.begin() + i);
}

void TBlockList::Clear() {
    ClearItems();
    UndoLog.clear();
    RedoLog.clear();
}

void TBlockList::ClearItems() {
    Bricks.clear();
}

TBlock& TBlockList::InsertSorted(std::unique_ptr<TBlock> brick) {
    size_t at = InsertSortedPosition(Bricks, *brick, CurrentOctant);
    return **Bricks.insert(Bricks.begin() + std::ptrdiff_t(at), std::move(brick));
}

void TBlockList::InsertAllSorted(TBrickVector bricks) {
    ::InsertAllSorted(Bricks, std::move(bricks), CurrentOctant);
}

bool TBlockList::MayFollow(const TBlock& a, const TBlock& b) const {
    return ::MayFollow(a, b, CurrentOctant);
}

void TBlockList::Sort(int octant) {
    if (Bricks.size() < 2)
        return;
    SortDrawOrder(Bricks, CurrentOctant);
    SortedOctant = octant;
}

void TBlockList::InsertListAt(TBlockList& source, int32_t x, int32_t y, int32_t z) {
    if (source.Count() == 0) {
        SortedOctant = -1;
        return;
    }
    int32_t mx = source[0].X, my = source[0].Y, mz = source[0].Z;
    for (const auto& brick : source.Bricks) {
        mx = std::min(mx, brick->X);
        my = std::min(my, brick->Y);
        mz = std::min(mz, brick->Z);
    }
    // Wrapping arithmetic: a move far beyond the model's range must not be undefined.
    auto moved = [](int32_t value, int32_t from, int32_t to) {
        return int32_t(uint32_t(value) - uint32_t(from) + uint32_t(to));
    };
    for (const auto& brick : source.Bricks) {
        brick->X = moved(brick->X, mx, x);
        brick->Y = moved(brick->Y, my, y);
        brick->Z = moved(brick->Z, mz, z);
        std::unique_ptr<TBlock> copy = Clone(*brick);
        copy->Group = brick->Group;
        InsertSorted(std::move(copy));
    }
    SortedOctant = -1;
}

int TBlockList::IndexOfText(const std::string& text) const {
    for (int i = 0; i < Count(); ++i)
        if (Bricks[size_t(i)]->SaveToString() == text)
            return i;
    return -1;
}

int TBlockList::NextSelected(int i) const {
    for (int j = i + 1; j < Count(); ++j)
        if (Bricks[size_t(j)]->Selected)
            return j;
    return -1;
}

int TBlockList::NextInGroup(int32_t group, int i) const {
    for (int j = i + 1; j < Count(); ++j)
        if (Bricks[size_t(j)]->Group == group)
            return j;
    return -1;
}

void TBlockList::GroupSelected() {
    int first = FirstSelected();
    if (first < 0 || NextSelected(first) < 0)
        return;
    int32_t group = NewGroupNumber();
    for (auto& brick : Bricks) {
        if (brick->Selected) {
            brick->Group = group;
            brick->Selected = false;
        }
    }
}

void TBlockList::UngroupSelected() {
    for (auto& brick : Bricks) {
        if (brick->Selected) {
            brick->Group = 0;
            brick->Selected = false;
        }
    }
}
