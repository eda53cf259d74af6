#pragma once
// The main window: view box with its bars, tool bars, colour swatches and the palette panel.

#include "app/system/Settings.h"
#include "app/view/Rgb32Frame.h"
#include "app/window/Colours.h"
#include "app/window/ExternalPrograms.h"
#include "app/window/ModelFiles.h"
#include "app/window/Pictures.h"
#include "app/window/ToolWindows.h"
#include "app/window/WindowLinks.h"
#include "edit/Hand.h"
#include "edit/HandDrawing.h"
#include "model/BlockList.h"
#include "raster/Bitmap.h"
#include "render/DrawContext.h"
#include "render/DrawingThreads.h"
#include "render/RedrawGate.h"
#include "render/SceneOptions.h"
#include "render/ViewControls.h"

#include <QMainWindow>
#include <QPoint>
#include <QRect>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QAction;
class QActionGroup;
class QComboBox;
class QEvent;
class QLabel;
class QLineEdit;
class QMenu;
class QScrollBar;
class QToolBar;
class QToolButton;
class TColourSwatches;
class TDrawClass;
class TPalettePanel;
class TfrmSeq;
class TViewBox;

class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    static constexpr const char* Version = "3.19";

    explicit TMainForm(const std::vector<std::string>& args, QWidget* parent = nullptr);
    ~TMainForm() override;

    // Settings and command line.
    std::string IniFileName, StartFile;
    TSettings Settings;

    // The drawing state every brick reads, the redraw flags (Busy, SuppressPaint) and the six
    // view controls that the scroll bars show.
    TDrawContext Context;
    // The frames' bands are drawn on these when "Draw on all cores" is checked.
    TDrawingThreads DrawingThreads{TDrawingThreads::CoreCount()};
    TRedrawGate Redraw;
    TViewControls Controls{Context, Redraw};
    bool Painting = false;
    int LastFrameMilliseconds = 0;
    void RedrawPicture() { Redraw.RedrawPicture(); }
    // Shows the controls' positions in the scroll bars and the studs button.
    void SyncViewBars();
    // Runs a handler of the view controls and shows its result.
    void ViewCommand(void (TViewControls::*handler)());
    void BindViewControls();
    // The frame bitmap follows the view box's size.
    void ResizeViewBitmap(int width, int height);

    // View controls; the first four are hidden, the offsets are visible at the view's edges.
    QScrollBar *RotX, *RotY, *RotZ, *ScaleBar, *OffsetX, *OffsetY;
    QToolButton* btnCenter;
    TViewBox* PaintBox1;
    QScrollBar* ZLiftOff;
    QLabel* lblZLiftOff;
    QLineEdit *BSizeX, *BSizeY;
    QToolButton* ThickBase;
    TColourSwatches* Swatches;
    QWidget* RightPanel;
    QComboBox* cbResolution;

    // Tool buttons.
    QToolButton *btnClear, *btnLoad, *btnSave, *btnUndo, *btnRedo, *btnOptions;
    QToolButton *btnRotUp, *btnRotDown, *btnRotLeft, *btnRotRight, *btnZoomIn, *btnZoomOut;
    QToolButton *btnHome, *btnRestoreView, *btnRefresh;
    QToolButton *btnViewOptions, *btnStuds, *btnWireFrame;
    QToolButton *btnPointer, *btnTransparent, *btnPieceStuds, *btnColorDlg, *btnExit;
    std::vector<QToolButton*> FixedViews; // RadioGroup1, by tag
    QToolBar *BrickSelectionBar, *MiscBar;

    // Drop-down menus and their entries.
    QMenu *pumLoad, *pumSave, *pumOptions, *pumViewOptions, *pumStuds, *pumRendering;
    QAction *mNewmodel, *mSubAssembly, *mSaveModel, *mSaveSelected;
    QAction *miGroup, *miBreak, *mSafePos, *miWfOnMouse, *Hints1, *Advancedtoolbox1, *Boundary1;
    QAction *Sequencer1, *LDrawthisview1, *L2pov, *L3pov, *Backgroundpicture1, *mRestBg;
    QAction *miAbout, *miExit;
    QAction *miNoDetail, *miMoreDetail, *miMostDetail, *miShading, *miAdjustLight;
    QAction* miSeeThroughBP;
    QAction *FastStuds2, *BetterStuds2, *BestStuds2, *Nostuds2;
    QAction *miAntiAlias, *pf8bit1, *pf16bit1, *pf24bit1, *pf32bit1, *pfdevice1, *miTiming;
    QAction *miSlowRender, *miCoveredStuds, *miAllCores;

    // View handlers of the window itself.
    void FormResize();
    bool FormMouseWheelDown();
    bool FormMouseWheelUp();
    // A wheel turn over the view's offset bars or corner button zooms; true when it did.
    bool ViewPanelWheel(QObject* watched, QEvent* e);
    void btnHomeClick();
    void SetViewAngles(int tilt, int azimuth);

    // Display options.
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
    // External renderers (also the toolbox's "LDraw" button).
    void SpeedButton1Click();
    void L2povClick();
    void L3povClick();
    void BSizeXKeyPress();
    void ZLiftOffChange();
    void btnStudsClick();
    // The marks and buttons show the drawing state's detail, shading, studs and wireframe.
    void ShowDrawingOptions();
    // The Z cut-off bar's stepping; the boundary it moves exists once the window is made.
    TZCutOff ZCutOff;
    bool BoundaryExists = false;
    // The largest Z + SZ of the model.
    int32_t ModelTop() const;
    // Pixel format code of the view bitmap: 1 = 8, 2 = 16, 3 = 24, 4 = 32 bits, 5 = device.
    int BitDepth = 4;
    void SetBitDepth(int code);

    // The model, and the scratch list of a sub-assembly waiting for the hand with the key of
    // the box that stands for it.
    TBlockList Model;
    std::unique_ptr<TBlockList> SubAssembly;
    std::string SubAssemblyKey;
    TColours Colours{Swatches, Context.Colours};
    int32_t ButtonFaceColour() const;
    // The off-screen frame, always the view box's size.
    TBitmap ViewBitmap;
    // The anti-aliased frame's double-size render, kept from frame to frame; emptied while
    // anti-aliasing is off.
    TBitmap Supersampled;
    void Edit7MouseDown(int swatch, bool rightButton);
    int GridXY = 20, GridZ = 8;

    // Model commands.
    TModelFiles Files{*this};
    void btnClearClick();
    void mNewmodelClick();
    void mSubAssemblyClick();
    void pumLoadPopup();
    void mSaveModelClick();
    void mSaveSelectedClick();
    void pumSavePopup();
    void pumOptionsPopup();
    void btnColorDlgClick();
    // The transparency and stud buttons' new state goes to the brick in hand at once.
    void TransparentMouseDown();
    void btnPieceStudsClick();
    void miGroupClick();
    void miBreakClick();
    void btnUndoClick();
    void btnRedoClick();
    void Hints1Click();
    void ExitButtonClick();
    bool AskSaveModel();
    bool OpenModelDialog(const QString& title, int mode);
    void LoadModelFile(const std::string& fileName, int mode);
    bool SaveModel(bool all);
    // Writes the model (or its selected bricks) under the name, as the save dialog would.
    void SaveModelAs(const std::string& fileName, bool all);
    // Tells the user what an exchange left out, in a message that does not wait for an answer.
    void ShowExchangeNotice(const std::string& title, const std::string& text);
    void AddBaseplate();
    void UpdateUndoButtons();
    // A new or opened model starts with the Z cut-off at the top, no undo and an empty
    // "<Recently used>" page.
    void StartOverModel();
    void SetModelFile(const std::string& name);

    // The brick palette on the right.
    TPalettePanel* Palette = nullptr;
    TPaletteLink PaletteLink{*this};
    void CreatePalette();
    // A palette row's key becomes the brick in hand (a combination model loads as a
    // sub-assembly); false when the key gives nothing to place.
    bool TakeFromPalette(const std::string& key, int32_t colour);
    // Every brick of an edited part takes its new shape: model, hand and sub-assembly.
    void PartDefinitionChanged(const TDrawClass& definition);

    // The view sequencer; the "Sequencer" entry shows its panel in place of the palette.
    TfrmSeq* frmSeq = nullptr;
    void CreateSequencer();
    void Sequencer1Click();
    // Ends a running playback before the model or the window changes under it.
    void StopSequencer();

    // Paint of the view box: the frame copied to the screen.
    void PaintBox1Paint(QPainter& painter);

    // Mouse and keyboard editing: the hand and the handlers that move it.
    THand Hand{Model, Context};
    int MouseDownX = 0, MouseDownY = 0;
    bool WireBeforeTurn = false;
    // The step new bricks get; the advanced toolbox's "Step:" field sets it.
    int32_t ToolboxStep = 0;
    // The tool windows and the main window's side of them (MainFormTools.cpp).
    TToolWindows Tools{Context.Boundary};
    TToolboxLink ToolboxLink{*this};
    void CreateToolWindows();
    void Advancedtoolbox1Click();
    void Boundary1Click();
    void miAdjustLightClick();
    void ToolboxShowSelection();
    void ToolboxShowBrick(const TBlock* brick);
    // The Z cut-off bar moved the boundary's top: the boundary window follows.
    void BoundaryTopMoved();
    // The boundary window changed the top: the bar and its label follow.
    void SyncZLiftOff();
    // Where the pointer was last moved for the hand (view coordinates), -1 when none pending.
    QPoint PointerTarget{-1, -1};
    // Frames rendered and hand-only repaints, for the tests and the timing.
    int FramesPainted = 0, HandPaints = 0;
    // The palette's keys (plain Enter, Left, Right, Up, Down; Alt with Up and Down) and its
    // repaint after a colour change; empty until the palette exists.
    std::function<void(int key, Qt::KeyboardModifiers modifiers)> PaletteKey;
    std::function<void()> RepaintPalette;
    void PaintBox1MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void PaintBox1MouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers shift, int x, int y);
    void PaintBox1MouseUp();
    // The key preview: true when the key is consumed.
    bool FormKeyDown(int key, Qt::KeyboardModifiers shift);
    void DrawHand();
    void EraseHand();
    void DropHand();
    void btnPointerClick() { DropHand(); }
    // DropBrick with its marks, buttons and redraw; the hand is drawn again.
    void DropBrickInHand();
    // The sub-assembly just loaded goes into the hand as a group at the last drop's place.
    void TakeSubAssemblyInHand();
    void MovePointerTo(int32_t x, int32_t y, int32_t z);
    void cbResolutionChange(int index);
    void mSafePosClick();

    // Pictures and printing: the picture frame over the view while the picture button is down,
    // saving a picture of it, and printing the model.
    QToolButton *btnSavePic, *btnPrint;
    TPictures Pictures{
        *this,
        {Model, Context, Controls, ViewBitmap, Colours.Background, Colours.BackgroundPicture},
        Files};
    void btnSavePicClick();
    void SizeCameraClick();
    void btnPrintClick();

