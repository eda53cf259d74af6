#include "parts/IntegerList.h"

#include <algorithm>

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
