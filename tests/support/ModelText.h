#pragma once
// A model as its .lgo file holds it, and its bricks' text forms sorted, for comparing models
// whose drawing order may differ (after an undo, say).

#include "model/BlockList.h"
#include "model/ModelFile.h"

#include <algorithm>
#include <string>
#include <vector>

inline std::string LgoText(const TBlockList& list) {
    return ModelFileText(list, {}, true);
}

inline std::string SortedBricks(const TBlockList& list) {
    std::vector<std::string> forms;
    for (const auto& brick : list.Items())
        forms.push_back(brick->SaveToString());
    std::sort(forms.begin(), forms.end());
    std::string text;
    for (const std::string& form : forms)
        text += form + "\n";
    return text;
}
