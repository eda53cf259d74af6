#pragma once
// The building steps of a model: the bricks each step adds, from the bricks' own step numbers,
// or from the model's layers when every brick shares one number.

#include <cstdint>
#include <vector>

class TBlock;
class TBlockList;

struct TBuildStep {
    std::vector<TBlock*> Bricks; // in the model's list order
};

// The largest number of new bricks a layer step holds unless told otherwise.
constexpr int DefaultMaxNewBricks = 12;

// One step per distinct brick step number, lowest first. A model whose bricks all share one
// number is split into layers by the height of their bottom faces, bottom up, and a layer of
// more than maxNew bricks into steps of at most maxNew bricks lying near each other.
std::vector<TBuildStep> BuildingSteps(const TBlockList& model, int maxNew = DefaultMaxNewBricks);

// The layer steps, whatever numbers the bricks carry.
std::vector<TBuildStep> LayerSteps(const TBlockList& model, int maxNew = DefaultMaxNewBricks);

// True when the steps come from layers rather than from the bricks' own numbers.
bool HasLayerSteps(const TBlockList& model);

// Writes LayerSteps into the bricks (0 for the first step on) and makes the step limit the
// last step, so the whole model still shows. With record, every brick whose step changes gets
// its before and after entries in the undo log.
void SetStepsFromLayers(TBlockList& model, int maxNew = DefaultMaxNewBricks, bool record = false);
