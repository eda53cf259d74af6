// The sequencer panel's controls, laid out in a column 148 pixels wide.
#include "app/tools/Sequencer.h"
#include "app/widgets/RepeatButton.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
QToolButton* Button(QWidget* parent, const char* name, const char* caption, const char* hint) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText(caption);
    button->setToolTip(hint);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    return button;
}

QLineEdit* Field(QWidget* parent, const char* name, const char* text) {
    auto* field = new QLineEdit(text, parent);
    field->setObjectName(name);
    field->setAlignment(Qt::AlignCenter);
    field->setMinimumWidth(36);
    return field;
}
} // namespace

void TfrmSeq::CreatePanel() {
    SeqPanel = new QWidget(this);
    SeqPanel->setObjectName("SeqPanel");
    SeqPanel->setFixedWidth(148);
    auto* column = new QVBoxLayout(SeqPanel);
    column->setContentsMargins(2, 2, 2, 2);

    auto* grid = new QGridLayout;
    grid->setSpacing(2);
    btnClear = Button(SeqPanel, "btnClear", "Clear", "Remove all frames");
    btnOpen = Button(SeqPanel, "btnOpen", "Open", "Open a sequence file");
    btnSave = Button(SeqPanel, "btnSave", "Save", "Save the sequence");
    grid->addWidget(btnClear, 0, 0, 1, 2);
    grid->addWidget(btnOpen, 0, 2, 1, 2);
    grid->addWidget(btnSave, 0, 4, 1, 2);

    btnBegin = Button(SeqPanel, "btnBegin", "|<", "First frame");
    btnBack = RepeatButton(SeqPanel, "btnBack", Qt::LeftArrow, "Previous frame");
    edFrame = Field(SeqPanel, "edFrame", "0");
    edFrame->setReadOnly(true);
    edFrame->setToolTip("Current frame");
    btnForw = RepeatButton(SeqPanel, "btnForw", Qt::RightArrow, "Next frame");
    btnEnd = Button(SeqPanel, "btnEnd", ">|", "Last frame");
    grid->addWidget(btnBegin, 1, 0);
    grid->addWidget(btnBack, 1, 1);
    grid->addWidget(edFrame, 1, 2, 1, 2);
    grid->addWidget(btnForw, 1, 4);
    grid->addWidget(btnEnd, 1, 5);

    ToolbarButton971 = Button(SeqPanel, "ToolbarButton971", "<<", "Play backwards");
    ToolbarButton971->setProperty("tag", -1);
    edDelay = Field(SeqPanel, "edDelay", "0.1");
    edDelay->setToolTip("Delay in seconds for frames without a delay of their own");
    btnPlayStop = Button(SeqPanel, "btnPlayStop", ">>", "Play");
    btnPlayStop->setProperty("tag", 1);
    for (QToolButton* play : {ToolbarButton971, btnPlayStop})
        play->setCheckable(true);
    grid->addWidget(ToolbarButton971, 2, 0, 1, 2);
    grid->addWidget(edDelay, 2, 2, 1, 2);
    grid->addWidget(btnPlayStop, 2, 4, 1, 2);

    btnSnap = Button(SeqPanel, "btnSnap", "Snap", "Insert the current view as a frame");
    btnNoSnap = Button(SeqPanel, "btnNoSnap", "Unsnap", "Remove the current frame");
    spFrames = new QSpinBox(SeqPanel);
    spFrames->setObjectName("spFrames");
    spFrames->setRange(0, 1000);
    spFrames->setValue(0);
    spFrames->setToolTip("In-between views leading to new frames");
    grid->addWidget(btnSnap, 3, 0, 1, 2);
    grid->addWidget(btnNoSnap, 3, 2, 1, 2);
    grid->addWidget(spFrames, 3, 4, 1, 2);
    column->addLayout(grid);

    lblViewSize = new QLabel(SeqPanel);
    lblViewSize->setObjectName("lblViewSize");
    lblViewSize->setWordWrap(true);
    column->addWidget(lblViewSize);
    column->addStretch(1);
}

void TfrmSeq::ConnectButtons() {
    const std::pair<QToolButton*, void (TfrmSeq::*)()> buttons[] = {
        {btnClear, &TfrmSeq::btnClearClick},  {btnOpen, &TfrmSeq::btnOpenClick},
        {btnSave, &TfrmSeq::btnSaveClick},    {btnBegin, &TfrmSeq::btnBeginClick},
        {btnBack, &TfrmSeq::btnBackClick},    {btnForw, &TfrmSeq::btnForwClick},
        {btnEnd, &TfrmSeq::btnEndClick},      {btnSnap, &TfrmSeq::btnSnapClick},
        {btnNoSnap, &TfrmSeq::btnNoSnapClick}};
    for (auto [button, handler] : buttons)
        connect(button, &QToolButton::clicked, this, handler);
    for (QToolButton* play : {ToolbarButton971, btnPlayStop})
        connect(play, &QToolButton::clicked, this,
                [this, play] { Play(play->property("tag").toInt()); });
    connect(&PlayTimer, &QTimer::timeout, this, &TfrmSeq::ShowNextView);
}
