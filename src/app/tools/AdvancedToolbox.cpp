#include "app/tools/AdvancedToolbox.h"

#include "app/tools/SpinButton.h"
#include "app/tools/ToolGuard.h"
#include "base/Text.h"
#include "exchange/ldraw/LDrawColourMatch.h"

#include <QAction>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {
QPushButton* NewButton(QWidget* parent, const char* name, const char* text) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    return b;
}

QSpinBox* NewSpin(QWidget* parent, const char* name, int low, int high, int value) {
    auto* s = new QSpinBox(parent);
    s->setObjectName(name);
    s->setRange(low, high);
    s->setValue(value);
    return s;
}

void SetFontColour(QWidget* w, const QColor& colour) {
    QPalette p = w->palette();
    p.setColor(QPalette::Text, colour);
    w->setPalette(p);
}
} // namespace

TAdvOptions::TAdvOptions(TToolboxHost& host, QWidget* parent, TLDrawMap& map)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint), Host(host), RowEditor(map) {
    setObjectName("AdvOptions");
    setWindowTitle("Advanced toolbox");
    LeftPanel = new QWidget(this);
    auto* left = new QVBoxLayout(LeftPanel);
    left->setContentsMargins(0, 0, 0, 0);
    left->addWidget(CreateSelectionGroup());
    left->addWidget(CreateGeneralGroup());
    left->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(LeftPanel);
    layout->addWidget(CreateLDrawGroup(), 0, Qt::AlignTop);
    spEditLDrawInfoClick();
    host.Model().StepLimit = spStep->value();
    ShowSelection();
    move(0, 52);
}

QWidget* TAdvOptions::CreateSelectionGroup() {
    auto* group = new QGroupBox("Selection", this);
    auto* grid = new QGridLayout(group);
    spStud = NewButton(group, "spStud", "Studs ON/OFF");
    spTurn = NewButton(group, "spTurn", "Turn");
    spTransp = NewButton(group, "spTransp", "Transparent");
    sbColor = NewButton(group, "sbColor", "Color this piece");
    grid->addWidget(spStud, 0, 0, 1, 2);
    grid->addWidget(spTurn, 0, 2, 1, 2);
    grid->addWidget(spTransp, 1, 0, 1, 2);
    grid->addWidget(sbColor, 1, 2, 1, 2);

    spSetIdentity = NewButton(group, "spSetIdentity", "Set PartID");
    edNewID = new QLineEdit(group);
    edNewID->setObjectName("edNewID");
    spSetStep = NewButton(group, "spSetStep", "Set Step number");
    edStepNo = new QLineEdit("0", group);
    edStepNo->setObjectName("edStepNo");
    grid->addWidget(new QLabel("ID:", group), 2, 0);
    grid->addWidget(edNewID, 2, 1);
    grid->addWidget(spSetIdentity, 2, 2, 1, 2);
    grid->addWidget(new QLabel("Step:", group), 3, 0);
    grid->addWidget(edStepNo, 3, 1);
    grid->addWidget(spSetStep, 3, 2, 1, 2);

    const char* captions[3] = {"X:", "Y:", "Z:"};
    const char* labelNames[3] = {"lx", "ly", "lz"};
    const char* nudgeNames[3] = {"sx", "sy", "sz"};
    QLabel** labels[3] = {&lx, &ly, &lz};
    TSpinButton** nudges[3] = {&sx, &sy, &sz};
    auto* positions = new QHBoxLayout;
    for (int axis = 0; axis < 3; ++axis) {
        *labels[axis] = new QLabel("0", group);
        (*labels[axis])->setObjectName(labelNames[axis]);
        (*labels[axis])->setMinimumWidth(44);
        *nudges[axis] = new TSpinButton(nudgeNames[axis], group);
        (*nudges[axis])->OnStep = [this, axis](int direction) { Nudge(axis, direction); };
        positions->addWidget(new QLabel(captions[axis], group));
        positions->addWidget(*labels[axis]);
        positions->addWidget(*nudges[axis]);
    }
    grid->addLayout(positions, 4, 0, 1, 4);
    spEditLDrawInfo = NewButton(group, "spEditLDrawInfo", "Edit LDraw info");
    spEditLDrawInfo->setCheckable(true);
    grid->addWidget(spEditLDrawInfo, 5, 0, 1, 4);

    auto command = [this](QPushButton* b, std::function<TSelectionWalk()> run, bool redraw,
                          bool moved) {
        connect(b, &QPushButton::clicked, this,
                [this, run, redraw, moved] { SelectionCommand(run, redraw, moved); });
    };
    TBlockList& model = Host.Model();
    command(
        spStud, [&model] { return ToggleSelectedStuds(model); }, true, false);
    command(
        spTurn, [&model] { return TurnSelected(model); }, true, true);
    command(
        spTransp, [&model] { return ToggleSelectedTransparent(model); }, true, false);
    command(
        sbColor, [this] { return ColourSelected(Host.Model(), Host.CurrentColour()); }, true,
        false);
    command(
        spSetIdentity,
        [this] { return SetSelectedPartID(Host.Model(), edNewID->text().toStdString()); }, false,
        false);
    command(
        spSetStep, [this] { return SetSelectedStep(Host.Model(), edStepNo->text().toStdString()); },
        false, false);
    connect(edNewID, &QLineEdit::textChanged, this, [this] { edNewIDChange(); });
    connect(edStepNo, &QLineEdit::textChanged, this, [this] { edStepNoChange(); });
    connect(spEditLDrawInfo, &QPushButton::clicked, this, [this] { spEditLDrawInfoClick(); });
    return group;
}

