// The view's scroll bars and buttons bound to the view controls; wheel, resize, centring.
#include "app/view/ViewBox.h"
#include "app/window/MainForm.h"

#include <QScrollBar>
#include <QToolButton>
#include <QWheelEvent>

void TMainForm::SyncViewBars() {
    const std::pair<QScrollBar*, const TScrollControl*> bars[] = {
        {RotX, &Controls.RotX},         {RotZ, &Controls.RotZ},       {RotY, &Controls.RotY},
        {ScaleBar, &Controls.ScaleBar}, {OffsetX, &Controls.OffsetX}, {OffsetY, &Controls.OffsetY}};
    for (auto [bar, control] : bars) {
        // The controls already hold the value; the bar only shows it.
        QSignalBlocker block(bar);
        bar->setRange(control->Min, control->Max);
        bar->setSingleStep(control->SmallStep);
        bar->setPageStep(control->LargeStep);
        bar->setValue(control->Position);
    }
    QSignalBlocker block(btnStuds);
    btnStuds->setChecked(Context.StudsHidden);
}

void TMainForm::ViewCommand(void (TViewControls::*handler)()) {
    (Controls.*handler)();
    SyncViewBars();
}

void TMainForm::BindViewControls() {
    const std::pair<QScrollBar*, TScrollControl*> bars[] = {
        {RotX, &Controls.RotX},         {RotZ, &Controls.RotZ},       {RotY, &Controls.RotY},
        {ScaleBar, &Controls.ScaleBar}, {OffsetX, &Controls.OffsetX}, {OffsetY, &Controls.OffsetY}};
    for (auto [bar, control] : bars)
        connect(bar, &QScrollBar::valueChanged, this, [this, control = control](int value) {
            Controls.SetControl(*control, value);
            SyncViewBars();
        });
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
                [this, handler = handler] { ViewCommand(handler); });
    for (int tag = 0; tag < int(FixedViews.size()); ++tag)
        connect(FixedViews[size_t(tag)], &QToolButton::clicked, this, [this, tag] {
            Controls.RadioGroup1Click(tag);
            SyncViewBars();
        });
    connect(btnHome, &QToolButton::clicked, this, &TMainForm::btnHomeClick);
    connect(btnCenter, &QToolButton::clicked, this, &TMainForm::btnHomeClick);
    PaintBox1->OnResize = [this] { FormResize(); };
    PaintBox1->OnWheel = [this](int direction) {
        direction > 0 ? FormMouseWheelUp() : FormMouseWheelDown();
    };
}

void TMainForm::SetViewAngles(int tilt, int azimuth) {
    Controls.SetViewAngles(tilt, azimuth);
    SyncViewBars();
}

void TMainForm::FormResize() {
    Pictures.CameraFrame.PlaceAtStart(PaintBox1->width(), PaintBox1->height());
    ResizeViewBitmap(PaintBox1->width(), PaintBox1->height());
    Controls.FormResize(PaintBox1->width(), PaintBox1->height());
}

bool TMainForm::ViewPanelWheel(QObject* watched, QEvent* e) {
    // The offset bars and the corner button belong to the view: the wheel zooms there too
    // instead of scrolling the bar.
    if (e->type() != QEvent::Wheel ||
        (watched != OffsetX && watched != OffsetY && watched != btnCenter))
        return false;
    int delta = static_cast<QWheelEvent*>(e)->angleDelta().y();
    if (delta != 0)
        delta > 0 ? FormMouseWheelUp() : FormMouseWheelDown();
    return true;
}

// The wheel only reaches here from over the view panel, so it always zooms.
bool TMainForm::FormMouseWheelDown() {
    bool handled = Controls.FormMouseWheelDown(true);
    SyncViewBars();
    return handled;
}

bool TMainForm::FormMouseWheelUp() {
    bool handled = Controls.FormMouseWheelUp(true);
    SyncViewBars();
    return handled;
}

void TMainForm::btnHomeClick() {
    TModelBounds bounds;
    for (int i = 0; i < Model.Count(); ++i)
        bounds.Add(Model[i]);
    Controls.btnHomeClick(bounds);
    SyncViewBars();
}
