#include "render/sequence/Playback.h"

#include "base/Error.h"
#include "base/Text.h"
#include "render/View.h"
#include "render/sequence/SequenceFile.h"

#include <charconv>
#include <cmath>

namespace {
void Values(const TViewFrame& frame, double (&out)[5]) {
    out[0] = frame.ViewScale;
    out[1] = frame.OriginX;
    out[2] = frame.OriginY;
    out[3] = frame.RotX;
    out[4] = frame.RotZ;
}
} // namespace

TPlayback::TPlayback(const std::vector<TViewFrame>& frames, const TViewFrame& start, int direction)
    : Frames(frames), Direction(direction < 0 ? -1 : 1), Previous(start) {}

int TPlayback::FrameIndex() const {
    return Direction > 0 ? Position : int(Frames.size()) - 1 - Position;
}

void TPlayback::StartInBetweens(const TViewFrame& target) {
    double to[5];
    Values(Previous, value);
    Values(target, to);
    for (int k = 0; k < 5; ++k)
        step[k] = (to[k] - value[k]) / target.InBetween;
}

std::optional<TPlaybackView> TPlayback::Next() {
    if (Position >= int(Frames.size()))
        return std::nullopt;
    int index = FrameIndex();
    const TViewFrame& target = Frames[index];
    if (target.InBetween <= 0) {
        Previous = target;
        ++Position;
        return TPlaybackView{target, index, false, target.Delay};
    }
    if (StepsDone == 0)
        StartInBetweens(target);
    // In-between views are shown through the first frame's slot: its other fields stay.
    TViewFrame view = Frames[0];
    view.ViewScale = float(value[0]);
    view.OriginX = float(value[1]);
    view.OriginY = float(value[2]);
    view.RotX = RoundHalfEven(value[3]);
    view.RotZ = RoundHalfEven(value[4]);
    for (int k = 0; k < 5; ++k)
        value[k] += step[k];
    if (++StepsDone == target.InBetween) {
        // The next frame starts from what was last shown for index 0, else from the frame.
        Previous = index == 0 ? view : target;
        StepsDone = 0;
        ++Position;
    }
    return TPlaybackView{view, 0, true, target.Delay};
}

int DelayMilliseconds(float frameDelay, const std::string& delayField) {
    double seconds = frameDelay;
    if (!(frameDelay > 0)) {
        std::string text = Trim(delayField);
        const char* first = text.data();
        const char* last = first + text.size();
        if (first != last && *first == '+')
            ++first;
        auto [end, error] = std::from_chars(first, last, seconds);
        if (error != std::errc() || end != last || first == last || !std::isfinite(seconds))
            throw TError("'" + delayField + "' is not a valid floating point value");
        if (seconds < 0 || seconds > LongestDelay)
            throw TError("The delay must be from 0 to " + std::to_string(int(LongestDelay)) +
                         " seconds");
    }
    return RoundHalfEven(seconds * 1000);
}