QWidget* TAdvOptions::CreateGeneralGroup() {
    auto* group = new QGroupBox("General", this);
    auto* grid = new QGridLayout(group);
    spReplaceColor = NewButton(group, "spReplaceColor", "Replace color");
    spUseThisColor = NewButton(group, "spUseThisColor", "Use this color");
    spMatchLDRAWcolor = NewButton(group, "spMatchLDRAWcolor", "Match LDRAW col.");
    spStep = NewSpin(group, "spStep", -99999, 99999, 9999);
    spClose = NewButton(group, "spClose", "Close");
    grid->addWidget(spReplaceColor, 0, 0, 1, 2);
    grid->addWidget(spUseThisColor, 0, 2, 1, 2);
    grid->addWidget(spMatchLDRAWcolor, 1, 0, 1, 2);
    grid->addWidget(new QLabel("Show step:", group), 1, 2);
    grid->addWidget(spStep, 1, 3);
    grid->addWidget(spClose, 2, 2, 1, 2);
    connect(spReplaceColor, &QPushButton::clicked, this, [this] { ReplaceColorClick(); });
    connect(spUseThisColor, &QPushButton::clicked, this, [this] { UseThisColorClick(); });
    connect(spMatchLDRAWcolor, &QPushButton::clicked, this, [this] { MatchLDrawColorClick(); });
    connect(spStep, &QSpinBox::valueChanged, this, [this](int value) {
        Host.Model().StepLimit = value;
        Host.Redraw();
    });
    connect(spClose, &QPushButton::clicked, this, &QWidget::hide);
    return group;
}

QWidget* TAdvOptions::CreateLDrawGroup() {
    LDrawGroup = new QGroupBox("LDraw export information", this);
    LDrawGroup->setObjectName("LDrawGroup");
    LDrawGroup->setEnabled(false);
    auto* grid = new QGridLayout(LDrawGroup);
    spXoffsetL = NewSpin(LDrawGroup, "spXoffsetL", -99999, 99999, 0);
    spYoffsetL = NewSpin(LDrawGroup, "spYoffsetL", -99999, 99999, 0);
    spZoffsetL = NewSpin(LDrawGroup, "spZoffsetL", -99999, 99999, 0);
    // Bit 2 of a row's RotOffset chooses the diagonal matrices, so the table holds 0 to 7.
    spRotOffset = NewSpin(LDrawGroup, "spRotOffset", 0, 7, 0);
    const char* captions[4] = {"xOffset", "yOffset", "zOffset", "RotOffset"};
    QSpinBox* spins[4] = {spXoffsetL, spYoffsetL, spZoffsetL, spRotOffset};
    for (int i = 0; i < 4; ++i) {
        grid->addWidget(new QLabel(captions[i], LDrawGroup), i, 0);
        grid->addWidget(spins[i], i, 1);
        connect(spins[i], &QSpinBox::valueChanged, this, [this] { OffsetChange(); });
    }
    spUpdateLDraw = NewButton(LDrawGroup, "spUpdateLDraw", "Update");
    RxSpeedButton1 = NewButton(LDrawGroup, "RxSpeedButton1", "LDraw");
    grid->addWidget(spUpdateLDraw, 4, 0);
    grid->addWidget(RxSpeedButton1, 4, 1);
    connect(spUpdateLDraw, &QPushButton::clicked, this, [this] { spUpdateLDrawClick(); });
    // The main window's "LDraw this view" does the work, enabled when a viewer is set up.
    connect(RxSpeedButton1, &QPushButton::clicked, &Host.LDrawThisView(), &QAction::trigger);
    return LDrawGroup;
}

void TAdvOptions::showEvent(QShowEvent* e) {
    RxSpeedButton1->setEnabled(Host.LDrawThisView().isEnabled());
    QWidget::showEvent(e);
    if (!e->spontaneous() && OnVisibility)
        OnVisibility(true);
}

void TAdvOptions::hideEvent(QHideEvent* e) {
    QWidget::hideEvent(e);
    // Hidden with the minimised main window, it is still switched on.
    if (!e->spontaneous() && OnVisibility)
        OnVisibility(false);
}

void TAdvOptions::SelectionCommand(const std::function<TSelectionWalk()>& command, bool redraw,
                                   bool moved) {
    ToolGuarded(this, [&] {
        TSelectionWalk walk = command();
        if (walk.Count == 0)
            return;
        Host.ModelChanged();
        if (moved)
            Host.Model().SortedOctant = 99; // the drawing order no longer fits the bricks
        if (redraw)
            Host.Redraw();
    });
}

