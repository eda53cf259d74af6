#include "render/sequence/ViewFrame.h"

#include <bit>
#include <cstring>

namespace {
void PutUint(uint8_t* out, uint32_t value) {
    for (int i = 0; i < 4; ++i)
        out[i] = uint8_t(value >> (8 * i));
}

uint32_t GetUint(const uint8_t* in) {
    return uint32_t(in[0]) | uint32_t(in[1]) << 8 | uint32_t(in[2]) << 16 | uint32_t(in[3]) << 24;
}

void PutInt(uint8_t* out, int32_t value) {
    PutUint(out, uint32_t(value));
}

void PutFloat(uint8_t* out, float value) {
    PutUint(out, std::bit_cast<uint32_t>(value));
}

int32_t GetInt(const uint8_t* in) {
    return int32_t(GetUint(in));
}

float GetFloat(const uint8_t* in) {
    return std::bit_cast<float>(GetUint(in));
}
} // namespace

void EncodeViewFrame(const TViewFrame& frame, uint8_t* out) {
    std::memset(out, 0, ViewFrameSize);
    PutFloat(out, frame.ViewScale);
    PutFloat(out + 4, frame.OriginX);
    PutFloat(out + 8, frame.OriginY);
    PutInt(out + 12, frame.RotX);
    PutInt(out + 16, frame.RotZ);
    PutInt(out + 20, frame.ScaleBar);
    PutInt(out + 24, frame.OffsetX);
    PutInt(out + 28, frame.OffsetY);
    out[32] = frame.Studs;
    PutFloat(out + 36, frame.Delay);
    PutInt(out + 40, frame.InBetween);
}

TViewFrame DecodeViewFrame(const uint8_t* in) {
    TViewFrame frame;
    frame.ViewScale = GetFloat(in);
    frame.OriginX = GetFloat(in + 4);
    frame.OriginY = GetFloat(in + 8);
    frame.RotX = GetInt(in + 12);
    frame.RotZ = GetInt(in + 16);
    frame.ScaleBar = GetInt(in + 20);
    frame.OffsetX = GetInt(in + 24);
    frame.OffsetY = GetInt(in + 28);
    frame.Studs = in[32];
    frame.Delay = GetFloat(in + 36);
    frame.InBetween = GetInt(in + 40);
    return frame;
}
