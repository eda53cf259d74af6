#pragma once
// The view's side of the sequencer: scale, origin, reference view, delay and in-between count
// as one block that frames are captured from and applied to.

#include "render/sequence/ViewFrame.h"

class TDrawContext;
class TRedrawGate;
class TViewControls;

class TFrameBuffer {
public:
    TFrameBuffer(TViewControls& controls, TDrawContext& context, TRedrawGate& redraw);

    // Exist only here: 0 at start, changed only when a frame is applied.
    float Delay = 0;
    int32_t InBetween = 0;

    // The current view with the bars' positions, the reference view's studs and the given
    // in-between count; the origin is first brought up to date from the offset bars.
    TViewFrame CaptureFrame(int32_t inBetween);
    // The frame becomes the reference view; the tilt, azimuth and zoom bars follow it, then the
    // frame's own scale and origin are put in force and the view is redrawn once. The offset
    // bars stay: the frame's origin places the picture.
    void ApplyFrame(const TViewFrame& frame);

private:
    TViewControls& Controls;
    TDrawContext& Context;
    TRedrawGate& Redraw;
};
