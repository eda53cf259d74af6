#pragma once
// The views a playback of the sequence shows, one at a time, with the frame index to show and
// the delay after each. The window and the frame writer both walk it; the frames are only read.

#include "render/sequence/ViewFrame.h"

#include <optional>
#include <string>
#include <vector>

struct TPlaybackView {
    TViewFrame Frame;     // the view to apply
    int CurrentFrame = 0; // the index the sequencer stands at while it shows
    bool InBetween = false;
    float Delay = 0; // the delay field of the frame being led up to
};

class TPlayback {
public:
    // start: the view at the moment of pressing; direction +1 plays forwards, -1 backwards.
    TPlayback(const std::vector<TViewFrame>& frames, const TViewFrame& start, int direction);

    // The next view, nothing once the last frame has been shown.
    std::optional<TPlaybackView> Next();

private:
    const std::vector<TViewFrame>& Frames;
    int Direction;
    int Position = 0;  // frames visited so far
    int StepsDone = 0; // in-between views shown on the way to the current frame
    TViewFrame Previous;
    // In-between views move these five values from the previous view towards the frame.
    double value[5] = {}, step[5] = {};

    int FrameIndex() const;
    void StartInBetweens(const TViewFrame& target);
};

// A delay in whole milliseconds: the frame's own when above 0, else the delay field's number of
// seconds; halves round to even. A field that is no number from 0 to an hour raises TError.
int DelayMilliseconds(float frameDelay, const std::string& delayField);
