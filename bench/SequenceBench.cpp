// tessaryn-cli sequence of the shipped house sequence at 1920 x 1080 into a fresh folder, run
// in-process through the tool's own command code: pictures written per second of wall time.
// Beside it the same frames drawn, encoded and forced to disk one after another, as the command
// once wrote them, for the ratio on the same machine at the same time.

#include "base/FileIO.h"
#include "base/FileNames.h"
#include "cli/Cli.h"
#include "cli/RenderSetup.h"
#include "parts/PartCache.h"
#include "raster/PngCodec.h"
#include "render/View.h"
#include "render/sequence/FrameBuffer.h"
#include "render/sequence/Playback.h"
#include "render/sequence/SequenceFile.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace {

const std::string Shipped = TESSARYN_SHIPPED_DATA;

const std::string Sequence = Shipped + "Models/house.lgs", Model = Shipped + "Models/house.lgo";

// Frames written in turn, each encoded and forced to disk before the next view is drawn.
void WriteOneByOne(const std::string& folder) {
    SetAppDir(Shipped);
    TCliArgs args;
    args.Values["--size"] = "1920x1080";
    std::vector<TViewFrame> frames = ReadSequenceFile(Sequence);
    TRenderSetup setup(args, Model);
    TFrameBuffer buffer(setup.Controls, setup.Context, setup.Redraw);
    TPlayback playback(frames, buffer.CaptureFrame(0), 1);
    long written = 0;
    double elapsedMs = 0;
    while (auto view = playback.Next()) {
        buffer.ApplyFrame(view->Frame);
        setup.Paint();
        elapsedMs += DelayMilliseconds(view->Delay, "0.1");
        long due = long(RoundHalfEven(elapsedMs * 25 / 1000));
        std::string encoded = EncodePng(setup.View);
        for (long copy = 0; copy == 0 || written < due; ++copy)
            WriteFileReplacing(folder + "/frame-" + std::to_string(++written) + ".png", encoded);
    }
}

void WriteThroughCommand(const std::string& folder) {
    std::ostringstream out, err;
    if (RunCli({"--app-dir", Shipped, "sequence", Sequence, Model, "-o", folder, "--size",
                "1920x1080"},
               out, err) != 0)
        throw std::runtime_error(err.str());
}

void BM_HouseSequenceFrames(benchmark::State& state, void (*write)(const std::string&)) {
    std::string folder = fs::temp_directory_path() / "tessaryn-sequence-XXXXXX";
    if (!mkdtemp(folder.data())) {
        state.SkipWithError("cannot make a temporary folder");
        return;
    }
    long frames = 0;
    for (auto _ : state) {
        ClearDrawClasses();
        try {
            write(folder);
        } catch (const std::exception& error) {
            state.SkipWithError(error.what());
            break;
        }
        state.PauseTiming();
        for (const auto& entry : fs::directory_iterator(folder)) {
            ++frames;
            fs::remove(entry.path());
        }
        state.ResumeTiming();
    }
    fs::remove_all(folder);
    state.counters["fps"] = benchmark::Counter(double(frames), benchmark::Counter::kIsRate);
}

} // namespace

BENCHMARK_CAPTURE(BM_HouseSequenceFrames, OneByOne, WriteOneByOne)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_HouseSequenceFrames, Command, WriteThroughCommand)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->UseRealTime();
