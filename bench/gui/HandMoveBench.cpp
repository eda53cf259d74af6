// Moving the hand over ten thousand bricks: the time from a mouse move to the hand drawn, next
// to the time of one whole frame of the same model.

#include "GuiBenchApp.h"
#include "app/view/ViewBox.h"
#include "app/window/MainForm.h"

#include <QApplication>
#include <QMouseEvent>
#include <benchmark/benchmark.h>
#include <filesystem>

namespace {
std::unique_ptr<TMainForm> TenThousandBricks() {
    GuiBenchApp();
    const auto ini = std::filesystem::temp_directory_path() / "tessaryn_gui_bench.ini";
    auto form = std::make_unique<TMainForm>(std::vector<std::string>{"-I" + ini.string()});
    form->resize(1200, 900);
    form->show();
    QApplication::processEvents();
    for (int i = 0; i < 100; ++i)
        for (int j = 0; j < 100; ++j) {
            auto brick = CreateBrickFromKey("1x1x3");
            brick->X = i * 20 - 1000, brick->Y = j * 20 - 1000, brick->Z = (i * 7 + j) % 3 * 24;
            form->Model.Add(std::move(brick));
        }
    form->Controls.SetControl(form->Controls.ScaleBar, 30);
    form->ViewBars.Sync();
    form->Files.Modified = false;
    return form;
}

void BM_WholeFrame(benchmark::State& state) {
    auto form = TenThousandBricks();
    for (auto _ : state)
        form->RedrawPicture();
    form->close();
}

void BM_HandMove(benchmark::State& state) {
    auto form = TenThousandBricks();
    form->RedrawPicture();
    form->Editing.Hand.TakeInHand(CreateBrickFromKey("2x4x3"), 0);
    TViewBox& view = *form->PaintBox1;
    int k = 0;
    for (auto _ : state) {
        TPoint p = ProjectPoint(form->Context.View, -900 + 9 * (k % 200), -500 + 4 * (k % 200), 0);
        ++k;
        QPointF at(p.X, p.Y);
        QMouseEvent e(QEvent::MouseMove, at, view.mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                      Qt::NoModifier);
        QApplication::sendEvent(&view, &e);
    }
    form->Files.Modified = false;
    form->close();
}
} // namespace

BENCHMARK(BM_WholeFrame)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HandMove)->Unit(benchmark::kMillisecond);
