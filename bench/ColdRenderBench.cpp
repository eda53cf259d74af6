// tessaryn-cli render of the 10 000-brick city as a fresh process, per picture format: the
// processor time at 1920 x 1080 minus that at 16 x 16 (loading and sorting cost the same in
// both), against the time of writing every pixel of a 1920 x 1080 bitmap once. TESSARYN_CLI
// names another tool to measure, e.g. an older build. Also the PNG and JPEG encoders alone, and
// the frames a second of the tool's sequence command on the shipped house.

#include "CityModel.h"
#include "FitView.h"
#include "WriteFloor.h"
#include "base/FileNames.h"
#include "base/LDrawColours.h"
#include "exchange/LoadModel.h"
#include "model/BlockList.h"
#include "model/ModelFile.h"
#include "raster/Bitmap.h"
#include "raster/JpegCodec.h"
#include "raster/PictureFiles.h"
#include "raster/PngCodec.h"
#include "render/DrawContext.h"
#include "render/Scene.h"
#include "render/ViewControls.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace {

constexpr int Width = 1920, Height = 1080, Bricks = 10000;

// Each run of the tool is short and the machine is shared: the best of many counts.
constexpr int Runs = 25;

std::string CliPath() {
    const char* given = std::getenv("TESSARYN_CLI");
    return given ? given : ExecutableDir() + "../AppDir/tessaryn-cli";
}

// A folder of our own for the model and the pictures, removed when the benchmarks end.
struct TScratchFolder {
    std::filesystem::path Path;
    TScratchFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "tessaryn-cold-XXXXXX");
        Path = mkdtemp(pattern.data()) ? pattern : std::string();
    }
    ~TScratchFolder() {
        std::error_code ignored;
        if (!Path.empty())
            std::filesystem::remove_all(Path, ignored);
    }
};

const TScratchFolder& Scratch() {
    static TScratchFolder folder;
    return folder;
}

// The start-up view (tilt 70, azimuth 30) with the zoom bar and offsets that fit the city into
// 95 % of the big view, centred.
TModelHeader FittedHeader(const TBlockList& model) {
    TDrawContext context;
    TRedrawGate redraw;
    TViewControls controls(context, redraw);
    controls.FormResize(Width, Height);
    const TRect box = ProjectedBox(model, context.View);
    double fit = 0.95 * std::min(double(Width) / box.Width(), double(Height) / box.Height());
    TModelHeader header;
    header.RotX = controls.RotX.Position;
    header.RotZ = controls.RotZ.Position;
    header.ScaleBar = std::clamp(int(std::ceil(10 / fit)), 1, 80);
    double scale = 10.0 / header.ScaleBar;
    header.OffsetX = int(std::lround(scale * (box.Left + box.Right) / 2));
    header.OffsetY = int(std::lround(scale * (box.Top + box.Bottom) / 2));
    return header;
}

const std::string& CityFile() {
    static const std::string file = [] {
        TBlockList model;
        size_t colour = 0;
        for (auto& brick : MakeCity(Bricks)) {
            brick->Studs = true;
            brick->Colour = brick->Baseplate ? ColourOfLDrawNumber(7)
                                             : LDrawColourTable[colour++ % 16].Colour();
            model.Add(std::move(brick));
        }
        std::string name = Scratch().Path / "city.lgo";
        SaveModelFile(model, name, FittedHeader(model), true);
        return name;
    }();
    return file;
}

struct TRunTime {
    double Cpu = 0;  // user and system time of the process, seconds
    double Wall = 0; // seconds
};

// Runs the tool to its end; false when it could not start or did not succeed.
bool RunCli(const std::vector<std::string>& args, TRunTime& time) {
    std::vector<char*> argv;
    for (const std::string& arg : args)
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    auto start = std::chrono::steady_clock::now();
    pid_t child;
    if (posix_spawn(&child, argv[0], nullptr, nullptr, argv.data(), environ) != 0)
        return false;
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child)
        return false;
    time.Wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    time.Cpu = double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
               double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) * 1e-6;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

std::vector<std::string> RenderArgs(const std::string& picture, int width, int height) {
    return {CliPath(),
            "render",
            CityFile(),
            "-o",
            picture,
            "--size",
            std::to_string(width) + "x" + std::to_string(height),
            "--shading",
            "--studs",
            "0"};
}

