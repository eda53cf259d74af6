#pragma once
// A shown main window with its tool windows, and bricks to work on.

#include "app/GuiTest.h"

struct ToolWindowFixture : ShownFormTest {
    void SetUp() override { Open("t.ini"); }
};
