#pragma once
// A growable list of 32-bit integers: a draw order of polygon indices.

#include <cstddef>
#include <cstdint>
#include <vector>

class TIntegerList {
public:
    int Count() const { return int(Items.size()); }
    void Add(int32_t value) { Items.push_back(value); }
    // Removes the first entry equal to value, if any.
    void Remove(int32_t value);
    // Raises TError for an index outside the list.
    int32_t Get(int index) const;
    // Appends zeros until index < Count, then stores the value.
    void SetItem(int index, int32_t value);
    void Clear() { Items.clear(); }

    std::vector<int32_t> Items;
};
