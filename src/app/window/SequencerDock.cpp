#include "app/window/SequencerDock.h"

#include "app/tools/Sequencer.h"

#include <QBoxLayout>

void TSequencerDock::Create(QWidget& window, std::function<void()> afterApply) {
    frmSeq = new TfrmSeq(Controls, Context, Redraw, &window);
    frmSeq->AfterApply = std::move(afterApply);
}

// The panel takes the palette's place at the window's right edge at its own width, so the view
// gains what the palette took beyond it.
bool TSequencerDock::Toggle(QWidget& rightPanel, QWidget& palette) {
    QWidget* panel = frmSeq->SeqPanel;
    auto* row = static_cast<QBoxLayout*>(rightPanel.parentWidget()->layout());
    if (panel->parentWidget() == rightPanel.parentWidget()) {
        frmSeq->StopPlayback();
        row->removeWidget(panel);
        panel->setParent(frmSeq);
        palette.show();
        rightPanel.show();
        return false;
    }
    palette.hide();
    rightPanel.hide();
    row->insertWidget(row->indexOf(&rightPanel) + 1, panel);
    panel->show();
    return true;
}

void TSequencerDock::Stop() {
    if (frmSeq)
        frmSeq->StopPlayback();
}
