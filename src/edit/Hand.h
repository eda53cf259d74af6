#pragma once
// The hand: the brick, group or selection being placed, how the mouse point maps onto the
// positioning grid and the bricks below, and the edits that put bricks in and take them out.

#include "model/BlockList.h"

#include <cstdint>
#include <functional>
#include <memory>

class TDrawContext;

// The step of mouse and keyboard moves: "Normal" 20/8, "Half" 10/4, "Fine" 1/1 model units.
struct TPositioningGrid {
    int GridMode = 0;
    int32_t GridXY = 20, GridZ = 8;

    // Indices other than 0 to 2 leave the grid as it is.
    void SetMode(int index);
    // Both round toward zero, so -19 to 19 all become 0 on the normal grid.
    int32_t SnapXY(int64_t v) const;
    int32_t SnapZ(int64_t v) const;
};

struct TGroundPoint {
    int32_t X = 0, Y = 0, Height = 0;
};

// Keys of the first stage that move or lift the hand.
enum class THandKey { PageUp, PageDown, Left, Right, Up, Down };

class THand {
public:
    THand(TBlockList& model, TDrawContext& context) : Model(model), Context(context) {}

    // The brick that follows the mouse; for a group, the box that stands for it.
    std::unique_ptr<TBlock> BrickInHand;
    // The bricks carried together, at positions of their own.
    std::unique_ptr<TBlockList> GroupInHand;
    bool HoldingGroup = false;
    // The hand holds bricks taken out of the model: one drop puts them back.
    bool PlaceOnce = false;
    int32_t LastDrop[3] = {0, 0, 0};
    bool SafePositioning = true;
    TPositioningGrid Grid;

    bool Empty() const { return !BrickInHand; }

    // Inverse projection of a pixel onto the ground, rounded to the grid, with the height the
    // footprint (or the group in hand) would rest on.
    TGroundPoint ScreenToGround(int mx, int my, int32_t sx, int32_t sy) const;
    // The boundary's floor or 0, raised to the top of every brick inside the boundary that
    // the footprint overlaps.
    int32_t TopHeightAt(int32_t x, int32_t y, int32_t sx, int32_t sy) const;
    // Moves the brick in hand under the pointer; true when X, Y or Z changed.
    bool PlaceInHand(int mx, int my);
    // Puts the hand into the model with its undo records; false (nothing done) when the hand
    // is empty or outside the boundary.
    bool DropBrick();
    // The brick becomes the brick in hand, stamping copies, with the given building step.
    void TakeInHand(std::unique_ptr<TBlock> brick, int32_t step);
    // A sub-assembly's scratch list goes into the hand as a group, its box standing for it.
    void TakeGroupInHand(std::unique_ptr<TBlockList> group, std::unique_ptr<TBlock> box,
                         int32_t step);
    // A colour, transparency or studs chosen while something is in hand reaches the brick in
    // hand and every brick of the group in hand at once; no undo record, nothing is placed yet.
    void RestyleHand(const std::function<void(TBlock&)>& change);
    // Empties the hand; bricks taken out of the model are thereby deleted.
    void DropHand();
    // A quarter turn of the hand; true when the model counts as modified (a single brick).
    bool TurnHand();
    // Lifts, lowers or slides the hand by a brick or a grid step.
    void MoveHand(THandKey key, bool shift);
    // With safe positioning, the hand comes to rest on the bricks under its footprint.
    void RestOnModel();
    // The group's bricks moved so that their low corner lies at the hand (for drawing).
    void AlignGroupToHand();

    // Shift + left press on model brick i: picks up the selection (copied with Alt), the
    // brick's group or the brick. True when something was taken.
    bool PickUp(int i, bool alt, bool* modified);
    // Left or middle press on brick i: flips its selection (its group's without Ctrl).
    void ClickSelect(int i, bool ctrl);
    // Right press edits of brick i, each recorded as a "[" "]" pair.
    void ToggleStuds(int i);
    void TurnBrick(int i);
    void PaintBrick(int i, int32_t colour, bool transparent);
    // Delete key: removes the selected bricks last to first with "-" records; true when any.
    bool DeleteSelected();
    // Escape key; true when any brick was selected.
    bool DeselectAll();

private:
    TBlockList& Model;
    TDrawContext& Context;
};
