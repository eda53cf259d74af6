#include "parts/IntegerList.h"

#include "base/Error.h"

#include <algorithm>
#include <string>

int32_t TIntegerList::Get(int index) const {
    if (index < 0 || index >= Count())
        throw TError("List index out of bounds (" + std::to_string(index) + ")");
    return Items[size_t(index)];
}

void TIntegerList::Remove(int32_t value) {
    auto it = std::find(Items.begin(), Items.end(), value);
    if (it != Items.end())
        Items.erase(it);
}

void TIntegerList::SetItem(int index, int32_t value) {
    if (index < 0)
        return;
    while (Count() <= index)
        Items.push_back(0);
    Items[size_t(index)] = value;
}
