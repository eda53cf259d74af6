// The view's scroll bars and buttons bound to the view controls; wheel, resize, centring, and
// the window's event filter: the wheel over the view's edges and the hints switch.
#include "app/view/ViewBox.h"
#include "app/window/MainForm.h"
#include "render/ZoomToFit.h"

#include <QScrollBar>
#include <QToolButton>
#include <QWheelEvent>

void TMainForm::BindViewControls() {
    ViewBars.Bind({RotX, RotZ, RotY, ScaleBar, OffsetX, OffsetY}, *btnStuds);
    const std::pair<QToolButton*, void (TViewControls::*)()> buttons[] = {
        {btnRotUp, &TViewControls::btnRotUpClick},
        {btnRotDown, &TViewControls::btnRotDownClick},
        {btnRotLeft, &TViewControls::btnRotLeftClick},
        {btnRotRight, &TViewControls::btnRotRightClick},
        {btnZoomIn, &TViewControls::btnZoomInClick},
        {btnZoomOut, &TViewControls::btnZoomOutClick},
        {btnRestoreView, &TViewControls::btnRestoreViewClick}};
    for (auto [button, handler] : buttons)
        connect(button, &QToolButton::clicked, this,
                [this, handler = handler] { ViewBars.Run(handler); });
    for (int tag = 0; tag < int(FixedViews.size()); ++tag)
        connect(FixedViews[size_t(tag)], &QToolButton::clicked, this, [this, tag] {
            Controls.RadioGroup1Click(tag);
            ViewBars.Sync();
        });
    connect(btnHome, &QToolButton::clicked, this, &TMainForm::btnHomeClick);
    connect(btnCenter, &QToolButton::clicked, this, &TMainForm::btnHomeClick);
    connect(btnZoomFit, &QToolButton::clicked, this, &TMainForm::ZoomToFitClick);
    connect(mZoomToFit, &QAction::triggered, this, &TMainForm::ZoomToFitClick);
    PaintBox1->OnResize = [this] { FormResize(); };
    PaintBox1->OnWheel = [this](int direction) {
        direction > 0 ? FormMouseWheelUp() : FormMouseWheelDown();
    };
}

void TMainForm::SetViewAngles(int tilt, int azimuth) {
    Controls.SetViewAngles(tilt, azimuth);
    ViewBars.Sync();
}

void TMainForm::FormResize() {
    Pictures.CameraFrame.PlaceAtStart(PaintBox1->width(), PaintBox1->height());
    Frame.Resize(PaintBox1->width(), PaintBox1->height());
    Controls.FormResize(PaintBox1->width(), PaintBox1->height());
}

// The wheel only reaches here from over the view panel, so it always zooms.
bool TMainForm::FormMouseWheelDown() {
    bool handled = Controls.FormMouseWheelDown(true);
    ViewBars.Sync();
    return handled;
}

bool TMainForm::FormMouseWheelUp() {
    bool handled = Controls.FormMouseWheelUp(true);
    ViewBars.Sync();
    return handled;
}

void TMainForm::btnHomeClick() {
    TModelBounds bounds;
    for (int i = 0; i < Model.Count(); ++i)
        bounds.Add(Model[i]);
    Controls.btnHomeClick(bounds);
    ViewBars.Sync();
}

void TMainForm::ZoomToFitClick() {
    std::optional<TZoomFit> fit =
        ZoomToFit(Context.View, Model, Controls.ClientWidth, Controls.ClientHeight);
    if (!fit)
        return;
    Redraw.Busy = true;
    Controls.SetControl(Controls.ScaleBar, fit->ScaleBar);
    Controls.SetControl(Controls.OffsetX, fit->OffsetX);
    Controls.SetControl(Controls.OffsetY, fit->OffsetY);
    Redraw.Busy = false;
    ViewBars.Sync();
    RedrawPicture();
}

bool TMainForm::eventFilter(QObject* watched, QEvent* e) {
    // With hints off no tool tip shows anywhere in the program.
    if (e->type() == QEvent::ToolTip && !HintsOn)
        return true;
    // The offset bars and the corner button belong to the view: the wheel zooms there too
    // instead of scrolling the bar.
    if (e->type() == QEvent::Wheel &&
        (watched == OffsetX || watched == OffsetY || watched == btnCenter)) {
        int delta = static_cast<QWheelEvent*>(e)->angleDelta().y();
        if (delta != 0)
            delta > 0 ? FormMouseWheelUp() : FormMouseWheelDown();
        return true;
    }
    return QMainWindow::eventFilter(watched, e);
}
