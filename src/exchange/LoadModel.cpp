#include "exchange/LoadModel.h"

#include "base/FileNames.h"
#include "base/Text.h"
#include "exchange/ldraw/LDrawFileNames.h"
#include "exchange/ldraw/LDrawImport.h"
#include "exchange/ldraw/LDrawMap.h"

#include <algorithm>

namespace {
// Gives the scratch list's bricks the sub-assembly's group, step and colour, drops baseplates,
// and returns the palette key of the box that covers the rest.
std::string PrepareSubAssembly(TBlockList& scratch, int32_t step, int32_t newBrickColour) {
    bool any = false;
    int64_t min[3] = {9999, 9999, 9999}, max[3] = {-9999, -9999, -9999};
    for (int i = scratch.Count() - 1; i >= 0; --i) {
        TBlock& b = scratch[i];
        b.Group = GroupCounter;
        b.Step = step;
        if (b.Colour == 0)
            b.Colour = newBrickColour;
        if (b.Baseplate) {
            scratch.Delete(i);
            continue;
        }
        const int64_t near[3] = {b.X, b.Y, b.Z}, far[3] = {b.FarX(), b.FarY(), b.FarZ()};
        for (int k = 0; k < 3; ++k) {
            min[k] = any ? std::min(min[k], near[k]) : near[k];
            max[k] = any ? std::max(max[k], far[k]) : far[k];
        }
        any = true;
    }
    return " " + std::to_string((max[0] - min[0]) / 20) + "x" +
           std::to_string((max[1] - min[1]) / 20) + "x" +
           std::to_string((max[2] - min[2]) * 3 / 24);
}
} // namespace

TLoadResult LoadModel(TBlockList& model, const std::string& name, int mode, int32_t newBrickColour,
                      TLDrawShapes* shapes) {
    // Names from data (palette combinations) may use a backslash or another letter case.
    const std::string fileName = FileExists(name) ? name : ResolveFileName(name);
    TLoadResult result;
    int32_t step = 0;
    if (mode == LoadSubAssembly) {
        result.Group = NewGroupNumber();
        result.SubAssembly = std::make_unique<TBlockList>();
        result.SubAssembly->CurrentOctant = model.CurrentOctant;
        step = model.StepLimit;
    } else {
        model.Clear();
    }
    if (IsLDrawFileName(fileName)) {
        result.ImportReport = ImportLDraw(
            fileName, LDrawMap(),
            [&](std::unique_ptr<TBlock> b) {
                // A sub-assembly's bricks go no later than the model's step, so none is hidden.
                if (mode == LoadSubAssembly && b->Step > step)
                    b->Step = step;
                model.InsertSorted(std::move(b));
            },
            shapes);
        // A model that numbers its steps shows whole, up to its last step.
        if (mode == LoadWhole && result.ImportReport->NumberedSteps)
            step = result.ImportReport->MaxStep;
    } else if (mode == LoadSubAssembly) {
        result.SubAssembly->LoadFromFile(fileName);
    } else {
        model.LoadFromFile(fileName);
        for (int i = 0; i < model.Count() && result.BaseplateIndex < 0; ++i)
            if (model[i].Baseplate)
                result.BaseplateIndex = i;
    }
    model.StepLimit = step;
    if (mode == LoadSubAssembly) {
        // The file may have raised GroupCounter beyond the group taken above; its bricks join
        // the counter's current value, as the group the window will place them in.
        result.Group = GroupCounter;
        result.PlaceKey = PrepareSubAssembly(*result.SubAssembly, step, newBrickColour);
        result.SubAssembly->StepLimit = step;
    }
    return result;
}
