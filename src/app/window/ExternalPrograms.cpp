#include "app/window/ExternalPrograms.h"

#include "app/system/Settings.h"
#include "exchange/external/ExternalView.h"
#include "exchange/ldraw/LDrawMap.h"
#include "model/BlockList.h"
#include "render/DrawContext.h"
#include "render/ViewControls.h"

#include <QApplication>
#include <QMessageBox>

void TExternalLaunch::Run(TRoute route, bool fastStuds) {
    const TSettings& s = Settings;
    TExternalPrograms programs{
        ExpandHome(s.LDrawLib), s.LDrawProg, s.LDrawTest, s.L2PCmd, s.L3PCmd, s.PovRayEng};
    std::vector<TBlock*> bricks;
    for (const auto& brick : Model.Items())
        bricks.push_back(brick.get());
    TExternalScene scene{
        bricks, LDrawMap(),
        ExternalViewOf(Context.View, Controls.ClientWidth, Controls.ClientHeight, Background),
        fastStuds};
    QWidget* window = &Window;
    TShellStarter starter(window, [window](const std::string& message) {
        // A report while a converter runs comes with the wait cursor, which the box should not.
        bool waiting = QApplication::overrideCursor() != nullptr;
        if (waiting)
            QApplication::restoreOverrideCursor();
        QMessageBox::warning(window, window->windowTitle(), QString::fromStdString(message));
        if (waiting)
            QApplication::setOverrideCursor(Qt::WaitCursor);
    });
    // The converters run to their end before the scene is written; the program waits for them.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    try {
        route(programs, scene, starter);
    } catch (...) {
        QApplication::restoreOverrideCursor();
        throw;
    }
    QApplication::restoreOverrideCursor();
}
