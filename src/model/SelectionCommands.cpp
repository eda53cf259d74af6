#include "model/SelectionCommands.h"

#include "base/Text.h"

#include <algorithm>

namespace {
int32_t Moved(int32_t value, int32_t by) {
    return int32_t(std::clamp<int64_t>(int64_t(value) + by, INT32_MIN, INT32_MAX));
}
} // namespace

TSelectionWalk ForEachSelected(TBlockList& model, const std::function<void(TBlock&)>& action) {
    TSelectionWalk walk;
    for (const auto& item : model.Items()) {
        TBlock& brick = *item;
        if (!brick.Selected)
            continue;
        ++walk.Count;
        walk.Last = &brick;
        if (action)
            action(brick);
        walk.MinX = std::min(walk.MinX, brick.X);
        walk.MinY = std::min(walk.MinY, brick.Y);
        walk.MinZ = std::min(walk.MinZ, brick.Z);
    }
    return walk;
}

TSelectionWalk ToggleSelectedStuds(TBlockList& model) {
    return ForEachSelected(model, [](TBlock& b) { b.Studs = !b.Studs; });
}

TSelectionWalk TurnSelected(TBlockList& model) {
    return ForEachSelected(model, [](TBlock& b) { b.Rotate(); });
}

TSelectionWalk ToggleSelectedTransparent(TBlockList& model) {
    return ForEachSelected(model, [](TBlock& b) { b.Transparent = !b.Transparent; });
}

TSelectionWalk ColourSelected(TBlockList& model, int32_t colour) {
    return ForEachSelected(model, [colour](TBlock& b) { b.Colour = colour; });
}

TSelectionWalk SetSelectedPartID(TBlockList& model, const std::string& partID) {
    CheckTypedPartID(partID);
    return ForEachSelected(model, [&partID](TBlock& b) { b.PartID = partID; });
}

TSelectionWalk SetSelectedStep(TBlockList& model, const std::string& stepText) {
    int32_t step = StrToInt(Trim(stepText));
    return ForEachSelected(model, [step](TBlock& b) { b.Step = step; });
}

TSelectionWalk NudgeSelected(TBlockList& model, int32_t dx, int32_t dy, int32_t dz) {
    return ForEachSelected(model, [=](TBlock& b) {
        b.X = Moved(b.X, dx);
        b.Y = Moved(b.Y, dy);
        b.Z = Moved(b.Z, dz);
    });
}

std::optional<int32_t> FirstSelectedColour(const TBlockList& model) {
    int first = model.FirstSelected();
    if (first < 0)
        return std::nullopt;
    return model[first].Colour;
}

bool ReplaceSelectedColour(TBlockList& model, int32_t colour) {
    std::optional<int32_t> old = FirstSelectedColour(model);
    if (!old)
        return false;
    for (const auto& brick : model.Items())
        if (brick->Colour == *old)
            brick->Colour = colour;
    return true;
}
