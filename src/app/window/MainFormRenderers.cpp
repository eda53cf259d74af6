// The hand-offs to the LDraw viewer and to POV-Ray: "LDraw this view", "POV (via L2P)",
// "POV (via L3P)".
#include "app/system/RunProgram.h"
#include "app/window/MainForm.h"
#include "exchange/ldraw/LDrawMap.h"

#include <QAction>
#include <QApplication>
#include <QMessageBox>

void TMainForm::ConnectRenderers() {
    auto onTrigger = [this](QAction* action, void (TMainForm::*handler)()) {
        connect(action, &QAction::triggered, this,
                [this, handler] { Guarded([&] { (this->*handler)(); }); });
    };
    onTrigger(LDrawthisview1, &TMainForm::SpeedButton1Click);
    onTrigger(L2pov, &TMainForm::L2povClick);
    onTrigger(L3pov, &TMainForm::L3povClick);
}

void TMainForm::SpeedButton1Click() {
    RunExternalRoute(LDrawThisView);
}

void TMainForm::L2povClick() {
    RunExternalRoute(PovViaL2P);
}

void TMainForm::L3povClick() {
    RunExternalRoute(PovViaL3P);
}

void TMainForm::RunExternalRoute(TExternalRoute route) {
    const TSettings& s = Settings;
    TExternalPrograms programs{ExpandHome(s.LDrawLib),
                               ExpandHome(s.LDrawProg),
                               s.LDrawTest,
                               s.L2PCmd,
                               s.L3PCmd,
                               s.PovRayEng};
    std::vector<TBlock*> bricks;
    for (const auto& brick : Model.Items())
        bricks.push_back(brick.get());
    TExternalScene scene{
        bricks, LDrawMap(),
        ExternalViewOf(Context.View, Controls.ClientWidth, Controls.ClientHeight, Background),
        FastStuds2->isChecked()};
    TReportingStarter starter([this](const std::string& message) {
        // A report while a converter runs comes with the wait cursor, which the box should not.
        bool waiting = QApplication::overrideCursor() != nullptr;
        if (waiting)
            QApplication::restoreOverrideCursor();
        QMessageBox::warning(this, windowTitle(), QString::fromStdString(message));
        if (waiting)
            QApplication::setOverrideCursor(Qt::WaitCursor);
    });
    // The converters run to their end before the scene is written; the program waits for them.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    try {
        route(programs, scene, starter);
    } catch (...) {
        QApplication::restoreOverrideCursor();
        throw;
    }
    QApplication::restoreOverrideCursor();
}
