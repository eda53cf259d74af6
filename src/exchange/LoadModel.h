#pragma once
// Bringing a model file in: as the whole model (mode 0) or as a sub-assembly to place as one
// new group (mode 1). The window shows what these return; they touch no window themselves.

#include "exchange/ldraw/LDrawImportReport.h"
#include "model/BlockList.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

class TLDrawShapes;

constexpr int LoadWhole = 0;
constexpr int LoadSubAssembly = 1;

struct TLoadResult {
    // Mode 1: the sub-assembly's bricks, moved into the model when its box is placed.
    std::unique_ptr<TBlockList> SubAssembly;
    // Mode 1: the palette key " WxDxH" (studs, studs, bricks) of the box that stands for it.
    std::string PlaceKey;
    // Mode 1: the sub-assembly's group.
    int32_t Group = 0;
    // Mode 0: index of the first baseplate brick, or -1.
    int BaseplateIndex = -1;
    // For an LDraw file: what was read, imported and left out.
    std::optional<TLDrawImportReport> ImportReport;
};

// Reads the file into the model (mode 0: replacing its bricks and logs, step limit 0) or into a
// new scratch list (mode 1: a new group, the model's step limit as step, black bricks in
// newBrickColour, baseplates dropped). An LDraw name (IsLDrawFileName) is read as LDraw
// straight into the model in either mode, leaving the scratch list empty; a whole model whose
// file numbers steps gets its largest step as the step limit. Errors
// propagate; bricks read before a faulty line stay.
// With shapes (an LDraw library), LDraw parts that no mapping row serves come in as shapes.
TLoadResult LoadModel(TBlockList& model, const std::string& fileName, int mode,
                      int32_t newBrickColour = 0, TLDrawShapes* shapes = nullptr);
