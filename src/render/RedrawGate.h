#pragma once
// Redraw requests of the view and the scene, and the flags that hold them back while several
// view values change together.

#include <functional>

class TRedrawGate {
public:
    bool Busy = false;             // redraw requests are dropped
    bool SuppressPaint = false;    // the paint handler does nothing
    std::function<void()> Repaint; // the window's synchronous repaint

    // RedrawPicture: repaints at once unless Busy is set.
    void RedrawPicture() {
        if (Busy)
            return;
        SuppressPaint = false;
        if (Repaint)
            Repaint();
    }
};
