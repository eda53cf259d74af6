#include "raster/PixelMemory.h"

#include <cstdlib>
#include <cstring>
#include <new>
#include <sys/mman.h>
#include <utility>

namespace {

constexpr std::size_t HugePage = std::size_t(2) << 20;

// Fresh pages from the system are zero and stay untouched until drawn on. Large blocks are
// aligned to huge pages and asked for in them: a frame of 1920 x 1080 then takes 4 page faults
// instead of about 2000, which cost more than drawing a plain frame.
uint8_t* MapHugePages(std::size_t length) {
    void* block = mmap(nullptr, length + HugePage, PROT_READ | PROT_WRITE,
                       MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (block == MAP_FAILED)
        throw std::bad_alloc();
    auto* first = static_cast<uint8_t*>(block);
    auto* start = reinterpret_cast<uint8_t*>(
        (reinterpret_cast<std::uintptr_t>(first) + HugePage - 1) & ~(HugePage - 1));
    if (start != first)
        munmap(first, std::size_t(start - first));
    if (std::size_t tail = HugePage - std::size_t(start - first))
        munmap(start + length, tail);
    madvise(start, length, MADV_HUGEPAGE); // only a hint: small pages work as well
    return start;
}

} // namespace

TPixelMemory::TPixelMemory(std::size_t size) : Count(size) {
    if (size >= HugePage) {
        Mapped = (size + HugePage - 1) & ~(HugePage - 1);
        Bytes = MapHugePages(Mapped);
        return;
    }
    // calloc's small blocks may be cleared by it, but cost little either way.
    if (size > 0 && !(Bytes = static_cast<uint8_t*>(std::calloc(size, 1))))
        throw std::bad_alloc();
}

TPixelMemory::~TPixelMemory() {
    if (Mapped)
        munmap(Bytes, Mapped);
    else
        std::free(Bytes);
}

TPixelMemory::TPixelMemory(const TPixelMemory& source) : TPixelMemory(source.Count) {
    if (Count > 0)
        std::memcpy(Bytes, source.Bytes, Count);
}

TPixelMemory& TPixelMemory::operator=(const TPixelMemory& source) {
    // Into the memory already held when the size is the same: fresh pages for every copy of a
    // frame cost more in page faults and clearing than the copy itself.
    if (&source != this && Count == source.Count) {
        if (Count > 0)
            std::memcpy(Bytes, source.Bytes, Count);
        return *this;
    }
    TPixelMemory copy(source);
    swap(copy);
    return *this;
}

void TPixelMemory::swap(TPixelMemory& other) noexcept {
    std::swap(Bytes, other.Bytes);
    std::swap(Count, other.Count);
    std::swap(Mapped, other.Mapped);
}
