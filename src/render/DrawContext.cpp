#include "render/DrawContext.h"

#include "base/LDrawColours.h"
#include "render/Shading.h"

#include <cmath>

TDrawColours::TDrawColours()
    : ColourBlack(ColourOfLDrawNumber(0)), ColourRed(ColourOfLDrawNumber(4)),
      ColourGray(ColourOfLDrawNumber(7)) {}

TDrawContext::TDrawContext() {
    ComputeViewMatrix(View);
    ComputeLightFactors();
}

void TDrawContext::SetWireFrame(bool on) {
    if (on == WireFrame)
        return;
    WireFrame = on;
    if (on) {
        WireSavedStudsHidden = StudsHidden;
        WireSavedDetail = DetailLevel;
        WireSavedShading = Shading;
        StudsHidden = true;
        DetailLevel = 0;
        Shading = false;
    } else {
        StudsHidden = WireSavedStudsHidden;
        DetailLevel = WireSavedDetail;
        Shading = WireSavedShading;
    }
}

void TDrawContext::ChooseStuds(int tag) {
    SetStudStyle(tag);
    StudsHidden = tag == 3;
}

void TDrawContext::ChooseDetail(int tag) {
    WireFrame = false;
    DetailLevel = tag;
}

void TDrawContext::ComputeLightFactors() {
    for (size_t i = 0; i < FaceNormals.size(); ++i)
        LightFactor[i] = LightFactorOf(Light, FaceNormals[i]);
}

static TPoint Difference(TPoint a, TPoint b) {
    return {a.X - b.X, a.Y - b.Y};
}

void TDrawContext::ComputeStudMetrics() {
    Studs.StudRX = RoundHalfEven(5.0 * View.ViewScale);
    Studs.StudRY = RoundHalfEven(5.0 * View.ViewScale * std::cos(double(View.TiltA)));
    Studs.HalfRX = Studs.StudRX / 2;
    Studs.HalfRY = Studs.StudRY / 2;
    TPoint base = ProjectPoint(View, 0, 0, 0);
    Studs.StudUp = Difference(ProjectPoint(View, 0, 0, 3), base);
    Studs.BrickUp = Difference(ProjectPoint(View, 0, 0, 24), base);
}
