#pragma once
// The view's scroll bars and studs button showing the view controls: a bar the user moves sets
// its control, and every change of the controls is shown in all of them.

#include <array>

class QScrollBar;
class QToolButton;
class TDrawContext;
class TViewControls;

class TViewBars {
public:
    TViewBars(TViewControls& controls, const TDrawContext& context)
        : Controls(controls), Context(context) {}

    // The bars of RotX, RotZ, RotY, ScaleBar, OffsetX and OffsetY, in that order.
    void Bind(const std::array<QScrollBar*, 6>& bars, QToolButton& studs);
    // Shows the controls' positions in the bars and the studs button.
    void Sync();
    // Runs a handler of the view controls and shows its result.
    void Run(void (TViewControls::*handler)());

private:
    TViewControls& Controls;
    const TDrawContext& Context;
    std::array<QScrollBar*, 6> Bars{};
    QToolButton* Studs = nullptr;
};
