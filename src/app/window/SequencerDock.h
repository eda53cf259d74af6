#pragma once
// The view sequencer beside the view: its panel stands in the palette's place while shown.

#include <functional>

class QWidget;
class TDrawContext;
class TRedrawGate;
class TViewControls;
class TfrmSeq;

class TSequencerDock {
public:
    TSequencerDock(TViewControls& controls, TDrawContext& context, TRedrawGate& redraw)
        : Controls(controls), Context(context), Redraw(redraw) {}

    // A child of the window, made by Create.
    TfrmSeq* frmSeq = nullptr;

    // afterApply runs after each view the sequencer applies.
    void Create(QWidget& window, std::function<void()> afterApply);
    // The panel goes into the right-hand panel in the palette's place, or the palette comes
    // back; true when the panel is shown.
    bool Toggle(QWidget& rightPanel, QWidget& palette);
    // Ends a running playback before the model or the window changes under it.
    void Stop();

private:
    TViewControls& Controls;
    TDrawContext& Context;
    TRedrawGate& Redraw;
};
