// Opening the Technic loader 8464.mpd with its parts drawn from the LDraw library: the first
// import, which converts every part, the second, which reads the stored parts, and one frame of
// it at 1920 x 1080 against the full-frame write. Skipped without the shared LDraw folder.

#include "FitView.h"
#include "WriteFloor.h"
#include "base/FileNames.h"
#include "exchange/ldraw/LDrawImport.h"
#include "exchange/ldraw/LDrawMap.h"
#include "exchange/ldraw/shapes/LDrawShapes.h"
#include "model/BlockList.h"
#include "parts/PartCache.h"
#include "raster/Bitmap.h"
#include "render/DrawContext.h"
#include "render/Scene.h"
#include "render/ViewControls.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;

namespace {
// The shared LDraw folder beside the source tree, or where TESSARYN_SHARED_DIR says.
const std::string Shared = [] {
    const char* dir = std::getenv("TESSARYN_SHARED_DIR");
    return dir ? std::string(dir) + "/ldraw/" : std::string(TESSARYN_SHARED_LDRAW);
}();
const std::string Model = Shared + "models/8464.mpd";

// A program folder of its own, holding the shipped table and parts, so that generated parts
// land in a throw-away place.
const std::string& BenchAppDir() {
    static const std::string dir = [] {
        std::string folder = fs::temp_directory_path() / "tessaryn-bench-XXXXXX";
        if (!mkdtemp(folder.data()))
            std::abort();
        fs::copy(TESSARYN_SHIPPED_DATA, folder, fs::copy_options::recursive);
        return folder + "/";
    }();
    return dir;
}

void DropGeneratedParts() {
    for (const auto& entry : fs::directory_iterator(BenchAppDir() + "parts"))
        if (entry.path().filename().string().starts_with("ld-"))
            fs::remove(entry.path());
}

void Import(TBlockList& list) {
    ClearDrawClasses();
    TLDrawShapes shapes(Shared + "lib");
    TLDrawMap map(BenchAppDir());
    ImportLDraw(
        Model, map, [&](std::unique_ptr<TBlock> b) { list.InsertSorted(std::move(b)); }, &shapes);
}

bool Ready(benchmark::State& state) {
    if (!fs::exists(Model)) {
        state.SkipWithError("no shared LDraw folder beside the source tree");
        return false;
    }
    SetAppDir(BenchAppDir());
    return true;
}

void BM_LDrawFirstImport(benchmark::State& state) {
    if (!Ready(state))
        return;
    for (auto _ : state) {
        state.PauseTiming();
        DropGeneratedParts();
        TBlockList list;
        state.ResumeTiming();
        Import(list);
    }
}

void BM_LDrawSecondImport(benchmark::State& state) {
    if (!Ready(state))
        return;
    TBlockList first;
    Import(first);
    for (auto _ : state) {
        TBlockList list;
        Import(list);
    }
}

void BM_LDrawFrame(benchmark::State& state) {
    if (!Ready(state))
        return;
    const int width = 1920, height = 1080;
    TBlockList model;
    Import(model);
    model.StepLimit = 100000;
    TDrawContext context;
    TRedrawGate redraw;
    TViewControls controls{context, redraw};
    context.Shading = true;
    controls.FormResize(width, height);
    FitView(context.View, model, width, height, 0.95f);
    model.CurrentOctant = context.View.Octant;
    model.Sort(context.View.Octant);
    TBitmap bitmap(width, height);
    TBackground background{0xF0F0F0, nullptr};
    double best = 1e9;
    for (auto _ : state) {
        double start = ThreadSeconds();
        DrawScene(model, bitmap, context, background);
        best = std::min(best, ThreadSeconds() - start);
        benchmark::ClobberMemory();
    }
    state.counters["best_ms"] = best * 1000;
    state.counters["full_writes_per_frame"] = best / WriteFloor();
}
} // namespace

BENCHMARK(BM_LDrawFirstImport)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_LDrawSecondImport)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LDrawFrame)->Unit(benchmark::kMillisecond);
