#pragma once
// The six view controls of the main window and the handlers that move them; the window binds
// its scroll bars and buttons to these.

#include "render/DrawContext.h"
#include "render/RedrawGate.h"
#include "render/ScrollControl.h"

#include <cstdint>

class TBlock;

// Tilt, azimuth, zoom, pan and stud visibility to go back to with "Restore original view".
struct TReferenceView {
    int RotX = 70, RotZ = 30, ScaleBar = 10, OffsetX = 0, OffsetY = 0;
    bool StudsHidden = false;
};

// The model's extent for centring: smallest X, Y, Z and largest far faces.
struct TModelBounds {
    int64_t MinX = 99999, MinY = 99999, MinZ = 99999;
    int64_t MaxX = -99999, MaxY = -99999, MaxZ = -99999;
    void Add(const TBlock& brick);
};

enum TFixedView {
    TopView,
    FromFront,
    FromRight,
    FromLeft,
    FromBack,
    FrontLeft,
    BackRight,
    BackLeft,
    FrontRight,
    FrontView
};

class TViewControls {
public:
    TViewControls(TDrawContext& context, TRedrawGate& redraw);

    TScrollControl RotX{0, 180, 5, 30, 70};
    TScrollControl RotZ{0, 360, 5, 45, 30};
    TScrollControl RotY{0, 360, 10, 45, 0};
    TScrollControl ScaleBar{1, 80, 1, 10, 10};
    TScrollControl OffsetX{-5000, 5000, 5, 100, 0};
    TScrollControl OffsetY{-5000, 5000, 5, 100, 0};
    int ClientWidth = 0, ClientHeight = 0;
    TReferenceView Reference;

    // Sets a control as the window's scroll bar would and runs its change handler when the
    // position moved.
    void SetControl(TScrollControl& control, int position);

    void RotXChange();
    void ScaleBarChange();
    void OffsetXChange();
    void FormResize(int clientWidth, int clientHeight);
    void SetViewAngles(int tilt, int azimuth);
    void RadioGroup1Click(int tag);
    void btnRotUpClick();
    void btnRotDownClick();
    void btnRotLeftClick();
    void btnRotRightClick();
    void btnRotCLWClick();
    void btnRotCCLWClick();
    void btnZoomInClick();
    void btnZoomOutClick();
    // The wheel zooms only over the view panel; true when the message was handled.
    bool FormMouseWheelDown(bool overViewPanel);
    bool FormMouseWheelUp(bool overViewPanel);
    void btnHomeClick(const TModelBounds& bounds);
    void btnRestoreViewClick();

    // The current positions and stud state become the reference view (start-up, saving).
    void TakeReferenceView();
    // A model file's header: sets the five bars and the studs, which become the reference;
    // the caller redraws once the model is in place.
    void ApplyFileView(int rotX, int rotZ, int scaleBar, int offsetX, int offsetY, bool studs);

    // One save slot for the whole view state, used while pictures re-render larger.
    void SaveView() { Saved = Context.View; }
    void RestoreView() { Context.View = Saved; }

private:
    TDrawContext& Context;
    TRedrawGate& Redraw;
    TViewState Saved;
};
