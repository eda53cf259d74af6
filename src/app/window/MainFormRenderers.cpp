// The hand-offs to the LDraw viewer and to POV-Ray: "LDraw this view", "POV (via L2P)",
// "POV (via L3P)".
#include "app/window/MainForm.h"

#include <QAction>

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
    External.Run(LDrawThisView, FastStuds2->isChecked());
}

void TMainForm::L2povClick() {
    External.Run(PovViaL2P, FastStuds2->isChecked());
}

void TMainForm::L3povClick() {
    External.Run(PovViaL3P, FastStuds2->isChecked());
}
