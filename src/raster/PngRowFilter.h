#pragma once
// The rows of an 8-bit RGB PNG picture, each filtered as libpng's adaptive choice filters it,
// so that the compressed picture is the same byte for byte.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

class TPngRowFilter {
public:
    // Rows are kept for the whole picture: no allocation per row.
    TPngRowFilter(int width, int height);

    // Takes the next row from 32-bit pixels stored blue, green, red, unused.
    void PackRow(const uint8_t* bgrx);
    // That row filtered, its filter type byte first; valid until the next PackRow. Of None, Sub,
    // Up, Average and Paeth the first with the least sum of its bytes taken as signed distances
    // from zero; the first row has zeros above it.
    std::span<const uint8_t> FilterRow();

private:
    // Each holds its filter type byte, then the row's bytes.
    std::vector<uint8_t> Current, Previous;
    std::vector<uint8_t> Filtered[5];
    // libpng leaves out the filters that use the pixel to the left in a picture one pixel wide,
    // and those that use the row above in a picture of one row.
    bool UsesLeft, UsesAbove;
};
