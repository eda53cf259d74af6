#pragma once
// The model: bricks kept in drawing order, with the undo and redo logs, the view values of the
// last file read, the step limit and the extents of that file's bricks. Also the scratch list of
// a sub-assembly or a picked-up selection.

#include "model/Block.h"
#include "model/DrawOrder.h"

#include <cstdint>
#include <deque>
#include <memory>
#include <string>

// The last group number handed out, one for the whole run; reading a file raises it.
extern int32_t GroupCounter;

// GroupCounter + 1, stored and returned; wraps rather than overflowing after a hostile file.
int32_t NewGroupNumber();

class TBlockList {
public:
    std::deque<std::string> UndoLog; // newest first
    std::deque<std::string> RedoLog; // newest first
    // Header values of the last model file read.
    int32_t FileRotX = 0, FileRotZ = 0, FileScaleBar = 0, FileOffsetX = 0, FileOffsetY = 0;
    int32_t FileStuds = 0;
    int32_t Version = 0;
    // Octant the order was last sorted for; -1 after InsertListAt, -2 after LoadFromFile,
    // 99 to force a new sort.
    int32_t SortedOctant = 0;
    int32_t StepLimit = 0;
    // Extents of the non-baseplate bricks of the last file read; 64 bits since far faces of
    // 32-bit boxes do not fit in 32 bits.
    int64_t MinX = 0, MinY = 0, MinZ = 0;
    int64_t SizeX = 0, SizeY = 0, SizeZ = 0;
    // The octant the view looks from, set by the view; MayFollow and InsertSorted use it.
    int CurrentOctant = 0;

    TBlockList() = default;
    TBlockList(const TBlockList&) = delete;
    TBlockList& operator=(const TBlockList&) = delete;

    int Count() const { return int(Bricks.size()); }
    TBlock& Items(int i) const { return *Bricks[size_t(i)]; }
    TBlock& operator[](int i) const { return Items(i); }
    const TBrickVector& Items() const { return Bricks; }

    // Appends without regard to drawing order.
    TBlock& Add(std::unique_ptr<TBlock> brick);
    // Takes the brick out of the list, to move it to another list or to the hand.
    std::unique_ptr<TBlock> Extract(int i);
    // Takes every brick out of the list, logs untouched.
    TBrickVector ExtractAll();
    // Removes and frees the brick.
    void Delete(int i);

    // Frees every brick and empties both logs.
    void Clear();
    // Frees every brick; the logs stay.
    void ClearItems();

    // Inserts the brick at its place in drawing order for the current octant.
    TBlock& InsertSorted(std::unique_ptr<TBlock> brick);
    // InsertSorted of each brick in turn.
    void InsertAllSorted(TBrickVector bricks);
    // A may be drawn after B in the current octant.
    bool MayFollow(const TBlock& a, const TBlock& b) const;
    // Rebuilds the drawing order (compared in the current octant, which callers set to the
    // octant they pass) and records the octant in SortedOctant. Needs two bricks or more.
    void Sort(int octant);

    // Moves the source's bricks so that their common low corner lands on (x, y, z) and inserts
    // copies of them, keeping their groups.
    void InsertListAt(TBlockList& source, int32_t x, int32_t y, int32_t z);

    // First brick whose SaveToString equals the text exactly, or -1.
    int IndexOfText(const std::string& text) const;
    int FirstSelected() const { return NextSelected(-1); }
    int NextSelected(int i) const;
    int FirstInGroup(int32_t group) const { return NextInGroup(group, -1); }
    int NextInGroup(int32_t group, int i) const;
    // Two or more selected bricks become a new group and lose their selection.
    void GroupSelected();
    // Every selected brick leaves its group and its selection.
    void UngroupSelected();

    // Appends the bricks of a model file in drawing order (model/ModelFile.cpp).
    void LoadFromFile(const std::string& fileName);

    // Undo and redo by brick text forms (model/Undo.cpp).
    void RecordCommand(char command, const TBlock& brick);
    void Undo();
    void Redo();
    int UndoCount() const { return int(UndoLog.size()); }
    int RedoCount() const { return int(RedoLog.size()); }

private:
    TBrickVector Bricks;
};
