#pragma once
// Edits of the selected bricks and whole-model colour edits, as the advanced toolbox applies
// them. None of them is recorded for undo.

#include "model/BlockList.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

// What a walk over the selected bricks found: their number, the last one, and the smallest
// X, Y, Z after the action (99999 while none is selected).
struct TSelectionWalk {
    int Count = 0;
    TBlock* Last = nullptr;
    int32_t MinX = 99999, MinY = 99999, MinZ = 99999;
};

// Applies the action (if any) to every selected brick in list order.
TSelectionWalk ForEachSelected(TBlockList& model, const std::function<void(TBlock&)>& action = {});

TSelectionWalk ToggleSelectedStuds(TBlockList& model);
TSelectionWalk TurnSelected(TBlockList& model);
TSelectionWalk ToggleSelectedTransparent(TBlockList& model);
TSelectionWalk ColourSelected(TBlockList& model, int32_t colour);
// The identity is checked before any brick changes (no ':' and no blanks).
TSelectionWalk SetSelectedPartID(TBlockList& model, const std::string& partID);
// The text is parsed before any brick changes, so a bad number leaves every brick as it was.
TSelectionWalk SetSelectedStep(TBlockList& model, const std::string& stepText);
// Moves every selected brick; coordinates stop at the ends of 32 bits rather than wrapping.
TSelectionWalk NudgeSelected(TBlockList& model, int32_t dx, int32_t dy, int32_t dz);

// The colour of the first selected brick in list order, if any.
std::optional<int32_t> FirstSelectedColour(const TBlockList& model);
// Every brick of that first selected brick's colour, selected or not, takes the new colour;
// false when nothing is selected.
bool ReplaceSelectedColour(TBlockList& model, int32_t colour);
