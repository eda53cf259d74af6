// Sequence file reader: any bytes must read without a crash; what it accepts must write back to
// the same frames and play to the end.

#include "base/Error.h"
#include "render/sequence/Playback.h"
#include "render/sequence/SequenceFile.h"

#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::vector<TViewFrame> frames;
    try {
        frames = ParseSequence(bytes, "fuzz.lgs");
    } catch (const TError&) {
        return 0;
    }
    if (ParseSequence(SequenceBytes(frames), "again.lgs") != frames)
        std::abort();
    long views = 0;
    for (const TViewFrame& frame : frames)
        views += frame.InBetween > 0 ? frame.InBetween : 1;
    // Long plays teach nothing new and only slow the search down.
    if (views > 20000)
        return 0;
    for (int direction : {1, -1}) {
        TPlayback playback(frames, frames.empty() ? TViewFrame{} : frames.back(), direction);
        long shown = 0;
        while (auto view = playback.Next()) {
            DelayMilliseconds(view->Delay, "0.1");
            ++shown;
        }
        if (shown != views)
            std::abort();
    }
    return 0;
}
