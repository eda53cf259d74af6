// Moving the hand over a big model repaints only the hand's place: no frame is rendered.
#include "app/GuiTest.h"
#include "app/MainForm.h"
#include "app/ViewBox.h"

#include <QElapsedTimer>
#include <QMouseEvent>
#include <gtest/gtest.h>
#include <iostream>

TEST(HandTiming, MovingOverTenThousandBricksDrawsNoFrame) {
    std::string folder = TestFolder("handtiming");
    auto form = NewForm(folder + "t.ini");
    form->resize(1200, 900);
    form->show();
    QApplication::processEvents();
    for (int i = 0; i < 100; ++i)
        for (int j = 0; j < 100; ++j) {
            auto brick = CreateBrickFromKey("1x1x3");
            brick->X = i * 20 - 1000, brick->Y = j * 20 - 1000, brick->Z = (i * 7 + j) % 3 * 24;
            form->Model.Add(std::move(brick));
        }
    form->Controls.SetControl(form->Controls.ScaleBar, 30);
    form->SyncViewBars();
    QElapsedTimer frameTimer;
    frameTimer.start();
    form->RedrawPicture();
    double frameMs = double(frameTimer.nsecsElapsed()) / 1e6;

    form->Hand.TakeInHand(CreateBrickFromKey("2x4x3"), 0);
    int frames = form->FramesPainted, handPaints = form->HandPaints;
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
    EXPECT_GT(form->HandPaints, handPaints + moves / 2);
    std::cout << "10000 bricks: full frame " << frameMs << " ms, mouse move to hand drawn "
              << moveMs << " ms\n";
    RecordProperty("FrameMs", std::to_string(frameMs));
    RecordProperty("HandMoveMs", std::to_string(moveMs));
    form->Modified = false;
    form->close();
}
