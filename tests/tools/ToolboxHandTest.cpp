// Moving the hand with the toolbox showing its position: no frame is rendered, and the position
// display keeps up. The time it takes over a big model is a benchmark (bench/gui).
#include "app/GuiTest.h"
#include "app/view/ViewBox.h"
#include "app/window/MainForm.h"
#include "tools/AdvancedToolbox.h"

#include <QAction>
#include <QLabel>
#include <QMouseEvent>
#include <gtest/gtest.h>

TEST(ToolboxHand, MovingTheHandWithTheToolboxOpenDrawsNoFrame) {
    auto form = NewForm(TestFolder() + "t.ini");
    form->show();
    form->Advancedtoolbox1->trigger();
    QApplication::processEvents();
    form->Model.Add(CreateBrickFromKey("1x1x3|3005"));
    form->RedrawPicture();
    form->Hand.TakeInHand(CreateBrickFromKey("2x4x3|3001"), 0);
    int frames = form->FramesPainted;
    TViewBox& view = *form->PaintBox1;
    for (int k = 0; k < 10; ++k) {
        TPoint p = ProjectPoint(form->Context.View, -90 + 20 * k, -50 + 10 * k, 0);
        QPointF at(p.X, p.Y);
        QMouseEvent e(QEvent::MouseMove, at, view.mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                      Qt::NoModifier);
        QApplication::sendEvent(&view, &e);
    }
    EXPECT_EQ(form->FramesPainted, frames);
    EXPECT_EQ(form->AdvOptions->lx->text(), QString::number(form->Hand.BrickInHand->X));
    form->Modified = false;
    form->close();
}
