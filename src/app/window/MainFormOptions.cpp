// The display options: refresh, wireframe, details, studs, shading, bit depth, background,
// baseplate size and the Z cut-off bar.
#include "app/window/MainForm.h"
#include "base/Error.h"
#include "base/Text.h"
#include "render/SceneOptions.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QToolButton>

namespace {
constexpr int MaxBaseplateStuds = 1000;

int BaseplateStuds(const QLineEdit* box) {
    int32_t studs = StrToInt(Trim(box->text().toStdString()));
    if (studs < 1 || studs > MaxBaseplateStuds)
        throw TError("The baseplate size must be a whole number of studs from 1 to " +
                     std::to_string(MaxBaseplateStuds));
    return studs;
}
} // namespace

void TMainForm::ShowDrawingOptions() {
    for (QAction* a : {miNoDetail, miMoreDetail, miMostDetail})
        a->setChecked(a->data().toInt() == Context.DetailLevel);
    miShading->setChecked(Context.Shading);
    QSignalBlocker studs(btnStuds), wire(btnWireFrame);
    btnStuds->setChecked(Context.StudsHidden);
    btnWireFrame->setChecked(Context.WireFrame);
}

void TMainForm::btnRefreshClick() {
    Model.SortedOctant = 99;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    if (Model.Count() >= 2)
        Model.Sort(Context.View.Octant);
    Model.SortedOctant = Context.View.Octant;
    RedrawPicture();
    QApplication::restoreOverrideCursor();
}

void TMainForm::btnWireFrameClick() {
    Context.SetWireFrame(btnWireFrame->isChecked());
    ShowDrawingOptions();
    RedrawPicture();
}

void TMainForm::NoDetailsClick(int tag) {
    Context.ChooseDetail(tag);
    ShowDrawingOptions();
    RedrawPicture();
}

void TMainForm::FastStuds1Click(int tag) {
    for (QAction* a : {FastStuds2, BetterStuds2, BestStuds2, Nostuds2})
        a->setChecked(a->data().toInt() == tag);
    Context.ChooseStuds(tag);
    ShowDrawingOptions();
    RedrawPicture();
}

void TMainForm::btnStudsClick() {
    Context.StudsHidden = btnStuds->isChecked();
    RedrawPicture();
}

void TMainForm::miShadingClick() {
    Context.Shading = miShading->isChecked();
    RedrawPicture();
}

void TMainForm::miSeeThroughBPClick() {
    Context.SeeThroughBaseplate = miSeeThroughBP->isChecked();
    RedrawPicture();
}

// The same pixels either way; off leaves the other cores to other programs.
void TMainForm::miAllCoresClick() {
    Context.Threads = miAllCores->isChecked() ? &DrawingThreads : nullptr;
    RedrawPicture();
}

void TMainForm::miAntiAliasClick() {
    bool wasOn = !miAntiAlias->isChecked(); // the action has already flipped its mark
    pfdevice1Click(4);
    miAntiAlias->setChecked(!wasOn);
    RedrawPicture();
}

void TMainForm::pfdevice1Click(int tag) {
    miAntiAlias->setChecked(false);
    for (QAction* a : {pf8bit1, pf16bit1, pf24bit1, pf32bit1, pfdevice1})
        if (a->data().toInt() == tag) {
            a->setChecked(true);
            Frame.SetBitDepth(tag);
        }
}

void TMainForm::BSizeXKeyPress() {
    // Both boxes are checked before the plate changes, so a bad width cannot leave the plate
    // half resized.
    BaseplateStuds(BSizeX);
    BaseplateStuds(BSizeY);
    SizeBaseplate(Model, BSizeX->text().toStdString(), BSizeY->text().toStdString(),
                  ThickBase->isChecked(), Colours.ColourGray());
    RedrawPicture();
}

void TMainForm::ZLiftOffChange() {
    Tools.ZCutOff.Change(ZLiftOff->value(), Context.Boundary, Tools.BoundaryExists, ModelTop(Model),
                         GridZ, [this](int32_t level) {
                             QSignalBlocker block(ZLiftOff);
                             ZLiftOff->setValue(level);
                             lblZLiftOff->setText(QString::number(level));
                         });
    Tools.TopMoved();
    RedrawPicture();
}
