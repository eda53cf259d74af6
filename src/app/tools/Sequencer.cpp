// The sequencer's commands: stepping, snapping, files and playback.
#include "app/tools/Sequencer.h"

#include "base/Error.h"
#include "base/FileNames.h"
#include "render/sequence/SequenceFile.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QSpinBox>
#include <QToolButton>

namespace {
const char* FileFilter = "Sequence files (*.lgs);;All files (*.*)";

QString ModelsFolder() {
    return QString::fromStdString(AppDir()) + "Models";
}
} // namespace

TfrmSeq::TfrmSeq(TViewControls& controls, TDrawContext& context, TRedrawGate& redraw,
                 QWidget* parent)
    : QWidget(parent, Qt::Window), Buffer(controls, context, redraw) {
    setObjectName("frmSeq");
    setWindowTitle("Sequencer");
    CreatePanel();
    ConnectButtons();
    PlayTimer.setSingleShot(true);
    AskOpenName = [this] {
        return QFileDialog::getOpenFileName(SeqPanel->window(), "Open sequence", ModelsFolder(),
                                            FileFilter);
    };
    AskSaveName = [this] {
        QString name = QFileDialog::getSaveFileName(SeqPanel->window(), "Save sequence",
                                                    ModelsFolder(), FileFilter);
        if (!name.isEmpty() && QFileInfo(name).suffix().isEmpty())
            name += ".lgs";
        return name;
    };
}

void TfrmSeq::ShowCurrentFrame() {
    edFrame->setText(QString::number(Sequence.CurrentFrame));
}

void TfrmSeq::ApplyView(const TViewFrame& frame) {
    Buffer.ApplyFrame(frame);
    if (AfterApply)
        AfterApply();
}

void TfrmSeq::ApplyFrameAt(std::optional<int> index) {
    ShowCurrentFrame();
    if (index)
        ApplyView(Sequence.Frames[size_t(*index)]);
}

void TfrmSeq::ShowError(const std::string& message) {
    QMessageBox::critical(SeqPanel->window(), "Sequencer", QString::fromStdString(message));
}

void TfrmSeq::ShowViewSize(int width, int height) {
    lblViewSize->setText(QString("View size %1 x %2").arg(width).arg(height));
}

// Every command first ends a running playback, so none runs on over a changed sequence.
void TfrmSeq::btnClearClick() {
    StopPlayback();
    Sequence.Clear();
    ShowCurrentFrame();
}

void TfrmSeq::btnBeginClick() {
    StopPlayback();
    ApplyFrameAt(Sequence.Begin());
}

void TfrmSeq::btnBackClick() {
    StopPlayback();
    ApplyFrameAt(Sequence.Back());
}

void TfrmSeq::btnForwClick() {
    StopPlayback();
    ApplyFrameAt(Sequence.Forward());
}

void TfrmSeq::btnEndClick() {
    StopPlayback();
    ApplyFrameAt(Sequence.End());
}

void TfrmSeq::btnSnapClick() {
    StopPlayback();
    Sequence.Snap(Buffer.CaptureFrame(spFrames->value()));
    ShowCurrentFrame();
}

void TfrmSeq::btnNoSnapClick() {
    StopPlayback();
    ApplyFrameAt(Sequence.Unsnap());
}

bool TfrmSeq::OpenSequence(const std::string& fileName) {
    try {
        Sequence.Frames = ReadSequenceFile(fileName);
        return true;
    } catch (const TError& e) {
        ShowError(e.what());
        return false;
    }
}

bool TfrmSeq::SaveSequence(const std::string& fileName) {
    try {
        WriteSequenceFile(fileName, Sequence.Frames);
        return true;
    } catch (const TError& e) {
        ShowError(e.what());
        return false;
    }
}

void TfrmSeq::btnOpenClick() {
    StopPlayback();
    QString name = AskOpenName();
    // A refused file leaves the sequence and the view as they were; a cancel still goes back
    // to the first frame.
    if (!name.isEmpty() && !OpenSequence(name.toStdString()))
        return;
    ApplyFrameAt(Sequence.Begin());
}

void TfrmSeq::btnSaveClick() {
    StopPlayback();
    QString name = AskSaveName();
    if (!name.isEmpty())
        SaveSequence(name.toStdString());
}

void TfrmSeq::Play(int direction) {
    // A second press of a play button stops the playback it started.
    if (Playing()) {
        StopPlayback();
        return;
    }
    if (Sequence.Frames.empty()) {
        StopPlayback(); // the pressed button springs back
        return;
    }
    PlayedFrames = Sequence.Frames;
    Playback.emplace(PlayedFrames, Buffer.CaptureFrame(spFrames->value()), direction);
    ToolbarButton971->setChecked(direction < 0);
    btnPlayStop->setChecked(direction > 0);
    ShowNextView();
}

void TfrmSeq::StopPlayback() {
    PlayTimer.stop();
    Playback.reset();
    ToolbarButton971->setChecked(false);
    btnPlayStop->setChecked(false);
}

void TfrmSeq::ShowNextView() {
    if (!Playback)
        return;
    std::optional<TPlaybackView> view = Playback->Next();
    if (!view) {
        StopPlayback();
        ShowCurrentFrame();
        return;
    }
    Sequence.CurrentFrame = view->CurrentFrame;
    if (!view->InBetween)
        ShowCurrentFrame();
    ApplyView(view->Frame);
    try {
        PlayTimer.start(DelayMilliseconds(view->Delay, edDelay->text().toStdString()));
    } catch (const TError& e) {
        StopPlayback();
        ShowError(e.what());
    }
}
