#include "render/sequence/FrameBuffer.h"

#include "render/DrawContext.h"
#include "render/RedrawGate.h"
#include "render/ViewControls.h"

TFrameBuffer::TFrameBuffer(TViewControls& controls, TDrawContext& context, TRedrawGate& redraw)
    : Controls(controls), Context(context), Redraw(redraw) {}

TViewFrame TFrameBuffer::CaptureFrame(int32_t inBetween) {
    TViewState& view = Context.View;
    ComputeOrigin(view, Controls.ClientWidth, Controls.ClientHeight, Controls.OffsetX.Position,
                  Controls.OffsetY.Position);
    TViewFrame frame;
    frame.ViewScale = view.ViewScale;
    frame.OriginX = view.OriginX;
    frame.OriginY = view.OriginY;
    frame.RotX = Controls.RotX.Position;
    frame.RotZ = Controls.RotZ.Position;
    frame.ScaleBar = Controls.ScaleBar.Position;
    frame.OffsetX = Controls.OffsetX.Position;
    frame.OffsetY = Controls.OffsetY.Position;
    frame.Studs = Controls.Reference.StudsHidden ? 0 : 1;
    frame.Delay = Delay;
    frame.InBetween = inBetween;
    return frame;
}

void TFrameBuffer::ApplyFrame(const TViewFrame& frame) {
    TReferenceView& reference = Controls.Reference;
    reference = {frame.RotX,    frame.RotZ,    frame.ScaleBar,
                 frame.OffsetX, frame.OffsetY, frame.Studs == 0};
    Delay = frame.Delay;
    InBetween = frame.InBetween;
    bool wasBusy = Redraw.Busy;
    Redraw.Busy = true;
    Controls.SetControl(Controls.RotX, reference.RotX);
    Controls.SetControl(Controls.RotZ, reference.RotZ);
    Controls.SetControl(Controls.ScaleBar, reference.ScaleBar);
    // After the zoom bar, which sets its own scale: in-between views lie between its steps.
    TViewState& view = Context.View;
    view.ViewScale = frame.ViewScale;
    view.OriginX = frame.OriginX;
    view.OriginY = frame.OriginY;
    Controls.RotXChange();
    Redraw.Busy = wasBusy;
    Redraw.RedrawPicture();
}
