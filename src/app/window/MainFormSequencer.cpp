// The main window's side of the view sequencer: the menu entry and the view bars following
// the frames it applies.
#include "app/palette/PalettePanel.h"
#include "app/tools/Sequencer.h"
#include "app/view/ViewBox.h"
#include "app/window/MainForm.h"

#include <QAction>

void TMainForm::CreateSequencer() {
    Sequencer.Create(*this, [this] { ViewBars.Sync(); });
    TfrmSeq* frmSeq = Sequencer.frmSeq;
    frmSeq->ShowViewSize(PaintBox1->width(), PaintBox1->height());
    auto resize = PaintBox1->OnResize;
    PaintBox1->OnResize = [this, frmSeq, resize] {
        if (resize)
            resize();
        frmSeq->ShowViewSize(PaintBox1->width(), PaintBox1->height());
    };
    connect(Sequencer1, &QAction::triggered, this, &TMainForm::Sequencer1Click);
}

void TMainForm::Sequencer1Click() {
    Sequencer1->setChecked(Sequencer.Toggle(*RightPanel, *Palette));
}
