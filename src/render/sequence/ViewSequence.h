#pragma once
// The sequencer's frames and the index it stands at, with stepping, snapping and unsnapping.
// The operations that end on a frame return its index for the caller to apply.

#include "render/sequence/ViewFrame.h"

#include <optional>
#include <vector>

class TViewSequence {
public:
    std::vector<TViewFrame> Frames;
    // 0 to the number of frames: one past the last right after snapping at the end.
    int CurrentFrame = 0;

    int Count() const { return int(Frames.size()); }
    void Clear();
    // With no frames these only set CurrentFrame to 0 and return nothing.
    std::optional<int> Begin();
    std::optional<int> Back();
    std::optional<int> Forward();
    std::optional<int> End();
    // Inserts the captured view at CurrentFrame and steps past it.
    void Snap(const TViewFrame& captured);
    // Removes the frame at CurrentFrame (the last one when standing past the end); returns the
    // frame to show, nothing when no frame is left.
    std::optional<int> Unsnap();
    // A sequence read from a file replaces this one and playback starts from its first frame.
    std::optional<int> Replace(std::vector<TViewFrame> frames);
};
