#pragma once
// The hand-offs to the LDraw viewer and to POV-Ray: the model and the view as they are, given
// to one of the external routes with the programs the settings name.

#include "app/system/RunProgram.h"

#include <cstdint>

class QWidget;
class TBlockList;
class TDrawContext;
class TViewControls;
struct TSettings;

class TExternalLaunch {
public:
    using TRoute = void (*)(const TExternalPrograms&, TExternalScene&, TProgramStarter&);

    TExternalLaunch(QWidget& window, const TSettings& settings, const TBlockList& model,
                    const TDrawContext& context, const TViewControls& controls,
                    const int32_t& background)
        : Window(window), Settings(settings), Model(model), Context(context), Controls(controls),
          Background(background) {}

    // Runs the route with the wait cursor; its programs' failures reach the user in a message.
    void Run(TRoute route, bool fastStuds);

private:
    QWidget& Window;
    const TSettings& Settings;
    const TBlockList& Model;
    const TDrawContext& Context;
    const TViewControls& Controls;
    const int32_t& Background;
};
