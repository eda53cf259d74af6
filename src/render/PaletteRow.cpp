#include "render/PaletteRow.h"

#include "model/BlockList.h"
#include "model/PaletteKey.h"
#include "raster/Bitmap.h"
#include "raster/DrawObject.h"
#include "render/DrawContext.h"
#include "render/Scene.h"
#include "render/bricks/DrawBrick.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <memory>

namespace {
constexpr TColour FrameColour = RGB(128, 128, 128);
constexpr TColour PartIDColour = RGB(0, 0, 0);
constexpr TColour KeyColour = RGB(128, 0, 0);

struct TBox {
    int64_t X0, Y0, Z0, X1, Y1, Z1;
};

// Shrinks the scale until the box's projection fits the row, then centres it.
void FitAndCentre(TViewState& view, const TBox& box, int rowHeight, int width, float f1, float f2) {
    auto shrink = [&](TPoint a, TPoint b, bool horizontal, float factor) {
        int d = std::abs(horizontal ? b.X - a.X : b.Y - a.Y);
        if (d > 0) {
            float fitted = view.ViewScale * float(rowHeight) * factor / float(d);
            if (fitted < view.ViewScale)
                view.ViewScale = fitted;
        }
    };
    auto project = [&](int64_t x, int64_t y, int64_t z) {
        return ProjectPoint(view, double(x), double(y), double(z));
    };
    shrink(project(box.X0, box.Y0, box.Z0), project(box.X1, box.Y1, box.Z1), true, f1);
    shrink(project(box.X0, box.Y1, box.Z0), project(box.X1, box.Y0, box.Z1), false, f2);
    TPoint centre = project((box.X0 + box.X1) / 2, (box.Y0 + box.Y1) / 2, (box.Z0 + box.Z1) / 2);
    view.OriginX = float(std::max(1, width / 2 - centre.X));
    view.OriginY = float(std::max(2, rowHeight / 2 - centre.Y));
}

// The combination model moved to the origin, in the current colour where it was saved black,
// without its baseplate, every brick in step 0.
std::unique_ptr<TBlockList> LoadCombination(const std::string& key, TColour colour, int octant,
                                            TCombinationCache* combinations) {
    std::unique_ptr<TBlockList> read;
    const TBlockList* loaded = nullptr;
    if (combinations) {
        loaded = &combinations->Model(SubAssemblyFile(key));
    } else {
        read = std::make_unique<TBlockList>();
        read->LoadFromFile(SubAssemblyFile(key));
        loaded = read.get();
    }
    auto model = std::make_unique<TBlockList>();
    model->CurrentOctant = octant;
    for (const auto& saved : loaded->Items()) {
        if (saved->Baseplate)
            continue;
        TBlock& brick = model->Add(Clone(*saved));
        brick.X -= int32_t(loaded->MinX);
        brick.Y -= int32_t(loaded->MinY);
        brick.Z -= int32_t(loaded->MinZ);
        brick.Step = 0;
        if (brick.Colour == 0)
            brick.Colour = int32_t(colour);
    }
    model->SizeX = loaded->SizeX;
    model->SizeY = loaded->SizeY;
    model->SizeZ = loaded->SizeZ;
    model->MinX = model->MinY = model->MinZ = 0;
    model->StepLimit = 0;
    if (model->Count() > 1)
        model->Sort(octant);
    return model;
}

// The brick or model of the key in the row's fixed view.
void DrawKey(TDrawObject& target, TDrawContext& context, const std::string& key,
             const TPaletteRowStyle& style, int rowHeight, TCombinationCache* combinations) {
    TViewState& view = context.View;
    view.TiltA = DegreesToAngle(60);
    view.AzimuthC = DegreesToAngle(30);
    view.SpinB = 0;
    view.OriginX = view.OriginY = 0;
    view.ViewScale = style.Scale;
    ComputeViewMatrix(view);
    if (IsSubAssemblyKey(key)) {
        std::unique_ptr<TBlockList> model =
            LoadCombination(key, style.Colour, view.Octant, combinations);
        FitAndCentre(view, {0, 0, 0, model->SizeX, model->SizeY, model->SizeZ}, rowHeight,
                     style.Width, 0.9f, 0.9f);
        context.ComputeStudMetrics();
        DrawAll(*model, target, true);
        return;
    }
    std::unique_ptr<TBlock> brick = CreateBrickFromKey(key);
    if (!brick)
        return;
    brick->Colour = int32_t(style.Colour);
    brick->Transparent = style.Transparent;
    FitAndCentre(view, {brick->X, brick->Y, brick->Z, brick->FarX(), brick->FarY(), brick->FarZ()},
                 rowHeight, style.Width, 1.2f, 0.8f);
    context.ComputeStudMetrics();
    DrawBrick(*brick, target);
}
} // namespace

TCombinationCache::TCombinationCache() = default;
TCombinationCache::~TCombinationCache() = default;

const TBlockList& TCombinationCache::Model(const std::string& fileName) {
    std::error_code ec;
    auto time = std::filesystem::last_write_time(fileName, ec);
    auto size = ec ? 0 : std::filesystem::file_size(fileName, ec);
    auto known = Entries.find(fileName);
    if (!ec && known != Entries.end() && known->second.Time == time && known->second.Size == size)
        return *known->second.Model;
    Entries.erase(fileName);
    auto model = std::make_unique<TBlockList>();
    model->LoadFromFile(fileName);
    TEntry& entry = Entries[fileName];
    entry.Time = time;
    entry.Size = size;
    entry.Model = std::move(model);
    return *entry.Model;
}

void DrawPaletteRow(TBitmap& bitmap, TDrawContext& context, const std::string& key,
                    const TPaletteRowStyle& style, TCombinationCache* combinations) {
    int rowHeight = std::clamp(style.RowHeight, 1, MaxPaletteRowHeight);
    int width = std::max(1, style.Width);
    bitmap.SetSize(width, rowHeight);
    TDrawObject target = TDrawObject::CreateFromBitmap(bitmap);
    target.Context = &context;
    TCanvas& canvas = target.Canvas();
    canvas.Brush.Style = TBrushStyle::bsSolid;
    canvas.Brush.Colour = style.Selected ? style.Shadow : style.Face;
    canvas.Pen.Colour = FrameColour;
    // The canvas, not the raster surface, draws the frame: the surface spares the edge rows.
    canvas.Rectangle(0, 0, width, rowHeight);
    canvas.Pen.Colour = 0;

    TViewState savedView = context.View;
    TStudMetrics savedStuds = context.Studs;
    int savedDetail = context.DetailLevel;
    bool savedWireFrame = context.WireFrame, savedStudsHidden = context.StudsHidden;
    context.DetailLevel = 99;
    context.WireFrame = false;
    context.StudsHidden = style.StudsHidden;
    try {
        DrawKey(target, context, key, style, rowHeight, combinations);
    } catch (const std::exception&) {
        // A key that names nothing drawable still shows its text, so the user can mend it.
    }
    context.View = savedView;
    context.Studs = savedStuds;
    context.DetailLevel = savedDetail;
    context.WireFrame = savedWireFrame;
    context.StudsHidden = savedStudsHidden;

    TRowText text = PaletteRowText(key);
    if (!text.Text.empty()) {
        canvas.Brush.Style = TBrushStyle::bsClear;
        canvas.Font.Colour = text.IsPartID ? PartIDColour : KeyColour;
        target.TextOut(1, 1, text.Text);
        canvas.Brush.Style = TBrushStyle::bsSolid;
    }
}
