#pragma once
// System colour values (red in the low byte) and their resolution to plain RGB.

#include <cstdint>

using TColour = uint32_t;

constexpr TColour RGB(int red, int green, int blue) {
    return TColour(red & 0xFF) | TColour(green & 0xFF) << 8 | TColour(blue & 0xFF) << 16;
}
constexpr int RedOf(TColour colour) {
    return int(colour & 0xFF);
}
constexpr int GreenOf(TColour colour) {
    return int(colour >> 8 & 0xFF);
}
constexpr int BlueOf(TColour colour) {
    return int(colour >> 16 & 0xFF);
}

// System colour constants: high byte 0xFF, the low byte names the element.
constexpr TColour clScrollBar = 0xFF000000;
constexpr TColour clBackground = 0xFF000001;
constexpr TColour clWindow = 0xFF000005;
constexpr TColour clWindowText = 0xFF000008;
constexpr TColour clHighlight = 0xFF00000D;
constexpr TColour clHighlightText = 0xFF00000E;
constexpr TColour clBtnFace = 0xFF00000F;
constexpr TColour clBtnShadow = 0xFF000010;
constexpr TColour clGrayText = 0xFF000011;
constexpr TColour clBtnText = 0xFF000012;
constexpr TColour clBtnHighlight = 0xFF000014;

TColour SystemColourToRGB(TColour colour);

// A system colour becomes its current value; any other value keeps its low three bytes.
inline TColour ColourToRGB(TColour colour) {
    return (colour & 0xFF000000) == 0xFF000000 ? SystemColourToRGB(colour) : colour & 0xFFFFFF;
}
