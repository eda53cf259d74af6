#include "exchange/instructions/BuildSteps.h"

#include "model/BlockList.h"

#include <algorithm>
#include <map>

namespace {

using TBricks = std::vector<TBlock*>;

int64_t CentreX2(const TBlock* b) {
    return 2 * int64_t(b->X) + b->SX;
}
int64_t CentreY2(const TBlock* b) {
    return 2 * int64_t(b->Y) + b->SY;
}

// Splits the bricks into `groups` steps by halving along the wider side of their spread each
// time, so every step is a compact patch of the layer rather than a stripe across it. Sizes
// are shared out in proportion, which keeps each step within the limit.
void SplitNearby(TBricks bricks, int groups, std::vector<TBuildStep>& steps) {
    if (groups <= 1 || bricks.size() <= 1) {
        steps.push_back({std::move(bricks)});
        return;
    }
    auto [minX, maxX] = std::minmax_element(
        bricks.begin(), bricks.end(), [](auto a, auto b) { return CentreX2(a) < CentreX2(b); });
    auto [minY, maxY] = std::minmax_element(
        bricks.begin(), bricks.end(), [](auto a, auto b) { return CentreY2(a) < CentreY2(b); });
    const bool alongX = CentreX2(*maxX) - CentreX2(*minX) >= CentreY2(*maxY) - CentreY2(*minY);
    std::stable_sort(bricks.begin(), bricks.end(), [alongX](const TBlock* a, const TBlock* b) {
        return alongX ? std::pair(CentreX2(a), CentreY2(a)) < std::pair(CentreX2(b), CentreY2(b))
                      : std::pair(CentreY2(a), CentreX2(a)) < std::pair(CentreY2(b), CentreX2(b));
    });
    const int firstGroups = groups / 2;
    const size_t firstCount = bricks.size() * size_t(firstGroups) / size_t(groups);
    TBricks rest(bricks.begin() + std::ptrdiff_t(firstCount), bricks.end());
    bricks.resize(firstCount);
    SplitNearby(std::move(bricks), firstGroups, steps);
    SplitNearby(std::move(rest), groups - firstGroups, steps);
}

// Restores the list order inside a step, so the parts and pictures follow the model's order.
void InListOrder(TBuildStep& step, const std::map<const TBlock*, size_t>& position) {
    std::sort(step.Bricks.begin(), step.Bricks.end(),
              [&](const TBlock* a, const TBlock* b) { return position.at(a) < position.at(b); });
}

} // namespace

bool HasLayerSteps(const TBlockList& model) {
    for (const auto& brick : model.Items())
        if (brick->Step != model.Items().front()->Step)
            return false;
    return true;
}

std::vector<TBuildStep> LayerSteps(const TBlockList& model, int maxNew) {
    std::map<int32_t, TBricks> layers; // by the height of the bottom face
    std::map<const TBlock*, size_t> position;
    for (size_t i = 0; i < model.Items().size(); ++i) {
        layers[model.Items()[i]->Z].push_back(model.Items()[i].get());
        position[model.Items()[i].get()] = i;
    }
    std::vector<TBuildStep> steps;
    const size_t limit = size_t(std::max(1, maxNew));
    for (auto& [height, bricks] : layers) {
        const size_t first = steps.size();
        const int groups = int((bricks.size() + limit - 1) / limit);
        SplitNearby(std::move(bricks), groups, steps);
        for (size_t i = first; i < steps.size(); ++i)
            InListOrder(steps[i], position);
    }
    return steps;
}

std::vector<TBuildStep> BuildingSteps(const TBlockList& model, int maxNew) {
    if (model.Count() == 0)
        return {};
    if (HasLayerSteps(model))
        return LayerSteps(model, maxNew);
    std::map<int32_t, TBricks> numbered;
    for (const auto& brick : model.Items())
        numbered[brick->Step].push_back(brick.get());
    std::vector<TBuildStep> steps;
    for (auto& [number, bricks] : numbered)
        steps.push_back({std::move(bricks)});
    return steps;
}

void SetStepsFromLayers(TBlockList& model, int maxNew, bool record) {
    std::vector<TBuildStep> steps = LayerSteps(model, maxNew);
    for (size_t i = 0; i < steps.size(); ++i)
        for (TBlock* brick : steps[i].Bricks) {
            if (brick->Step == int32_t(i))
                continue;
            if (record)
                model.RecordCommand('[', *brick);
            brick->Step = int32_t(i);
            if (record)
                model.RecordCommand(']', *brick);
        }
    model.StepLimit = steps.empty() ? 0 : int32_t(steps.size() - 1);
}