void TAdvOptions::Nudge(int axis, int direction) {
    int32_t step = direction * (axis == 2 ? Host.GridZ() : Host.GridXY());
    int32_t by[3] = {0, 0, 0};
    by[axis] = step;
    TSelectionWalk walk;
    SelectionCommand(
        [&] {
            walk = NudgeSelected(Host.Model(), by[0], by[1], by[2]);
            return walk;
        },
        true, true);
    if (walk.Count > 0)
        ShowPosition(walk.MinX, walk.MinY, walk.MinZ);
}

void TAdvOptions::ShowPosition(int32_t x, int32_t y, int32_t z) {
    lx->setText(QString::number(x));
    ly->setText(QString::number(y));
    lz->setText(QString::number(z));
}

void TAdvOptions::ShowSelection() {
    TSelectionWalk walk = ForEachSelected(Host.Model());
    bool any = walk.Count > 0;
    for (QWidget* w : {static_cast<QWidget*>(spSetIdentity), static_cast<QWidget*>(edNewID),
                       static_cast<QWidget*>(spSetStep), static_cast<QWidget*>(edStepNo)})
        w->setEnabled(any);
    if (!any)
        return;
    edNewID->setText(QString::fromStdString(walk.Last->PartID));
    edStepNo->setText(QString::number(walk.Last->Step));
}

void TAdvOptions::ShowBrick(const TBlock* brick) {
    if (!brick) {
        ShowPosition(0, 0, 0);
        return;
    }
    ShowPosition(brick->X, brick->Y, brick->Z);
    QString id = QString::fromStdString(brick->PartID);
    if (edNewID->text() != id)
        edNewID->setText(id);
}

void TAdvOptions::ShowStepLimit(int32_t limit) {
    QSignalBlocker block(spStep);
    spStep->setValue(limit);
}

void TAdvOptions::edStepNoChange() {
    // New bricks take this step; text that is no number keeps the last good one.
    try {
        Host.SetNewBrickStep(StrToInt(Trim(edStepNo->text().toStdString())));
    } catch (const std::exception&) {
    }
    edNewIDChange();
}

void TAdvOptions::edNewIDChange() {
    // Runs on every move of the hand: only a really new identity is looked up.
    if (edNewID->text() == LookedUp)
        return;
    LookedUp = edNewID->text();
    std::optional<TLDrawOffsets> row;
    ToolGuarded(this, [&] { row = RowEditor.Lookup(LookedUp.toStdString()); });
    spUpdateLDraw->setEnabled(row.has_value());
    if (!row)
        return;
    QSpinBox* spins[4] = {spXoffsetL, spYoffsetL, spZoffsetL, spRotOffset};
    int32_t values[4] = {row->xOffset, row->yOffset, row->zOffset, row->RotOffset};
    for (int i = 0; i < 4; ++i) {
        QSignalBlocker block(spins[i]);
        spins[i]->setValue(values[i]);
    }
    LDrawGroup->setEnabled(true);
    OffsetChange();
}

TLDrawOffsets TAdvOptions::SpinOffsets() const {
    return {spXoffsetL->value(), spYoffsetL->value(), spZoffsetL->value(), spRotOffset->value()};
}

void TAdvOptions::OffsetChange() {
    if (!RowEditor.HasRow())
        return;
    const TLDrawOffsets& row = RowEditor.RowValues();
    std::pair<QSpinBox*, bool> spins[4] = {{spXoffsetL, spXoffsetL->value() != row.xOffset},
                                           {spYoffsetL, spYoffsetL->value() != row.yOffset},
                                           {spZoffsetL, spZoffsetL->value() != row.zOffset},
                                           {spRotOffset, spRotOffset->value() != row.RotOffset}};
    for (auto [spin, differs] : spins)
        SetFontColour(spin, differs ? QColor(255, 0, 0) : QColor(0, 0, 0));
}

void TAdvOptions::spUpdateLDrawClick() {
    ToolGuarded(this, [this] {
        if (RowEditor.Update(edNewID->text().toStdString(), SpinOffsets()))
            OffsetChange();
    });
}

void TAdvOptions::spEditLDrawInfoClick() {
    bool down = spEditLDrawInfo->isChecked();
    LDrawGroup->setVisible(down);
    // The group sits right of the panel: the window ends at its left edge or just beyond it.
    int groupLeft =
        layout()->contentsMargins().left() + LeftPanel->sizeHint().width() + layout()->spacing();
    int width = down ? groupLeft + LDrawGroup->sizeHint().width() + 6 : groupLeft;
    setFixedWidth(width);
}

void TAdvOptions::ReplaceColorClick() {
    if (ReplaceSelectedColour(Host.Model(), Host.CurrentColour())) {
        Host.ModelChanged();
        Host.Redraw();
    }
}

void TAdvOptions::UseThisColorClick() {
    std::optional<int32_t> colour = FirstSelectedColour(Host.Model());
    if (!colour)
        return;
    Host.TakeColour(*colour);
}

void TAdvOptions::MatchLDrawColorClick() {
    MatchLDrawColours(Host.Model());
    Host.ModelChanged();
    Host.Redraw();
}
