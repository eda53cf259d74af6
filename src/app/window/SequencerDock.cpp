#include "app/window/SequencerDock.h"

#include "app/tools/Sequencer.h"

#include <QLayout>

void TSequencerDock::Create(QWidget& window, std::function<void()> afterApply) {
    frmSeq = new TfrmSeq(Controls, Context, Redraw, &window);
    frmSeq->AfterApply = std::move(afterApply);
}

bool TSequencerDock::Toggle(QWidget& rightPanel, QWidget& palette) {
    QWidget* panel = frmSeq->SeqPanel;
    if (panel->parentWidget() == &rightPanel) {
        frmSeq->StopPlayback();
        rightPanel.layout()->removeWidget(panel);
        panel->setParent(frmSeq);
        palette.show();
        return false;
    }
    palette.hide();
    rightPanel.layout()->addWidget(panel);
    panel->show();
    return true;
}

void TSequencerDock::Stop() {
    if (frmSeq)
        frmSeq->StopPlayback();
}
