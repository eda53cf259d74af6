#include "app/tools/SetLightDialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

TfrmSetLight::TfrmSetLight(const TLightVector& light,
                           std::function<void(const TLightVector&)> preview, QWidget* parent)
    : QDialog(parent), DrawPreview(std::move(preview)) {
    setObjectName("frmSetLight");
    setWindowTitle("Set light direction");
    auto* grid = new QGridLayout(this);
    const char* captions[3] = {"X:", "Y:", "Z:"};
    const char* names[3] = {"rxsX", "rxsY", "rxsZ"};
    QSpinBox** spins[3] = {&rxsX, &rxsY, &rxsZ};
    for (int i = 0; i < 3; ++i) {
        auto* spin = new QSpinBox(this);
        spin->setObjectName(names[i]);
        spin->setRange(-9999, 9999);
        spin->setValue(light[size_t(i)]);
        grid->addWidget(new QLabel(captions[i], this), i, 0);
        grid->addWidget(spin, i, 1);
        connect(spin, &QSpinBox::valueChanged, this, [this] { SpinChange(); });
        *spins[i] = spin;
    }
    chkPreview = new QCheckBox("Preview", this);
    chkPreview->setObjectName("chkPreview");
    btnOK = new QPushButton("OK", this);
    btnOK->setObjectName("btnOK");
    btnOK->setDefault(true);
    btnCancel = new QPushButton("Cancel", this);
    btnCancel->setObjectName("btnCancel");
    grid->addWidget(chkPreview, 3, 0, 1, 2);
    grid->addWidget(btnOK, 4, 0);
    grid->addWidget(btnCancel, 4, 1);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

TLightVector TfrmSetLight::Values() const {
    return {rxsX->value(), rxsY->value(), rxsZ->value()};
}

void TfrmSetLight::SpinChange() {
    if (!chkPreview->isChecked() || !DrawPreview)
        return;
    PreviewShown = true;
    DrawPreview(Values());
}
