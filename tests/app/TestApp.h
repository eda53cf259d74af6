#pragma once
// The one application every window test runs in.

#include <QApplication>

inline QApplication& TestApp() {
    static int argc = 1;
    static char name[] = "tessaryn_gui_tests";
    static char* argv[] = {name, nullptr};
    // Never destroyed: tearing Qt down from the exit handlers crashes in the input devices.
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}
