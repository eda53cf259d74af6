// The window's paint of the generated city in the real view box at 1920 x 1080: the frame and
// its copy to the window, against writing every pixel of a full frame once in the same run,
// with the frame's bands on all cores and on one.

#include "../CityModel.h"
#include "../FitView.h"
#include "../WriteFloor.h"
#include "GuiBenchApp.h"
#include "app/view/ViewBox.h"
#include "app/window/MainForm.h"
#include "base/LDrawColours.h"
#include "raster/Bitmap.h"
#include "render/Scene.h"

#include <QAction>
#include <QApplication>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <filesystem>
#include <map>
#include <memory>

namespace {

constexpr int Width = 1920, Height = 1080;

// A window whose view box is 1920 x 1080, showing the city of `count` bricks fitted into it
// with shading and fast studs; one per count for the whole run.
TMainForm& CityWindow(size_t count) {
    static std::map<size_t, std::unique_ptr<TMainForm>> windows;
    auto& form = windows[count];
    if (form)
        return *form;
    GuiBenchApp();
    const auto ini = std::filesystem::temp_directory_path() / "tessaryn_gui_paint_bench.ini";
    std::filesystem::remove(ini);
    form = std::make_unique<TMainForm>(std::vector<std::string>{"-I" + ini.string()});
    form->resize(Width + 400, Height + 200);
    form->show();
    QApplication::processEvents();
    form->resize(form->size() + QSize(Width, Height) - form->PaintBox1->size());
    QApplication::processEvents();
    form->Model.Clear();
    size_t colour = 0;
    for (auto& brick : MakeCity(count)) {
        brick->Studs = true;
        brick->Colour =
            brick->Baseplate ? ColourOfLDrawNumber(7) : LDrawColourTable[colour++ % 16].Colour();
        form->Model.Add(std::move(brick));
    }
    form->Context.Shading = true;
    form->Context.SetStudStyle(StudOutline);
    FitView(form->Context.View, form->Model, Width, Height, 0.95f);
    form->PaintBox1->repaint(); // sorts the city for the view once
    form->Files.Modified = false;
    return *form;
}

void SetAllCores(TMainForm& form, bool on) {
    if (form.miAllCores->isChecked() != on)
        form.miAllCores->trigger();
}

void SetAntiAliased(TMainForm& form, bool on) {
    if (form.miAntiAlias->isChecked() != on)
        form.miAntiAlias->trigger();
}

void BM_FullFrameWrite(benchmark::State& state) {
    TBitmap bitmap(Width, Height);
    uint32_t value = 0;
    for (auto _ : state)
        WriteEveryPixel(bitmap, ++value);
    state.counters["best_ms"] = WallWriteFloor() * 1000;
}

// A full repaint of the view box (frame rendered, copied to the window's backing store) and,
// for the copy's share, the frame alone; both the best of the run, in wall time. On one core
// the repaint's processor time is given as well: it holds on a machine busy with other work.
void BM_WindowPaint(benchmark::State& state) {
    const size_t count = size_t(state.range(0));
    const bool allCores = state.range(1) != 0, antiAliased = state.range(2) != 0;
    TMainForm& form = CityWindow(count);
    if (form.PaintBox1->size() != QSize(Width, Height)) {
        state.SkipWithError("the view box could not be made 1920 x 1080");
        return;
    }
    SetAllCores(form, allCores);
    SetAntiAliased(form, antiAliased);
    form.PaintBox1->repaint();
    TBackground background{TColour(form.Colours.Background), nullptr};
    double best = 1e9, bestFrame = 1e9, bestProcessor = 1e9, bestFrameProcessor = 1e9;
    for (auto _ : state) {
        double start = WallSeconds(), startProcessor = ThreadSeconds();
        form.PaintBox1->repaint();
        best = std::min(best, WallSeconds() - start);
        bestProcessor = std::min(bestProcessor, ThreadSeconds() - startProcessor);
        start = WallSeconds(), startProcessor = ThreadSeconds();
        PaintFrame(form.Model, form.Frame.Bitmap, form.Context, background, antiAliased,
                   &form.Frame.Supersampled);
        bestFrame = std::min(bestFrame, WallSeconds() - start);
        bestFrameProcessor = std::min(bestFrameProcessor, ThreadSeconds() - startProcessor);
    }
    SetAntiAliased(form, false);
    SetAllCores(form, true);
    state.counters["cores"] = allCores ? TDrawingThreads::CoreCount() : 1;
    state.counters["paint_ms"] = best * 1000;
    state.counters["frame_ms"] = bestFrame * 1000;
    state.counters["paint_full_writes"] = best / WallWriteFloor();
    state.counters["frame_full_writes"] = bestFrame / WallWriteFloor();
    if (!allCores) {
        state.counters["paint_cpu_ms"] = bestProcessor * 1000;
        state.counters["paint_cpu_full_writes"] = bestProcessor / WriteFloor();
        state.counters["frame_cpu_ms"] = bestFrameProcessor * 1000;
    }
}

} // namespace

BENCHMARK(BM_FullFrameWrite)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WindowPaint)
    ->ArgsProduct({{10000, 100000}, {1, 0}, {0}})
    ->Args({10000, 1, 1})
    ->Args({10000, 0, 1})
    ->ArgNames({"bricks", "all_cores", "anti_aliased"})
    ->Unit(benchmark::kMillisecond);
