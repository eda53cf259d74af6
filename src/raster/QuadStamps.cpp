#include "raster/QuadStamps.h"

bool TQuadStamps::KeyOf(const TPoint (*quads)[4], int count, uint32_t redrawn, TKey& key) {
    if (count < 1 || count > MaxQuads)
        return false;
    const TPoint origin = quads[0][0];
    key = TKey();
    key.Redrawn = redrawn;
    key.Count = count;
    bool near = true;
    for (int k = 0; k < count; ++k)
        for (int s = 0; s < 4; ++s) {
            const int dx = quads[k][s].X - origin.X, dy = quads[k][s].Y - origin.Y;
            near &= (dx >= -MaxReach) & (dx < MaxReach) & (dy >= -MaxReach) & (dy < MaxReach);
            const uint64_t packed = uint64_t(uint8_t(dx)) | uint64_t(uint8_t(dy)) << 8;
            key.Corners[std::size_t(k)] |= packed << (16 * s);
        }
    return near;
}

void TQuadStamps::Begin(const TKey& key) {
    if (Slots.empty()) {
        Slots.resize(SlotCount);
        Writes.reserve(MaxWrites / 32); // most frames' shapes, without growing copies
    }
    if (Writes.size() > MaxWrites) {
        for (TSlot& slot : Slots)
            slot.Used = false;
        Writes.clear();
    }
    Recording = SlotOf(key);
    TSlot& slot = Slots[Recording];
    slot.Key = key;
    slot.First = Writes.size();
    slot.Used = false;
    RunOpen = false;
}

void TQuadStamps::Add(std::ptrdiff_t offset, int length, int face) {
    const bool pen = length == 0;
    if (!RunOpen || PenRunOpen != pen) {
        Header = Writes.size();
        Writes.push_back({0, 0, pen ? PenRun : 0});
        RunOpen = true;
        PenRunOpen = pen;
    }
    Writes.push_back({int32_t(offset), int16_t(length), int16_t(face)});
    ++Writes[Header].Length;
}

const TQuadStamps::TWrite* TQuadStamps::End(int& size) {
    TSlot& slot = Slots[Recording];
    slot.Size = Writes.size() - slot.First;
    slot.Used = true;
    size = int(slot.Size);
    return Writes.data() + slot.First;
}
