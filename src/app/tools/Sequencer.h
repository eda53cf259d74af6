#pragma once
// The view sequencer: the form that holds the sequencer panel while the main window does not
// show it, the panel's controls, and the playback that steps through the views on a timer so
// the window stays responsive.

#include "render/sequence/FrameBuffer.h"
#include "render/sequence/Playback.h"
#include "render/sequence/ViewSequence.h"

#include <QTimer>
#include <QWidget>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QSpinBox;
class QToolButton;

class TfrmSeq : public QWidget {
    Q_OBJECT
public:
    // Never shown itself: it only owns SeqPanel while the main window does not.
    TfrmSeq(TViewControls& controls, TDrawContext& context, TRedrawGate& redraw,
            QWidget* parent = nullptr);

    QWidget* SeqPanel;
    QToolButton *btnClear, *btnOpen, *btnSave;
    QToolButton *btnBegin, *btnBack, *btnForw, *btnEnd;
    QToolButton *ToolbarButton971, *btnPlayStop; // play backwards (tag -1), forwards (tag 1)
    QToolButton *btnSnap, *btnNoSnap;
    QLineEdit *edFrame, *edDelay;
    QSpinBox* spFrames;
    QLabel* lblViewSize;

    TViewSequence Sequence;
    TFrameBuffer Buffer;

    // Runs after every applied frame: the main window shows the bars' new positions.
    std::function<void()> AfterApply;
    // The file dialogs; an empty name is a cancel. Tests put their own answers here.
    std::function<QString()> AskOpenName, AskSaveName;

    bool Playing() const { return Playback.has_value(); }
    void Play(int direction);
    void StopPlayback();
    // Reads the file into the sequence; a damaged file is refused with a message and the
    // sequence stays as it was.
    bool OpenSequence(const std::string& fileName);
    bool SaveSequence(const std::string& fileName);
    // The view box's size, which frames hold their origins for.
    void ShowViewSize(int width, int height);

    void btnClearClick();
    void btnOpenClick();
    void btnSaveClick();
    void btnBeginClick();
    void btnBackClick();
    void btnForwClick();
    void btnEndClick();
    void btnSnapClick();
    void btnNoSnapClick();

private:
    std::vector<TViewFrame> PlayedFrames; // the frames the running playback walks
    std::optional<TPlayback> Playback;
    QTimer PlayTimer;

    void CreatePanel();
    void ConnectButtons();
    void ShowCurrentFrame();
    void ApplyFrameAt(std::optional<int> index);
    void ApplyView(const TViewFrame& frame);
    void ShowNextView();
    void ShowError(const std::string& message);
};
