// Frames of generated cities at 1920 x 1080 against the time of writing every pixel once: of
// plain bricks, and of every kind of brick (windows, doors, wheels, general blocks among them).

#include "CityModel.h"
#include "EveryKindCity.h"
#include "FitView.h"
#include "ShapedCity.h"
#include "WriteFloor.h"
#include "base/FileNames.h"
#include "base/LDrawColours.h"
#include "model/BlockList.h"
#include "raster/Bitmap.h"
#include "render/DrawContext.h"
#include "render/DrawingThreads.h"
#include "render/Scene.h"
#include "render/ViewControls.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <ctime>
#include <map>
#include <memory>
#include <utility>
#include <vector>

namespace {

constexpr int Width = 1920, Height = 1080;

// Processor time of all threads of the process: the work a frame on several threads costs.
double ProcessSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

// A city of coloured, studded bricks in drawing order, with the view fitted around it.
struct TCityScene {
    TBlockList Model;
    TDrawContext Context;
    TRedrawGate Redraw;
    TViewControls Controls{Context, Redraw};

    explicit TCityScene(TBrickVector bricks) {
        size_t colour = 0;
        for (auto& brick : bricks) {
            brick->Studs = true;
            if (!brick->Baseplate)
                brick->Colour = LDrawColourTable[colour++ % 16].Colour();
            else
                brick->Colour = ColourOfLDrawNumber(7);
            Model.Add(std::move(brick));
        }
        Context.Shading = true;
        Context.SetStudStyle(StudOutline);
        Controls.FormResize(Width, Height);
        FitToView();
        Model.CurrentOctant = Context.View.Octant;
        Model.Sort(Context.View.Octant);
    }

    // Scale so that the projected box of the city fills 95 % of the view, centred.
    void FitToView() { FitView(Context.View, Model, Width, Height, 0.95f); }
};

enum class TCityKind { Plain, Shaped, EveryKind };

// The plain city, the one with half of its bricks round or sloped, or the city of every kind
// with its decorations mapped (detail 2), whose shipped parts come from the AppDir beside the
// benchmark's folder in the build tree.
TCityScene& City(size_t count, TCityKind kind = TCityKind::Plain) {
    static std::map<std::pair<size_t, TCityKind>, std::unique_ptr<TCityScene>> cache;
    auto& scene = cache[{count, kind}];
    if (scene)
        return *scene;
    switch (kind) {
    case TCityKind::EveryKind:
        SetAppDir(ExecutableDir() + "../AppDir/");
        scene = std::make_unique<TCityScene>(MakeEveryKindCity(count));
        scene->Context.DetailLevel = 2;
        break;
    case TCityKind::Shaped:
        scene = std::make_unique<TCityScene>(MakeShapedCity(count));
        break;
    case TCityKind::Plain:
        scene = std::make_unique<TCityScene>(MakeCity(count));
        break;
    }
    return *scene;
}

void BM_FullFrameWrite(benchmark::State& state) {
    TBitmap bitmap(Width, Height);
    uint32_t value = 0;
    for (auto _ : state)
        WriteEveryPixel(bitmap, ++value);
    state.counters["best_ms"] = WriteFloor() * 1000;
}

void CityFrames(benchmark::State& state, TCityScene& scene) {
    TBitmap bitmap(Width, Height);
    TBackground background{0xF0F0F0, nullptr};
    // The best frame against the best write, both in processor time.
    double best = 1e9;
    for (auto _ : state) {
        double start = ThreadSeconds();
        DrawScene(scene.Model, bitmap, scene.Context, background);
        best = std::min(best, ThreadSeconds() - start);
        benchmark::ClobberMemory();
    }
    state.counters["bricks"] = double(scene.Model.Count());
    state.counters["best_ms"] = best * 1000;
    state.counters["full_writes_per_frame"] = best / WriteFloor();
}

void BM_CityFrame(benchmark::State& state) {
    CityFrames(state, City(size_t(state.range(0))));
}

// The same city with half of its bricks round or sloped.
void BM_ShapedCityFrame(benchmark::State& state) {
    CityFrames(state, City(size_t(state.range(0)), TCityKind::Shaped));
}

void BM_EveryKindCityFrame(benchmark::State& state) {
    CityFrames(state, City(size_t(state.range(0)), TCityKind::EveryKind));
}

// The plain city's frame on 1 to T threads, in wall time; speedup is against the 1-thread
// frame of the same city measured earlier in the same run (the 1-thread row must run first).
// work is the processor time of all threads against that of one: on a machine busy with other
// work wall times say little, and T / work is the speedup a quiet machine can reach at most.
void CityFramesOnThreads(benchmark::State& state, TCityKind kind) {
    static std::map<std::pair<size_t, TCityKind>, double> oneThread, oneThreadWork;
    const size_t count = size_t(state.range(0));
    const int threadCount = int(state.range(1));
    if (threadCount > TDrawingThreads::CoreCount()) {
        state.SkipWithError("more threads than cores");
        return;
    }
    TCityScene& scene = City(count, kind);
    const std::pair<size_t, TCityKind> key{count, kind};
    TDrawingThreads threads(threadCount);
    scene.Context.Threads = &threads;
    TBitmap bitmap(Width, Height);
    TBackground background{0xF0F0F0, nullptr};
    double best = 1e9, bestWork = 1e9;
    for (auto _ : state) {
        double start = WallSeconds(), startWork = ProcessSeconds();
        DrawScene(scene.Model, bitmap, scene.Context, background);
        best = std::min(best, WallSeconds() - start);
        bestWork = std::min(bestWork, ProcessSeconds() - startWork);
        benchmark::ClobberMemory();
    }
    scene.Context.Threads = nullptr;
    if (threadCount == 1) {
        oneThread[key] = best;
        oneThreadWork[key] = bestWork;
    }
    state.counters["cores"] = TDrawingThreads::CoreCount();
    state.counters["best_ms"] = best * 1000;
    state.counters["full_writes_per_frame"] = best / WallWriteFloor();
    if (oneThread.count(key)) {
        state.counters["speedup"] = oneThread[key] / best;
        state.counters["work"] = bestWork / oneThreadWork[key];
    }
}

void BM_CityFrameThreads(benchmark::State& state) {
    CityFramesOnThreads(state, TCityKind::Plain);
}

// The same for the city of every kind, see-through windows among them.
void BM_EveryKindCityFrameThreads(benchmark::State& state) {
    CityFramesOnThreads(state, TCityKind::EveryKind);
}

} // namespace

BENCHMARK(BM_FullFrameWrite)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CityFrame)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ShapedCityFrame)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EveryKindCityFrame)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CityFrameThreads)
    ->ArgsProduct({{10000, 100000}, {1, 2, 3, 4, 8}})
    ->ArgNames({"bricks", "threads"})
    ->MinTime(1.0)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EveryKindCityFrameThreads)
    ->ArgsProduct({{10000, 100000}, {1, 2, 3, 4, 8}})
    ->ArgNames({"bricks", "threads"})
    ->MinTime(1.0)
    ->Unit(benchmark::kMillisecond);
