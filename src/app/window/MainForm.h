#pragma once
// The main window: view box with its bars, tool bars, colour swatches and the palette panel.
// Each feature keeps its state in an object of its own that the handlers drive.

#include "app/system/Settings.h"
#include "app/window/Colours.h"
#include "app/window/ExternalPrograms.h"
#include "app/window/HandEditing.h"
#include "app/window/ModelFiles.h"
#include "app/window/Pictures.h"
#include "app/window/ScreenFrame.h"
#include "app/window/SequencerDock.h"
#include "app/window/ToolWindows.h"
#include "app/window/ViewBars.h"
#include "app/window/WindowLinks.h"
#include "model/BlockList.h"
#include "render/DrawContext.h"
#include "render/DrawingThreads.h"
#include "render/RedrawGate.h"
#include "render/ViewControls.h"

#include <QMainWindow>
#include <functional>
#include <memory>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QScrollBar;
class QToolBar;
class QToolButton;
class TColourSwatches;
class TInstructionsFeature;
class TPalettePanel;
class TViewBox;

class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    static constexpr const char* Version = "3.19";
    explicit TMainForm(const std::vector<std::string>& args, QWidget* parent = nullptr);
    ~TMainForm() override;

    // Controls: the view with its bars (rotations and scale hidden, offsets at its edges).
    QScrollBar *RotX, *RotY, *RotZ, *ScaleBar, *OffsetX, *OffsetY, *ZLiftOff;
    TViewBox* PaintBox1;
    QLabel* lblZLiftOff;
    QLineEdit *BSizeX, *BSizeY;
    TColourSwatches* Swatches;
    QWidget* RightPanel;
    QComboBox* cbResolution;
    QToolButton *btnCenter, *ThickBase, *btnClear, *btnLoad, *btnSave, *btnUndo, *btnRedo;
    QToolButton *btnOptions, *btnZoomFit, *btnRotUp, *btnRotDown, *btnRotLeft, *btnRotRight;
    QToolButton *btnZoomIn, *btnZoomOut, *btnHome, *btnRestoreView, *btnRefresh, *btnSavePic;
    QToolButton *btnPrint, *btnViewOptions, *btnStuds, *btnWireFrame, *btnPointer, *btnExit;
    QToolButton *btnTransparent, *btnPieceStuds, *btnColorDlg;
    std::vector<QToolButton*> FixedViews; // RadioGroup1, by tag
    QToolBar *BrickSelectionBar, *MiscBar;
    QMenu *pumLoad, *pumSave, *pumOptions, *pumViewOptions, *pumStuds, *pumRendering;
    QAction *mNewmodel, *mSubAssembly, *mSaveModel, *mSaveSelected, *mZoomToFit, *miGroup;
    QAction *miBreak, *mSafePos, *miWfOnMouse, *Hints1, *Advancedtoolbox1, *Boundary1, *Sequencer1;
    QAction *LDrawthisview1, *L2pov, *L3pov, *Backgroundpicture1, *mRestBg, *miAbout, *miExit;
    QAction *miNoDetail, *miMoreDetail, *miMostDetail, *miShading, *miAdjustLight, *miSeeThroughBP;
    QAction *FastStuds2, *BetterStuds2, *BestStuds2, *Nostuds2, *miAntiAlias, *pf8bit1, *pf16bit1;
    QAction *pf24bit1, *pf32bit1, *pfdevice1, *miTiming, *miSlowRender, *miCoveredStuds;
    QAction *miAllCores, *miInstructions = nullptr, *miPartsList = nullptr, *miSetSteps = nullptr;
    TPalettePanel* Palette = nullptr;

    // The state the features share: settings, drawing state, view controls, model and frame.
    std::string IniFileName, StartFile;
    TSettings Settings;
    TDrawContext Context;
    TDrawingThreads DrawingThreads{TDrawingThreads::CoreCount()}; // "Draw on all cores"
    TRedrawGate Redraw;
    TViewControls Controls{Context, Redraw};
    TBlockList Model;
    TScreenFrame Frame;
    int GridXY = 20, GridZ = 8;

    // The features, each with its own state.
    TColours Colours{Swatches, Context.Colours};
    TModelFiles Files{*this};
    THandEditing Editing{Model, Context, Frame, PaintBox1};
    TPictures Pictures{*this, {Model, Context, Controls, Frame.Bitmap, Colours}, Files};
    TToolWindows Tools{Context.Boundary};
    TViewBars ViewBars{Controls, Context};
    TSequencerDock Sequencer{Controls, Context, Redraw};
    TExternalLaunch External{*this, Settings, Model, Context, Controls, Colours.Background};
    std::unique_ptr<TInstructionsFeature> Instructions;
    TPaletteLink PaletteLink{*this};
    TToolboxLink ToolboxLink{*this};

    // Handlers.
    void RedrawPicture() { Redraw.RedrawPicture(); }
    void SetViewAngles(int tilt, int azimuth);
    void FormResize();
    bool FormMouseWheelDown();
    bool FormMouseWheelUp();
    void btnHomeClick();
    void ZoomToFitClick();
    void PaintBox1Paint(QPainter& painter);
    void btnRefreshClick();
    void btnWireFrameClick();
    void NoDetailsClick(int tag);
    void FastStuds1Click(int tag);
    void miShadingClick();
    void miSeeThroughBPClick();
    void miAllCoresClick();
    void miAntiAliasClick();
    void pfdevice1Click(int tag);
    void mRestBgClick();
    void Backgroundpicture1Click();
    void SpeedButton1Click();
    void L2povClick();
    void L3povClick();
    void BSizeXKeyPress();
    void ThickBaseClick() { BSizeXKeyPress(); }
    void ZLiftOffChange();
    void btnStudsClick();
    void btnClearClick();
    void mNewmodelClick();
    void mSubAssemblyClick();
    void pumLoadPopup();
    void mSaveModelClick();
    void mSaveSelectedClick();
    void pumSavePopup();
    void pumOptionsPopup();
    void miGroupClick();
    void miBreakClick();
    void btnUndoClick();
    void btnRedoClick();
    void Hints1Click();
    void ExitButtonClick();
    void Edit7MouseDown(int swatch, bool rightButton);
    void btnColorDlgClick();
    void TransparentMouseDown();
    void btnPieceStudsClick();
    void Advancedtoolbox1Click();
    void Boundary1Click();
    void miAdjustLightClick();
    void Sequencer1Click();
    void btnSavePicClick();
    void SizeCameraClick();
    void btnPrintClick();
    void PaintBox1MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void PaintBox1MouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers shift, int x, int y);
    void PaintBox1MouseUp();
    // The key preview: true when the key is consumed.
    bool FormKeyDown(int key, Qt::KeyboardModifiers shift);
    void btnPointerClick() { DropHand(); }
    void cbResolutionChange(int index);
    void mSafePosClick();

    // What the handlers share, and what the palette and the tool windows reach.
    void Guarded(const std::function<void()>& command); // errors shown in a message box
    bool AskSaveModel();
    bool OpenModelDialog(const QString& title, int mode);
    void LoadModelFile(const std::string& fileName, int mode);
    bool SaveModel(bool all);
    // Writes the model (or its selected bricks) under the name, as the save dialog would.
    void SaveModelAs(const std::string& fileName, bool all);
    void SetModelFile(const std::string& name);
    void AddBaseplate();
    void UpdateUndoButtons();
    // A palette row's key becomes the brick in hand (a combination model loads as a
    // sub-assembly); false when the key gives nothing to place.
    bool TakeFromPalette(const std::string& key, int32_t colour);
    void PartDefinitionChanged(const TDrawClass& definition);
    void DropHand();
    // DropBrick with its marks, buttons and redraw; the hand is drawn again.
    void DropBrickInHand();
    // The marks and buttons show the drawing state's detail, shading, studs and wireframe.
    void ShowDrawingOptions();
    int32_t ButtonFaceColour() const;

protected:
    bool event(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    std::vector<std::string> Args;
    bool HintsOn = false;
    void CreateMenus();
    void CreateToolBars();
    void CreateMenuBar();
    void CreateViewPanel();
    void CreatePalette();
    void CreateToolWindows();
    void CreateSequencer();
    void ConnectHandlers();
    void BindViewControls();
    void ConnectEditing();
    void FormCreate();
    void StartUp();
    void FormDestroy();
};
