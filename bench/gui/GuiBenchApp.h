#pragma once
// The one application object of the window benchmarks, shared by every file of them.

#include <QApplication>

inline QApplication& GuiBenchApp() {
    static int argc = 1;
    static char name[] = "tessaryn_gui_bench";
    static char* argv[] = {name, nullptr};
    // Never destroyed: tearing Qt down from the exit handlers crashes in the input devices.
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}
