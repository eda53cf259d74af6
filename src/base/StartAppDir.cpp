#include "base/StartAppDir.h"

#include "base/AppDirChoice.h"
#include "base/FileNames.h"

#include <cstdlib>

TFillReport StartAppDir() {
    TAppDirChoice choice =
        ChooseAppDir(ExecutableDir(), std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
    TFillReport report;
    if (!choice.ShippedDir.empty())
        report = FillUserFolder(choice.ShippedDir, choice.AppDir);
    SetAppDir(choice.AppDir);
    return report;
}
