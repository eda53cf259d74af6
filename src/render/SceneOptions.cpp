#include "render/SceneOptions.h"

#include "base/Error.h"
#include "base/Text.h"
#include "model/BlockList.h"
#include "render/CuttingBox.h"

#include <algorithm>

namespace {

// Studs to model units; a count whose units leave 32 bits is refused rather than wrapped.
int32_t StudsToUnits(int64_t studs, const std::string& text) {
    int64_t units = studs * 20;
    if (units < INT32_MIN || units > INT32_MAX)
        throw TError("'" + text + "' is too large for a baseplate");
    return int32_t(units);
}

TBlock* FirstBaseplate(TBlockList& model) {
    for (const auto& brick : model.Items())
        if (brick->Baseplate)
            return brick.get();
    return nullptr;
}

} // namespace

void SizeBaseplate(TBlockList& model, const std::string& length, const std::string& width,
                   bool thick, int32_t gray) {
    TBlock* plate = FirstBaseplate(model);
    if (!plate) {
        auto created = std::make_unique<TBlock>();
        created->Create(0, 0, 0, 0, 0, 0, gray, true, true, false, "");
        plate = &model.Add(std::move(created));
    }
    plate->X = StudsToUnits(-(int64_t(StrToInt(length)) / 2), length);
    plate->Y = StudsToUnits(-(int64_t(StrToInt(width)) / 2), width);
    plate->SX = StudsToUnits(StrToInt(length), length);
    plate->SY = StudsToUnits(StrToInt(width), width);
    plate->PartID.clear();
    plate->SZ = thick ? 24 : 8;
    plate->Z = -plate->SZ;
}

void TZCutOff::Accept(int32_t level) {
    LastPosition = std::clamp(level, BarLow, BarHigh);
}

int32_t TZCutOff::Change(int32_t position, TCuttingBox& box, bool boundaryExists, int32_t modelTop,
                         int32_t gridStep, const std::function<void(int32_t)>& show) {
    if (Changing)
        return LastPosition;
    Changing = true;
    int64_t last = LastPosition;
    int32_t answer = 19999;
    if (boundaryExists) {
        if (position < last - 1)
            answer = box.TopToZero();
        else if (position == last - 1)
            answer = box.LowerTop(modelTop, gridStep);
        else if (position == last + 1)
            answer = box.RaiseTop(gridStep);
        else if (position > last + 1)
            answer = box.TopOff();
        else
            answer = box.ZHigh;
    }
    Accept(answer);
    if (show)
        show(answer);
    Changing = false;
    return answer;
}
