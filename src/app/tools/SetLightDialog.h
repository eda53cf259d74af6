#pragma once
// "Set light direction": the light vector of the flat shading, with a preview that draws the
// view with the values being typed.

#include "render/LightPreview.h"

#include <QDialog>
#include <functional>

class QCheckBox;
class QPushButton;
class QSpinBox;

class TfrmSetLight : public QDialog {
    Q_OBJECT
public:
    // preview draws the view with the trial vector; it is called only while "Preview" is on.
    TfrmSetLight(const TLightVector& light, std::function<void(const TLightVector&)> preview,
                 QWidget* parent = nullptr);

    QSpinBox *rxsX, *rxsY, *rxsZ;
    QCheckBox* chkPreview;
    QPushButton *btnOK, *btnCancel;

    TLightVector Values() const;
    // A preview has been drawn since the dialog opened.
    bool Previewed() const { return PreviewShown; }

private:
    std::function<void(const TLightVector&)> DrawPreview;
    bool PreviewShown = false;
    void SpinChange();
};