void BM_ColdCliRender(benchmark::State& state, const char* extension) {
    std::string picture = Scratch().Path / (std::string("city.") + extension);
    TRunTime bestBig{1e9, 1e9}, bestSmall{1e9, 1e9};
    for (auto _ : state) {
        for (int run = 0; run < Runs; ++run) {
            TRunTime big, small;
            if (!RunCli(RenderArgs(picture, Width, Height), big) ||
                !RunCli(RenderArgs(picture, 16, 16), small)) {
                state.SkipWithError(("cannot run " + CliPath()).c_str());
                return;
            }
            bestBig = {std::min(bestBig.Cpu, big.Cpu), std::min(bestBig.Wall, big.Wall)};
            bestSmall = {std::min(bestSmall.Cpu, small.Cpu), std::min(bestSmall.Wall, small.Wall)};
        }
    }
    double tax = bestBig.Cpu - bestSmall.Cpu;
    state.counters["big_ms"] = bestBig.Cpu * 1000;
    state.counters["small_ms"] = bestSmall.Cpu * 1000;
    state.counters["difference_ms"] = tax * 1000;
    state.counters["full_frame_writes"] = tax / WriteFloor();
    state.counters["wall_difference_ms"] = (bestBig.Wall - bestSmall.Wall) * 1000;
    state.counters["write_ms"] = WriteFloor() * 1000;
}

// The city's frame as the tool draws it, encoded in memory without the process around it: what
// each encoder alone costs at its fixed settings.
void BM_EncodeCityFrame(benchmark::State& state, TPictureFormat format) {
    TBlockList model;
    LoadModel(model, CityFile(), LoadWhole);
    TDrawContext context;
    TRedrawGate redraw;
    TViewControls controls(context, redraw);
    controls.FormResize(Width, Height);
    controls.ApplyFileView(model.FileRotX, model.FileRotZ, model.FileScaleBar, model.FileOffsetX,
                           model.FileOffsetY, true);
    context.Shading = true;
    TBitmap frame(Width, Height);
    DrawScene(model, frame, context, {0xF0F0F0, nullptr});
    double best = 1e9;
    for (auto _ : state) {
        double start = ThreadSeconds();
        std::string encoded = format == TPictureFormat::Png ? EncodePng(frame) : EncodeJpeg(frame);
        best = std::min(best, ThreadSeconds() - start);
        benchmark::DoNotOptimize(encoded);
    }
    state.counters["best_ms"] = best * 1000;
    state.counters["full_frame_writes"] = best / WriteFloor();
}

// tessaryn-cli sequence of the shipped house sequence over the house at 1920 x 1080, PNG frames
// into a fresh folder: frames written a second of wall time, the best of a few runs.
void BM_CliHouseSequence(benchmark::State& state) {
    const std::string models = ExecutableDir() + "../AppDir/Models/";
    double bestFps = 0;
    for (auto _ : state) {
        for (int run = 0; run < 3; ++run) {
            const std::filesystem::path folder = Scratch().Path / ("house-" + std::to_string(run));
            std::filesystem::remove_all(folder);
            TRunTime time;
            if (!RunCli({CliPath(), "sequence", models + "house.lgs", models + "house.lgo", "-o",
                         folder.string(), "--size", "1920x1080", "--shading"},
                        time)) {
                state.SkipWithError(("cannot run " + CliPath()).c_str());
                return;
            }
            const auto frames = std::distance(std::filesystem::directory_iterator(folder),
                                              std::filesystem::directory_iterator());
            bestFps = std::max(bestFps, double(frames) / time.Wall);
            state.counters["frames"] = double(frames);
        }
    }
    state.counters["frames_per_second"] = bestFps;
}

} // namespace

BENCHMARK_CAPTURE(BM_EncodeCityFrame, png, TPictureFormat::Png)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_EncodeCityFrame, jpeg, TPictureFormat::Jpeg)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ColdCliRender, bmp, "bmp")->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ColdCliRender, png, "png")->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ColdCliRender, jpeg, "jpg")->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CliHouseSequence)->Iterations(1)->Unit(benchmark::kMillisecond);
