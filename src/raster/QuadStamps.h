#pragma once
// The writes of a box's faces, worked out once per shape and written again wherever the same
// shape comes. Far away, a frame's thousands of bricks take a few hundred shapes on screen, and
// for such small faces the set-up of edges and lines costs more than the pixels. Filling and
// walking whole pixels moved by whole pixels moves every write with them, so a shape's writes,
// kept relative to its first corner, are the writes of every copy.

#include "base/Geometry.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

class TQuadStamps {
public:
    // Length pixels of quad Face's colour from Offset on, or with Length 0 one pixel of the pen.
    // The writes come in runs of one kind, each after a header whose Length counts them and
    // whose Face is PenRun for pen pixels: the kind then changes a few times a shape rather than
    // with nearly every write, which the processor could not foresee. Small, so that the writes
    // of many shapes stay in the caches.
    struct TWrite {
        int32_t Offset;
        int16_t Length;
        int16_t Face;
    };
    static constexpr int PenRun = -1;
    // Only shapes whose corners lie within this many pixels of the first are kept: larger
    // faces come in too many shapes, each seen too rarely, and their pixels cost more than the
    // set-up anyway. Offsets of such corners in rows MaxPitch apart fit the writes.
    static constexpr int MaxReach = 32;
    static constexpr std::ptrdiff_t MaxPitch = (std::ptrdiff_t(1) << 30) / (2 * MaxReach);
    // The quads' corners relative to the first one, with the count and the segments left out.
    struct TKey {
        std::array<uint64_t, 4> Corners{};
        uint32_t Redrawn = 0;
        int Count = 0;
        bool operator==(const TKey& other) const {
            return Corners[0] == other.Corners[0] && Corners[1] == other.Corners[1] &&
                   Corners[2] == other.Corners[2] && Corners[3] == other.Corners[3] &&
                   Redrawn == other.Redrawn && Count == other.Count;
        }
    };
    static constexpr int MaxQuads = 4;

    // The key of quads[0..count-1]; false when a corner lies MaxReach or more from the first.
    static bool KeyOf(const TPoint (*quads)[4], int count, uint32_t redrawn, TKey& key);

    // The writes kept for key, headers included, or nullptr.
    const TWrite* Find(const TKey& key, int& size) const {
        if (Slots.empty())
            return nullptr;
        const TSlot& slot = Slots[SlotOf(key)];
        if (!slot.Used || !(slot.Key == key))
            return nullptr;
        size = int(slot.Size);
        return Writes.data() + slot.First;
    }
    // Starts keeping writes for key, which the caller then adds in drawing order.
    void Begin(const TKey& key);
    void Add(std::ptrdiff_t offset, int length, int face);
    // The writes added since Begin, now kept for the key.
    const TWrite* End(int& size);

private:
    struct TSlot {
        TKey Key;
        std::size_t First = 0, Size = 0;
        bool Used = false;
    };
    static constexpr std::size_t SlotCount = 4096;
    // Beyond this many writes all shapes are dropped and gathered again.
    static constexpr std::size_t MaxWrites = std::size_t(1) << 18;

    static std::size_t SlotOf(const TKey& key) {
        uint64_t mixed = key.Redrawn ^ uint64_t(key.Count) << 32;
        for (uint64_t corners : key.Corners)
            mixed = (mixed ^ corners) * 0x9E3779B97F4A7C15u;
        return std::size_t(mixed >> 52) % SlotCount;
    }

    std::vector<TSlot> Slots;
    std::vector<TWrite> Writes;
    std::size_t Recording = 0; // the slot Begin opened
    std::size_t Header = 0;    // of the run being added to
    bool RunOpen = false, PenRunOpen = false;
};
