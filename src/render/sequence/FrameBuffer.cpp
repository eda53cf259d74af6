#include "render/sequence/FrameBuffer.h"

#include "render/DrawContext.h"
#include "render/RedrawGate.h"
#include "render/ViewControls.h"

TFrameBuffer::TFrameBuffer(TViewControls& controls, TDrawContext& context, TRedrawGate& redraw)
    : controls(controls), context(context), redraw(redraw) {}

TViewFrame TFrameBuffer::CaptureFrame(int32_t inBetween) {
    TViewState& view = context.View;
    ComputeOrigin(view, controls.ClientWidth, controls.ClientHeight, controls.OffsetX.Position,
                  controls.OffsetY.Position);
    TViewFrame frame;
    frame.ViewScale = view.ViewScale;
    frame.OriginX = view.OriginX;
    frame.OriginY = view.OriginY;
    frame.RotX = controls.RotX.Position;
    frame.RotZ = controls.RotZ.Position;
    frame.ScaleBar = controls.ScaleBar.Position;
    frame.OffsetX = controls.OffsetX.Position;
    frame.OffsetY = controls.OffsetY.Position;
    frame.Studs = controls.Reference.StudsHidden ? 0 : 1;
    frame.Delay = Delay;
    frame.InBetween = inBetween;
    return frame;
}

void TFrameBuffer::ApplyFrame(const TViewFrame& frame) {
    TReferenceView& reference = controls.Reference;
    reference = {frame.RotX,    frame.RotZ,    frame.ScaleBar,
                 frame.OffsetX, frame.OffsetY, frame.Studs == 0};
    Delay = frame.Delay;
    InBetween = frame.InBetween;
    bool wasBusy = redraw.Busy;
    redraw.Busy = true;
    controls.SetControl(controls.RotX, reference.RotX);
    controls.SetControl(controls.RotZ, reference.RotZ);
    controls.SetControl(controls.ScaleBar, reference.ScaleBar);
    // After the zoom bar, which sets its own scale: in-between views lie between its steps.
    TViewState& view = context.View;
    view.ViewScale = frame.ViewScale;
    view.OriginX = frame.OriginX;
    view.OriginY = frame.OriginY;
    controls.RotXChange();
    redraw.Busy = wasBusy;
    redraw.RedrawPicture();
}
