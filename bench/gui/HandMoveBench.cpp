// Moving the hand over ten thousand bricks: the time from a mouse move to the hand drawn, with
// and without the toolbox showing the hand's position, next to the time of one whole frame.

#include "app/MainForm.h"
#include "app/ViewBox.h"
#include "tools/AdvancedToolbox.h"

#include <QAction>
#include <QApplication>
#include <QMouseEvent>
#include <benchmark/benchmark.h>
#include <filesystem>

namespace {
QApplication& App() {
    static int argc = 1;
    static char name[] = "tessaryn_gui_bench";
    static char* argv[] = {name, nullptr};
    // Never destroyed: tearing Qt down from the exit handlers crashes in the input devices.
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

std::unique_ptr<TMainForm> TenThousandBricks(bool toolbox = false) {
    App();
    const auto ini = std::filesystem::temp_directory_path() / "tessaryn_gui_bench.ini";
    auto form = std::make_unique<TMainForm>(std::vector<std::string>{"-I" + ini.string()});
    form->resize(1200, 900);
    form->show();
    if (toolbox)
        form->Advancedtoolbox1->trigger();
    QApplication::processEvents();
    for (int i = 0; i < 100; ++i)
        for (int j = 0; j < 100; ++j) {
            auto brick = CreateBrickFromKey("1x1x3");
            brick->X = i * 20 - 1000, brick->Y = j * 20 - 1000, brick->Z = (i * 7 + j) % 3 * 24;
            brick->PartID = "3005";
            form->Model.Add(std::move(brick));
        }
    form->Controls.SetControl(form->Controls.ScaleBar, 30);
    form->SyncViewBars();
    form->Modified = false;
    return form;
}

void BM_WholeFrame(benchmark::State& state) {
    auto form = TenThousandBricks();
    for (auto _ : state)
        form->RedrawPicture();
    form->close();
}

// Argument 1: with the toolbox open.
void BM_HandMove(benchmark::State& state) {
    auto form = TenThousandBricks(state.range(0) != 0);
    form->RedrawPicture();
    form->Hand.TakeInHand(CreateBrickFromKey("2x4x3|3001"), 0);
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
    form->Modified = false;
    form->close();
}
} // namespace

BENCHMARK(BM_WholeFrame)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HandMove)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
