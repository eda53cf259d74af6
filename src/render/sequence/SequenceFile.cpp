#include "render/sequence/SequenceFile.h"

#include "base/Error.h"
#include "base/FileIO.h"

#include <cmath>

namespace {
[[noreturn]] void Refuse(const std::string& fileName, const std::string& reason) {
    throw TError("Cannot read sequence file \"" + fileName + "\": " + reason);
}

void CheckFrame(const TViewFrame& frame, size_t index, const std::string& fileName) {
    std::string which = "frame " + std::to_string(index);
    for (float value : {frame.ViewScale, frame.OriginX, frame.OriginY, frame.Delay})
        if (!std::isfinite(value))
            Refuse(fileName, which + " holds a value that is not a number");
    if (frame.Delay > LongestDelay)
        Refuse(fileName, which + " waits longer than an hour");
    if (frame.InBetween > MostInBetweenViews)
        Refuse(fileName, which + " asks for more than " + std::to_string(MostInBetweenViews) +
                             " in-between views");
}
} // namespace

std::string SequenceBytes(const std::vector<TViewFrame>& frames) {
    std::string bytes(4 + ViewFrameSize * frames.size(), '\0');
    auto* out = reinterpret_cast<uint8_t*>(bytes.data());
    uint32_t count = uint32_t(frames.size());
    for (int i = 0; i < 4; ++i)
        out[i] = uint8_t(count >> (8 * i));
    for (size_t i = 0; i < frames.size(); ++i)
        EncodeViewFrame(frames[i], out + 4 + ViewFrameSize * i);
    return bytes;
}

std::vector<TViewFrame> ParseSequence(std::string_view bytes, const std::string& fileName) {
    if (bytes.size() < 4)
        Refuse(fileName, "the file is too short to hold a frame count");
    const auto* in = reinterpret_cast<const uint8_t*>(bytes.data());
    int32_t count = int32_t(uint32_t(in[0]) | uint32_t(in[1]) << 8 | uint32_t(in[2]) << 16 |
                            uint32_t(in[3]) << 24);
    if (count < 0)
        Refuse(fileName, "its frame count is " + std::to_string(count));
    size_t expected = 4 + ViewFrameSize * size_t(count);
    if (bytes.size() != expected)
        Refuse(fileName, std::to_string(count) + " frames take " + std::to_string(expected) +
                             " bytes, but the file has " + std::to_string(bytes.size()));
    std::vector<TViewFrame> frames;
    frames.reserve(size_t(count));
    for (size_t i = 0; i < size_t(count); ++i) {
        frames.push_back(DecodeViewFrame(in + 4 + ViewFrameSize * i));
        CheckFrame(frames.back(), i, fileName);
    }
    return frames;
}

std::vector<TViewFrame> ReadSequenceFile(const std::string& fileName) {
    return ParseSequence(ReadWholeFile(fileName), fileName);
}

void WriteSequenceFile(const std::string& fileName, const std::vector<TViewFrame>& frames) {
    WriteFileReplacing(fileName, SequenceBytes(frames));
}
