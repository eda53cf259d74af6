#pragma once
// The filter of each row of an 8-bit RGB PNG picture, chosen as libpng's adaptive choice does,
// so that libpng can be told the one filter to use and the file stays the same byte for byte.

#include <cstddef>
#include <cstdint>
#include <vector>

// The filter types of the PNG row format, in the order libpng tries them.
enum class TPngFilter { None, Sub, Up, Average, Paeth };

class TPngRowFilter {
public:
    // Rows and the previous row are kept for the whole picture: no allocation per row.
    explicit TPngRowFilter(int width);

    // The buffer for the next row's RGB bytes; it stays valid until the call after Choose.
    uint8_t* NextRow() { return Current.data(); }
    // Fills NextRow from a row of 32-bit pixels stored blue, green, red, unused.
    void PackRow(const uint8_t* bgrx);
    // The filter for the row in NextRow, as libpng chooses it for every row after the first;
    // that row then becomes the previous row.
    TPngFilter Choose();

private:
    std::vector<uint8_t> Current, Previous;
    // libpng leaves out the filters that use the pixel to the left in a picture one pixel wide.
    // (A picture of one row has only its first row, whose filter libpng chooses itself.)
    bool UsesLeft;
};
