// The building instructions of a 1 000-brick city in 100 steps, A4 at 300 dpi, one step a page,
// written as a PDF: the time of the whole booklet and the process's peak memory.

#include "CityModel.h"
#include "base/FileNames.h"
#include "base/LDrawColours.h"
#include "exchange/instructions/InstructionBook.h"
#include "exchange/instructions/PdfPainter.h"
#include "exchange/ldraw/LDrawMap.h"
#include "model/BlockList.h"
#include "render/DrawContext.h"
#include "render/ViewControls.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <filesystem>
#include <sys/resource.h>

namespace {

void Booklet(benchmark::State& state) {
    SetAppDir(ExecutableDir() + "../AppDir/");
    TBlockList model;
    size_t index = 0;
    for (auto& brick : MakeCity(1000)) {
        brick->Studs = true;
        brick->Colour = LDrawColourTable[index % 16].Colour();
        brick->Step = int32_t(index++ / 10); // 100 steps of 10 bricks, in the city's order
        model.Add(std::move(brick));
    }
    TDrawContext context;
    TRedrawGate redraw;
    TViewControls controls(context, redraw);
    controls.FormResize(800, 600);
    context.Shading = true;
    TLDrawMap map;
    map.Load();
    const std::string file =
        (std::filesystem::temp_directory_path() / "tessaryn-bench-booklet.pdf").string();
    TPageSetup setup; // A4, one step a page, 300 dpi
    int pages = 0;
    for (auto _ : state) {
        TInstructionBook book(model, context, map, "city", setup);
        TPdfPainter pdf(file, setup.Width, setup.Height);
        for (int page = 0; page < book.PageCount(); ++page)
            book.PaintPage(page, pdf);
        pdf.Finish();
        pages = book.PageCount();
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["pages"] = pages;
    state.counters["peak_MB"] = double(usage.ru_maxrss) / 1024;
    state.counters["pdf_MB"] = double(std::filesystem::file_size(file)) / 1e6;
    std::remove(file.c_str());
}

} // namespace

BENCHMARK(Booklet)->Unit(benchmark::kSecond)->Iterations(1);
