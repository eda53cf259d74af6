// The main window's side of the view sequencer: its panel in place of the palette and back,
// and the view bars following the frames it applies.
#include "app/palette/PalettePanel.h"
#include "app/tools/Sequencer.h"
#include "app/view/ViewBox.h"
#include "app/window/MainForm.h"

#include <QAction>
#include <QLayout>

void TMainForm::CreateSequencer() {
    frmSeq = new TfrmSeq(Controls, Context, Redraw, this);
    frmSeq->AfterApply = [this] { SyncViewBars(); };
    frmSeq->ShowViewSize(PaintBox1->width(), PaintBox1->height());
    auto resize = PaintBox1->OnResize;
    PaintBox1->OnResize = [this, resize] {
        if (resize)
            resize();
        frmSeq->ShowViewSize(PaintBox1->width(), PaintBox1->height());
    };
    connect(Sequencer1, &QAction::triggered, this, &TMainForm::Sequencer1Click);
}

void TMainForm::Sequencer1Click() {
    QWidget* panel = frmSeq->SeqPanel;
    bool shown = panel->parentWidget() == RightPanel;
    if (shown) {
        frmSeq->StopPlayback();
        RightPanel->layout()->removeWidget(panel);
        panel->setParent(frmSeq);
        Palette->show();
    } else {
        Palette->hide();
        RightPanel->layout()->addWidget(panel);
        panel->show();
    }
    Sequencer1->setChecked(!shown);
}

void TMainForm::StopSequencer() {
    if (frmSeq)
        frmSeq->StopPlayback();
}
