#include "render/ViewControls.h"

#include "model/Block.h"

#include <algorithm>

void TModelBounds::Add(const TBlock& brick) {
    MinX = std::min<int64_t>(MinX, brick.X);
    MinY = std::min<int64_t>(MinY, brick.Y);
    MinZ = std::min<int64_t>(MinZ, brick.Z);
    MaxX = std::max(MaxX, brick.FarX());
    MaxY = std::max(MaxY, brick.FarY());
    MaxZ = std::max(MaxZ, brick.FarZ());
}

TViewControls::TViewControls(TDrawContext& context, TRedrawGate& redraw)
    : Context(context), Redraw(redraw) {
    TViewState& view = context.View;
    view.TiltA = DegreesToAngle(RotX.Position);
    view.SpinB = DegreesToAngle(RotY.Position);
    view.AzimuthC = DegreesToAngle(RotZ.Position);
    view.ViewScale = 1.0f;
    ComputeViewMatrix(view);
    Saved = view;
}

void TViewControls::SetControl(TScrollControl& control, int position) {
    if (!control.SetPosition(position))
        return;
    if (&control == &ScaleBar)
        ScaleBarChange();
    else if (&control == &OffsetX || &control == &OffsetY)
        OffsetXChange();
    else
        RotXChange();
}

void TViewControls::RotXChange() {
    TViewState& view = Context.View;
    view.TiltA = DegreesToAngle(RotX.Position);
    view.SpinB = DegreesToAngle(RotY.Position);
    view.AzimuthC = DegreesToAngle(RotZ.Position);
    ComputeViewMatrix(view);
    Redraw.RedrawPicture();
}

void TViewControls::ScaleBarChange() {
    Context.View.ViewScale = float(10.0 / ScaleBar.Position);
    Redraw.RedrawPicture();
}

void TViewControls::OffsetXChange() {
    ComputeOrigin(Context.View, ClientWidth, ClientHeight, OffsetX.Position, OffsetY.Position);
    Redraw.RedrawPicture();
}

void TViewControls::FormResize(int clientWidth, int clientHeight) {
    ClientWidth = clientWidth;
    ClientHeight = clientHeight;
    OffsetXChange();
}

void TViewControls::SetViewAngles(int tilt, int azimuth) {
    Redraw.Busy = true;
    Redraw.SuppressPaint = true;
    SetControl(RotX, tilt);
    SetControl(RotZ, azimuth);
    Redraw.Busy = false;
    Redraw.SuppressPaint = false;
    Redraw.RedrawPicture();
}

void TViewControls::RadioGroup1Click(int tag) {
    struct TAngles {
        int Tilt, Azimuth; // -1 keeps the angle
    };
    static const TAngles Views[] = {{0, -1},  {-1, 0},   {-1, 270}, {-1, 90},  {-1, 180},
                                    {70, 30}, {70, 210}, {70, 150}, {70, 330}, {90, -1}};
    if (tag < 0 || tag > FrontView)
        return;
    const TAngles& v = Views[tag];
    SetViewAngles(v.Tilt < 0 ? RotX.Position : v.Tilt, v.Azimuth < 0 ? RotZ.Position : v.Azimuth);
}

void TViewControls::btnRotUpClick() {
    SetControl(RotX, RotX.Position + RotX.SmallStep);
}

void TViewControls::btnRotDownClick() {
    SetControl(RotX, RotX.Position - RotX.SmallStep);
}

// The rotate buttons step, and a step that lands on an end of the range goes round to one step
// past the other end, so that the buttons never stop at 0 or 360.
static int WrappedStep(const TScrollControl& control, int step) {
    int next = std::clamp(control.Position + step, control.Min, control.Max);
    if (step < 0 && next == control.Min)
        return control.Max + step;
    if (step > 0 && next == control.Max)
        return control.Min + step;
    return next;
}

void TViewControls::btnRotLeftClick() {
    SetControl(RotZ, WrappedStep(RotZ, -RotZ.SmallStep));
}

void TViewControls::btnRotRightClick() {
    SetControl(RotZ, WrappedStep(RotZ, RotZ.SmallStep));
}

void TViewControls::btnRotCLWClick() {
    SetControl(RotY, WrappedStep(RotY, RotY.SmallStep));
}

void TViewControls::btnRotCCLWClick() {
    SetControl(RotY, WrappedStep(RotY, -RotY.SmallStep));
}

void TViewControls::btnZoomInClick() {
    if (ScaleBar.Position > ScaleBar.Min)
        SetControl(ScaleBar, ScaleBar.Position - ScaleBar.SmallStep);
}

void TViewControls::btnZoomOutClick() {
    if (ScaleBar.Position < ScaleBar.Max)
        SetControl(ScaleBar, ScaleBar.Position + ScaleBar.SmallStep);
}

bool TViewControls::FormMouseWheelDown(bool overViewPanel) {
    if (!overViewPanel)
        return false;
    btnZoomInClick();
    return true;
}

bool TViewControls::FormMouseWheelUp(bool overViewPanel) {
    if (!overViewPanel)
        return false;
    btnZoomOutClick();
    return true;
}

void TViewControls::btnHomeClick(const TModelBounds& bounds) {
    // Integer division truncates toward zero, as the centre is defined.
    TPoint centre = ProjectPoint(Context.View, double((bounds.MinX + bounds.MaxX) / 2),
                                 double((bounds.MinY + bounds.MaxY) / 2),
                                 double((bounds.MinZ + bounds.MaxZ) / 2));
    int dx = centre.X - ClientWidth / 2;
    int dy = centre.Y - ClientHeight / 2;
    Redraw.Busy = true;
    SetControl(OffsetX, OffsetX.Position + dx);
    SetControl(OffsetY, OffsetY.Position + dy);
    Redraw.Busy = false;
    Redraw.RedrawPicture();
}

void TViewControls::btnRestoreViewClick() {
    Redraw.Busy = true;
    Redraw.SuppressPaint = true;
    SetControl(RotX, Reference.RotX);
    SetControl(RotZ, Reference.RotZ);
    SetControl(ScaleBar, Reference.ScaleBar);
    SetControl(OffsetX, Reference.OffsetX);
    SetControl(OffsetY, Reference.OffsetY);
    Context.StudsHidden = Reference.StudsHidden;
    Redraw.Busy = false;
    Redraw.SuppressPaint = false;
    Redraw.RedrawPicture();
}

void TViewControls::TakeReferenceView() {
    Reference = {RotX.Position,    RotZ.Position,    ScaleBar.Position,
                 OffsetX.Position, OffsetY.Position, Context.StudsHidden};
}

void TViewControls::ApplyFileView(int rotX, int rotZ, int scaleBar, int offsetX, int offsetY,
                                  bool studs) {
    Redraw.Busy = true;
    SetControl(RotX, rotX);
    SetControl(RotZ, rotZ);
    SetControl(ScaleBar, scaleBar);
    SetControl(OffsetX, offsetX);
    SetControl(OffsetY, offsetY);
    Context.StudsHidden = !studs;
    Redraw.Busy = false;
    TakeReferenceView();
}
