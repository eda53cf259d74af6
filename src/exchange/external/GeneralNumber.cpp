#include "exchange/external/GeneralNumber.h"

#include <charconv>

std::string GeneralNumber(double value, int significant) {
    char text[64];
    auto end =
        std::to_chars(text, text + sizeof text, value, std::chars_format::general, significant).ptr;
    return std::string(text, end);
}
