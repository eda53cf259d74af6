#pragma once
// The drawing state every brick reads: view, shading and light, studs, detail, display options,
// named colours and the boundary. The window owns one and hands it to each drawing target.

#include "base/Geometry.h"
#include "render/CuttingBox.h"
#include "render/FrameBuffers.h"
#include "render/ScaleMemo.h"
#include "render/View.h"

#include <array>
#include <cstdint>

class TDrawingThreads;

// Screen sizes of a stud for the current view, recomputed before each frame.
struct TStudMetrics {
    int StudRX = 0, StudRY = 0;
    int HalfRX = 0, HalfRY = 0; // StudRX div 2, StudRY div 2
    TPoint StudUp;              // 3 model units up on screen
    TPoint BrickUp;             // 24 model units up on screen
};

// The named drawing colours, set at start from the colour swatches.
struct TDrawColours {
    TDrawColours();
    int32_t ColourBlack;           // LDraw colour 0
    int32_t ColourBlue = 0xAB690D; // RGB(13, 105, 171)
    int32_t ColourRed;             // LDraw colour 4, also the selection colour
    int32_t ColourGray;            // LDraw colour 7
    int32_t ColourDark = 0x464646; // RGB(70, 70, 70)
    int32_t ColourMid = 0x808080;  // RGB(128, 128, 128)
    int32_t ColourSky = 0xFFB21E;  // RGB(30, 178, 255)
};

enum TStudStyle { StudOutline = 0, StudFull = 1, StudEllipse = 2 };

class TDrawContext {
public:
    TDrawContext();

    TViewState View;
    TCuttingBox Boundary;
    TDrawColours Colours;

    bool Shading = false; // the Shading menu mark
    std::array<int32_t, 3> Light{-7, 0, 10};
    std::array<float, 7> LightFactor{}; // face classes 1 to 7 at indices 0 to 6

    int StudStyle = StudOutline;
    bool StudsHidden = false; // the studs button is down
    TStudMetrics Studs;
    int DetailLevel = 0;
    bool WireFrame = false;
    bool SeeThroughBaseplate = false;

    // Frames are drawn in horizontal bands side by side on these threads when there are two or
    // more (not owned); Bands splits them so, 0 leaving the number to the scene.
    TDrawingThreads* Threads = nullptr;
    int Bands = 0;
    // Frames whose bricks all write opaque colours are drawn front to back, passing over hidden
    // bricks; off, always back to front, which gives the same pixels (the reference to compare).
    bool FrontToBack = true;
    TFrameBuffers Buffers;

    // Written by each brick's Draw and read by its own face routines.
    bool Shaded = false;
    int32_t FaceColour1 = 0, FaceColour2 = 0, FaceColour3 = 0;
    // The shaded colours the bricks ask for, remembered across bricks and frames.
    TScaleMemo ScaledColours;

    // 1 full, 2 ellipse, anything else outline.
    void SetStudStyle(int style) { StudStyle = style == 1 || style == 2 ? style : StudOutline; }
    int GetStudStyle() const { return StudStyle; }

    // The wireframe button: on hides studs, drops details and shading; off puts them back.
    void SetWireFrame(bool on);
    // The stud menu: 0 fast, 1 better, 2 best, 3 none (the studs button down).
    void ChooseStuds(int tag);
    // The detail menu: leaves wireframe without restoring what it had switched off.
    void ChooseDetail(int tag);

    void ComputeLightFactors();
    void ComputeStudMetrics();

private:
    bool WireSavedStudsHidden = false;
    int WireSavedDetail = 0;
    bool WireSavedShading = false;
};
