#pragma once
// Pixel formats of the bitmaps, and the conversion and 50 % blend of each stored pixel.

#include "raster/Colour.h"

#include <cstdint>

// pfDevice is stored like pf32bit but is always drawn through the canvas.
enum class TPixelFormat { pf8bit, pf15bit, pf16bit, pf24bit, pf32bit, pfDevice };

int BytesPerPixel(TPixelFormat format);

// Stored 32-bit word: blue in the low byte, red in the third, top byte 0.
constexpr uint32_t ToPixel32(TColour rgb) {
    return (rgb >> 16 & 0xFF) | (rgb & 0xFF00) | (rgb & 0xFF) << 16;
}
constexpr TColour FromPixel32(uint32_t pixel) {
    return (pixel >> 16 & 0xFF) | (pixel & 0xFF00) | (pixel & 0xFF) << 16;
}
constexpr uint32_t Blend32(uint32_t s, uint32_t d) {
    return ((s & 0xFEFEFE) + (d & 0xFEFEFE)) >> 1;
}

constexpr uint16_t ToPixel555(TColour rgb) {
    return uint16_t((rgb >> 19 & 0x1F) | (rgb >> 11 & 0x1F) << 5 | (rgb >> 3 & 0x1F) << 10);
}
constexpr uint16_t ToPixel565(TColour rgb) {
    return uint16_t((rgb >> 19 & 0x1F) | (rgb >> 10 & 0x3F) << 5 | (rgb >> 3 & 0x1F) << 11);
}
constexpr uint16_t Blend555(uint16_t s, uint16_t d) {
    return uint16_t(((s & 0x7BDE) + (d & 0x7BDE)) >> 1);
}
constexpr uint16_t Blend565(uint16_t s, uint16_t d) {
    return uint16_t(((s & 0xF7DE) + (d & 0xF7DE)) >> 1);
}

// Widening spreads the top bits into the freed low bits, so full scale stays 255.
constexpr int Expand5(int v) {
    return v << 3 | v >> 2;
}
constexpr int Expand6(int v) {
    return v << 2 | v >> 4;
}

constexpr TColour FromPixel555(uint16_t p) {
    return RGB(Expand5(p >> 10 & 0x1F), Expand5(p >> 5 & 0x1F), Expand5(p & 0x1F));
}
constexpr TColour FromPixel565(uint16_t p) {
    return RGB(Expand5(p >> 11 & 0x1F), Expand6(p >> 5 & 0x3F), Expand5(p & 0x1F));
}
