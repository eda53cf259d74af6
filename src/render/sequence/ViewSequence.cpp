#include "render/sequence/ViewSequence.h"

#include <algorithm>

void TViewSequence::Clear() {
    Frames.clear();
    CurrentFrame = 0;
}

std::optional<int> TViewSequence::Begin() {
    CurrentFrame = 0;
    return Frames.empty() ? std::nullopt : std::optional<int>(0);
}

std::optional<int> TViewSequence::Back() {
    if (Frames.empty())
        return Begin();
    CurrentFrame = std::max(0, CurrentFrame - 1);
    return CurrentFrame;
}

std::optional<int> TViewSequence::Forward() {
    if (Frames.empty())
        return Begin();
    CurrentFrame = std::min(Count() - 1, CurrentFrame + 1);
    return CurrentFrame;
}

std::optional<int> TViewSequence::End() {
    if (Frames.empty())
        return Begin();
    CurrentFrame = Count() - 1;
    return CurrentFrame;
}

void TViewSequence::Snap(const TViewFrame& captured) {
    int at = std::clamp(CurrentFrame, 0, Count());
    Frames.insert(Frames.begin() + at, captured);
    CurrentFrame = at + 1;
}

std::optional<int> TViewSequence::Unsnap() {
    if (Frames.empty())
        return std::nullopt;
    int at = std::clamp(CurrentFrame, 0, Count() - 1);
    Frames.erase(Frames.begin() + at);
    if (Frames.empty()) {
        CurrentFrame = 0;
        return std::nullopt;
    }
    CurrentFrame = std::min(at, Count() - 1);
    return CurrentFrame;
}

std::optional<int> TViewSequence::Replace(std::vector<TViewFrame> frames) {
    Frames = std::move(frames);
    return Begin();
}