protected:
    bool event(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    std::vector<std::string> Args;
    bool HandShown = false;
    bool HandOnlyPaint = false;
    bool TurningView = false;
    bool KeyBusy = false;
    THandLayer HandLayer;
    // The frame as the hand layer reads it, converted once per frame when not 32-bit.
    TRgb32Frame HandFrame;
    QRect HandRect;
    void ConnectEditing();
    void ConnectRenderers();
    TExternalLaunch External{*this, Settings, Model, Context, Controls, Colours.Background};
    void ConnectKeyPreview();
    void PaintHand(QPainter& painter);
    void RepaintHand(const QRect& area);
    bool KeyStage1(int key, Qt::KeyboardModifiers shift);
    bool KeyStage2(int key, Qt::KeyboardModifiers shift);
    void KeyWithoutHand(int key, Qt::KeyboardModifiers shift);
    void CycleColour(int direction);
    // The change reaches whatever is in hand, which is drawn again with it.
    void RestyleHand(const std::function<void(TBlock&)>& change);
    void ConnectPictures();
    void RepaintCameraFrame();
    void PaintCameraFrame(QPainter& painter);
    void CameraFrameMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void CameraFrameMouseMove(Qt::MouseButtons buttons, int x, int y);
    bool HintsOn = false;

    void FormCreate();
    void ConnectHandlers();
    void AboutClick();
    void CreateViewPanel();
    void CreateToolBars();
    void CreateMenus();
    void CreateMenuBar();
    void ApplySettings();
    void GatherSettings();
    void FormDestroy();
    void StartUp();
    // Runs a user command; its errors reach the user in a message box.
    void ThickBaseClick() { BSizeXKeyPress(); }
    void Guarded(const std::function<void()>& command);
};
