// Moving the hand over a big model with the toolbox showing the hand's position: still no frame
// is rendered, and the position display keeps up.
#include "app/GuiTest.h"
#include "app/MainForm.h"
#include "app/ViewBox.h"
#include "tools/AdvancedToolbox.h"

#include <QAction>
#include <QElapsedTimer>
#include <QLabel>
#include <QMouseEvent>
#include <gtest/gtest.h>
#include <iostream>

TEST(ToolboxHandTiming, MovingOverTenThousandBricksWithTheToolboxOpenDrawsNoFrame) {
    std::string folder = TestFolder("toolboxtiming");
    auto form = NewForm(folder + "t.ini");
    form->resize(1200, 900);
    form->show();
    form->Advancedtoolbox1->trigger();
    QApplication::processEvents();
    for (int i = 0; i < 100; ++i)
        for (int j = 0; j < 100; ++j) {
            auto brick = CreateBrickFromKey("1x1x3");
            brick->X = i * 20 - 1000, brick->Y = j * 20 - 1000, brick->Z = (i * 7 + j) % 3 * 24;
            brick->PartID = "3005";
            form->Model.Add(std::move(brick));
        }
    form->Controls.SetControl(form->Controls.ScaleBar, 30);
    form->SyncViewBars();
    form->RedrawPicture();

    form->Hand.TakeInHand(CreateBrickFromKey("2x4x3|3001"), 0);
    int frames = form->FramesPainted;
    TViewBox& view = *form->PaintBox1;
    const int moves = 200;
    QElapsedTimer timer;
    timer.start();
    for (int k = 0; k < moves; ++k) {
        TPoint p = ProjectPoint(form->Context.View, -900 + 9 * k, -500 + 4 * k, 0);
        QPointF at(p.X, p.Y);
        QMouseEvent e(QEvent::MouseMove, at, view.mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                      Qt::NoModifier);
        QApplication::sendEvent(&view, &e);
    }
    double moveMs = double(timer.nsecsElapsed()) / 1e6 / moves;
    EXPECT_EQ(form->FramesPainted, frames);
    EXPECT_EQ(form->AdvOptions->lx->text(), QString::number(form->Hand.BrickInHand->X));
    std::cout << "10000 bricks, toolbox open: mouse move to hand drawn " << moveMs << " ms\n";
    RecordProperty("HandMoveMs", std::to_string(moveMs));
    form->Modified = false;
    form->close();
}
