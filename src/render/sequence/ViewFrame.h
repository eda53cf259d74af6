#pragma once
// One key frame of the view sequencer: zoom, origin, bar positions, studs, delay and the number
// of in-between views, in the 44-byte little-endian layout of sequence files.

#include <cstddef>
#include <cstdint>

struct TViewFrame {
    float ViewScale = 0, OriginX = 0, OriginY = 0;
    int32_t RotX = 0, RotZ = 0, ScaleBar = 0, OffsetX = 0, OffsetY = 0;
    uint8_t Studs = 0;
    float Delay = 0;       // seconds after showing; 0 or less: the sequencer's delay field
    int32_t InBetween = 0; // views leading up to this frame; 0 or less: playback jumps to it

    bool operator==(const TViewFrame&) const = default;
};

constexpr size_t ViewFrameSize = 44;

// The padding bytes are written as zeros and ignored on reading.
void EncodeViewFrame(const TViewFrame& frame, uint8_t* out);
TViewFrame DecodeViewFrame(const uint8_t* in);
