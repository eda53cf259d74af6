#pragma once
// The advanced toolbox: small edits of the selected bricks, whole-model colour commands, the
// step shown, and the offsets of an identity's LDraw mapping row.

#include "app/tools/ToolboxHost.h"
#include "exchange/ldraw/LDrawRowEditor.h"
#include "model/SelectionCommands.h"

#include <QWidget>
#include <functional>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class TBlock;
class TSpinButton;

class TAdvOptions : public QWidget {
    Q_OBJECT
public:
    // A tool window of the parent; the mapping table is the program's own unless another is
    // given.
    TAdvOptions(TToolboxHost& host, QWidget* parent, TLDrawMap& map = LDrawMap());

    // "Selection"
    QPushButton *spStud, *spTurn, *spTransp, *sbColor, *spSetIdentity, *spSetStep;
    QLineEdit *edNewID, *edStepNo;
    QLabel *lx, *ly, *lz;
    TSpinButton *sx, *sy, *sz;
    QPushButton* spEditLDrawInfo;
    // "General"
    QPushButton *spReplaceColor, *spUseThisColor, *spMatchLDRAWcolor, *spClose;
    QSpinBox* spStep;
    // "LDraw export information"
    QGroupBox* LDrawGroup;
    QSpinBox *spXoffsetL, *spYoffsetL, *spZoffsetL, *spRotOffset;
    QPushButton *spUpdateLDraw, *RxSpeedButton1;

    // Called when the window shows or hides, with its new state.
    std::function<void(bool shown)> OnVisibility;

    // The main window's selection changed.
    void ShowSelection();
    // The brick in hand moved (nullptr: the hand is empty).
    void ShowBrick(const TBlock* brick);
    // The model's step limit was set elsewhere (reading a model).
    void ShowStepLimit(int32_t limit);

    void spEditLDrawInfoClick();
    void spUpdateLDrawClick();

protected:
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;

private:
    TToolboxHost& Host;
    QWidget* LeftPanel;
    TLDrawRowEditor RowEditor;
    QString LookedUp; // the identity the row lookup last ran for

    QWidget* CreateSelectionGroup();
    QWidget* CreateGeneralGroup();
    QWidget* CreateLDrawGroup();
    // Runs a command on the selection; a command that moves or turns bricks re-sorts them.
    void SelectionCommand(const std::function<TSelectionWalk()>& command, bool redraw, bool moved);
    void ShowPosition(int32_t x, int32_t y, int32_t z);
    void edNewIDChange();
    void edStepNoChange();
    void OffsetChange();
    void Nudge(int axis, int direction);
    void ReplaceColorClick();
    void UseThisColorClick();
    void MatchLDrawColorClick();
    TLDrawOffsets SpinOffsets() const;
};
