// The hand-offs to the LDraw viewer and to POV-Ray: "LDraw this view", "POV (via L2P)",
// "POV (via L3P)".
#include "app/window/MainForm.h"

#include <QAction>

void TMainForm::SpeedButton1Click() {
    External.Run(LDrawThisView, FastStuds2->isChecked());
}

void TMainForm::L2povClick() {
    External.Run(PovViaL2P, FastStuds2->isChecked());
}

void TMainForm::L3povClick() {
    External.Run(PovViaL3P, FastStuds2->isChecked());
}
