#pragma once
// The pixel bytes of a bitmap: zero from the start without a clearing pass, so a fresh
// bitmap's memory is first written by whatever draws on it.

#include <cstddef>
#include <cstdint>

class TPixelMemory {
public:
    TPixelMemory() = default;
    // size zero bytes; raises std::bad_alloc when the memory cannot be had.
    explicit TPixelMemory(std::size_t size);
    ~TPixelMemory();
    TPixelMemory(const TPixelMemory& source);
    TPixelMemory& operator=(const TPixelMemory& source);

    uint8_t* data() { return Bytes; }
    const uint8_t* data() const { return Bytes; }
    std::size_t size() const { return Count; }
    void swap(TPixelMemory& other) noexcept;

private:
    uint8_t* Bytes = nullptr;
    std::size_t Count = 0;
    std::size_t Mapped = 0; // bytes mapped from the system for large blocks, else 0
};
