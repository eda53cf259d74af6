#include "app/tools/CuttingDialog.h"

#include "app/tools/SpinButton.h"
#include "app/widgets/WindowMessages.h"

#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QHideEvent>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QSpinBox>

TDlg::TDlg(TBoundaryState& state, const TBlockList& model, QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Tool), State(state), Model(model), MainWindow(mainWindow) {
    setObjectName("Dlg");
    setWindowTitle("Cutting coordinates");
    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel("Low", this), 0, 1);
    grid->addWidget(new QLabel("High", this), 0, 2);
    grid->addWidget(new QLabel("Both", this), 0, 3);
    const char* names[6] = {"edXLeft", "edXRight", "edYBack", "edYFront", "edZBottom", "edZTop"};
    QSpinBox** spins[6] = {&edXLeft, &edXRight, &edYBack, &edYFront, &edZBottom, &edZTop};
    const char* rows[3] = {"X", "Y", "Z"};
    TSpinButton** both[3] = {&RxSpinButton1, &RxSpinButton2, &RxSpinButton3};
    const char* bothNames[3] = {"RxSpinButton1", "RxSpinButton2", "RxSpinButton3"};
    for (int row = 0; row < 3; ++row) {
        grid->addWidget(new QLabel(rows[row], this), row + 1, 0);
        for (int side = 0; side < 2; ++side) {
            int i = row * 2 + side;
            auto* spin = new QSpinBox(this);
            spin->setObjectName(names[i]);
            // The Z cut-off bar may raise the top without limit.
            spin->setRange(INT32_MIN, INT32_MAX);
            connect(spin, &QSpinBox::valueChanged, this, [this] { SpinChange(); });
            grid->addWidget(spin, row + 1, side + 1);
            *spins[i] = spin;
        }
        *both[row] = new TSpinButton(bothNames[row], this);
        QSpinBox *low = *spins[row * 2], *high = *spins[row * 2 + 1];
        (*both[row])->OnStep = [this, low, high](int direction) { BothStep(low, high, direction); };
        grid->addWidget(*both[row], row + 1, 3);
    }
    chkAutoUpdate = new QCheckBox("Auto", this);
    chkAutoUpdate->setObjectName("chkAutoUpdate");
    btnUpdate = new QPushButton("Update", this);
    btnUpdate->setObjectName("btnUpdate");
    BitBtn1 = new QPushButton("Reset", this);
    BitBtn1->setObjectName("BitBtn1");
    grid->addWidget(chkAutoUpdate, 4, 0, 1, 2);
    grid->addWidget(btnUpdate, 4, 2);
    grid->addWidget(BitBtn1, 4, 3);
    connect(btnUpdate, &QPushButton::clicked, this, [this] { RequestUpdate(); });
    connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    ShowLimits(state.Kept);
}

void TDlg::SetIncrements(int32_t horizontal, int32_t vertical) {
    for (QSpinBox* s : {edXLeft, edXRight, edYBack, edYFront})
        s->setSingleStep(horizontal);
    for (QSpinBox* s : {edZBottom, edZTop})
        s->setSingleStep(vertical);
}

void TDlg::ShowLimits(const TCutLimits& limits) {
    ++Suppressed;
    QSpinBox* spins[6] = {edXLeft, edXRight, edYBack, edYFront, edZBottom, edZTop};
    for (int i = 0; i < 6; ++i)
        spins[i]->setValue(limits[size_t(i)]);
    --Suppressed;
}

TCutLimits TDlg::SpinLimits() const {
    return {edXLeft->value(),  edXRight->value(),  edYBack->value(),
            edYFront->value(), edZBottom->value(), edZTop->value()};
}

void TDlg::RequestUpdate() {
    QApplication::postEvent(MainWindow,
                            new QEvent(WindowMessages::EventType(WindowMessages::Redraw)));
}

void TDlg::SpinChange() {
    if (Suppressed > 0)
        return;
    State.Change(SpinLimits());
    if (OnLimitsChanged)
        OnLimitsChanged();
    if (chkAutoUpdate->isChecked())
        RequestUpdate();
}

void TDlg::BothStep(QSpinBox* low, QSpinBox* high, int direction) {
    ++Suppressed;
    low->stepBy(direction);
    high->stepBy(direction);
    --Suppressed;
    SpinChange();
}

void TDlg::BitBtn1Click() {
    State.Reset(Model);
    ShowLimits(State.Kept);
    if (OnLimitsChanged)
        OnLimitsChanged();
    RequestUpdate();
}

void TDlg::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    if (e->spontaneous())
        return;
    State.Show();
    ShowLimits(State.Kept);
    if (chkAutoUpdate->isChecked())
        RequestUpdate();
    if (OnVisibility)
        OnVisibility(true);
}

void TDlg::hideEvent(QHideEvent* e) {
    QWidget::hideEvent(e);
    if (e->spontaneous())
        return;
    State.Hide();
    RequestUpdate();
    if (OnVisibility)
        OnVisibility(false);
}
