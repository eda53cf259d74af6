#include "app/window/ViewBars.h"

#include "render/DrawContext.h"
#include "render/ViewControls.h"

#include <QScrollBar>
#include <QToolButton>

namespace {
std::array<TScrollControl*, 6> ControlsOf(TViewControls& controls) {
    return {&controls.RotX,     &controls.RotZ,    &controls.RotY,
            &controls.ScaleBar, &controls.OffsetX, &controls.OffsetY};
}
} // namespace

void TViewBars::Bind(const std::array<QScrollBar*, 6>& bars, QToolButton& studs) {
    Bars = bars;
    Studs = &studs;
    const std::array<TScrollControl*, 6> controls = ControlsOf(Controls);
    for (size_t i = 0; i < Bars.size(); ++i)
        QObject::connect(Bars[i], &QScrollBar::valueChanged, Bars[i],
                         [this, control = controls[i]](int value) {
                             Controls.SetControl(*control, value);
                             Sync();
                         });
}

void TViewBars::Sync() {
    if (!Studs)
        return;
    const std::array<TScrollControl*, 6> controls = ControlsOf(Controls);
    for (size_t i = 0; i < Bars.size(); ++i) {
        // The controls already hold the value; the bar only shows it.
        QSignalBlocker block(Bars[i]);
        Bars[i]->setRange(controls[i]->Min, controls[i]->Max);
        Bars[i]->setSingleStep(controls[i]->SmallStep);
        Bars[i]->setPageStep(controls[i]->LargeStep);
        Bars[i]->setValue(controls[i]->Position);
    }
    QSignalBlocker block(Studs);
    Studs->setChecked(Context.StudsHidden);
}

void TViewBars::Run(void (TViewControls::*handler)()) {
    (Controls.*handler)();
    Sync();
}
